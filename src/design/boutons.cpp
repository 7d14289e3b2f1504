#include "design/boutons.h"

#include "app/programme.h"

namespace design {

Tboutons_view::Tboutons_view(app::Programme& programme) : ui::Form(programme.application(), "Tboutons_view", "boutons_view"), p_(programme) {
}

}  // namespace design
