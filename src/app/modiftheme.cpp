#include "app/modiftheme.h"

#include "app/programme.h"

namespace app {

Tmodiftheme1::Tmodiftheme1(app::Programme& programme) : ui::Form(programme.application(), "Tmodiftheme1", "modiftheme1"), p_(programme) {
}

}  // namespace app
