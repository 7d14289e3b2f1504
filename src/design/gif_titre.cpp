#include "design/gif_titre.h"

#include "app/programme.h"

namespace design {

Tgif_titres::Tgif_titres(app::Programme& programme) : ui::Form(programme.application(), "Tgif_titres", "gif_titres"), p_(programme) {
}

}  // namespace design
