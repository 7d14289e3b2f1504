#include "app/auteurs1.h"

#include "app/programme.h"

namespace app {

Tauteurs::Tauteurs(app::Programme& programme) : ui::Form(programme.application(), "Tauteurs", "auteurs"), p_(programme) {
}

}  // namespace app
