#include "design/fond.h"

#include "app/programme.h"

namespace design {

Tfonds::Tfonds(app::Programme& programme) : ui::Form(programme.application(), "Tfonds", "fonds"), p_(programme) {
}

}  // namespace design
