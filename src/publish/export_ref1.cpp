#include "publish/export_ref1.h"

#include "app/programme.h"

namespace publish {

Texport_ref::Texport_ref(app::Programme& programme) : ui::Form(programme.application(), "Texport_ref", "export_ref"), p_(programme) {
  setCaption("Exportation des références");
}

}  // namespace publish
