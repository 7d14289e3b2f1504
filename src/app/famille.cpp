#include "app/famille.h"

#include "app/programme.h"

namespace app {

Tfamille1::Tfamille1(app::Programme& programme) : ui::Form(programme.application(), "Tfamille1", "famille1"), p_(programme) {
}

}  // namespace app
