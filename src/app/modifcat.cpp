#include "app/modifcat.h"

#include "app/programme.h"

namespace app {

Tmodifcat1::Tmodifcat1(app::Programme& programme) : ui::Form(programme.application(), "Tmodifcat1", "modifcat1"), p_(programme) {
}

}  // namespace app
