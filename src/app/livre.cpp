#include "app/livre.h"

#include "app/programme.h"

namespace app {

Tlivre1::Tlivre1(app::Programme& programme) : ui::Form(programme.application(), "Tlivre1", "livre1"), p_(programme) {
}

}  // namespace app
