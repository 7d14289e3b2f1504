#include "app/supp1.h"

#include "app/programme.h"

namespace app {

Tsupp::Tsupp(app::Programme& programme) : ui::Form(programme.application(), "Tsupp", "supp"), p_(programme) {
}

}  // namespace app
