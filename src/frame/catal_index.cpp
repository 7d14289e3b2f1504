#include "frame/catal_index.h"

#include "app/programme.h"

namespace frame {

Tcatal_ini::Tcatal_ini(app::Programme& programme) : ui::Form(programme.application(), "Tcatal_ini", "catal_ini"), p_(programme) {
  setCaption("Catalogue hors ligne");
}

}  // namespace frame
