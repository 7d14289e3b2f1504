#include "publish/autres_comp1.h"

#include "app/programme.h"

namespace publish {

Tautres_comp::Tautres_comp(app::Programme& programme) : ui::Form(programme.application(), "Tautres_comp", "autres_comp"), p_(programme) {
  setCaption("Autres Comparateurs");
}

}  // namespace publish
