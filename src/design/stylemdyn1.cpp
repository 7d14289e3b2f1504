#include "design/stylemdyn1.h"

#include "app/programme.h"

namespace design {

TstyleMDyn::TstyleMDyn(app::Programme& programme) : ui::Form(programme.application(), "TstyleMDyn", "styleMDyn"), p_(programme) {
}

}  // namespace design
