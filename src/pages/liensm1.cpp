#include "pages/liensm1.h"

#include "app/programme.h"

namespace pages {

Tliensm::Tliensm(app::Programme& programme) : ui::Form(programme.application(), "Tliensm", "liensm"), p_(programme) {
}

}  // namespace pages
