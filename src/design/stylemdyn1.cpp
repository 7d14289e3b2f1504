#include "design/stylemdyn1.h"

#include "app/programme.h"

namespace design {

TstyleMDyn::TstyleMDyn(app::Programme& programme) : ui::Form(programme.application(), "TstyleMDyn", "styleMDyn"), p_(programme) {
}

// The dialog's controls and their load come with later work.
void TstyleMDyn::ouvrir() {}

}  // namespace design
