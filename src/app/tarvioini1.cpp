#include "app/tarvioini1.h"

#include "app/programme.h"

namespace app {

Ttarvioini::Ttarvioini(app::Programme& programme) : ui::Form(programme.application(), "Ttarvioini", "tarvioini"), p_(programme) {
}

}  // namespace app
