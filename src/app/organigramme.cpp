#include "app/organigramme.h"

#include "app/programme.h"

namespace app {

Torga::Torga(app::Programme& programme) : ui::Form(programme.application(), "Torga", "orga"), p_(programme) {
}

}  // namespace app
