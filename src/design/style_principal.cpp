#include "design/style_principal.h"

#include "app/programme.h"

namespace design {

TstyleP::TstyleP(app::Programme& programme) : ui::Form(programme.application(), "TstyleP", "styleP"), p_(programme) {
}

}  // namespace design
