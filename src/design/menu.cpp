#include "design/menu.h"

#include "app/programme.h"

namespace design {

Tmenu1::Tmenu1(app::Programme& programme) : ui::Form(programme.application(), "Tmenu1", "menu1"), p_(programme) {
}

void Tmenu1::chargerMenu() {}

void Tmenu1::preparerMenu() {}

}  // namespace design
