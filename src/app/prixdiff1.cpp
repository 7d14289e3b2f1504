#include "app/prixdiff1.h"

#include "app/programme.h"

namespace app {

Tprixdiff::Tprixdiff(app::Programme& programme) : ui::Form(programme.application(), "Tprixdiff", "prixdiff"), p_(programme) {
}

}  // namespace app
