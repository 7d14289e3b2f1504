#include "app/promo1.h"

#include "app/programme.h"

namespace app {

TprixF::TprixF(app::Programme& programme) : ui::Form(programme.application(), "TprixF", "prixF"), p_(programme) {
}

}  // namespace app
