// Routines of the menu editor whose behaviour comes with later work: the renderer of the menu's
// button and bullet images, and the family lists of the menu. Each is called in its place and
// does nothing until then (docs/ARCHITECTURE.md lists them).

#include "design/menu.h"

namespace design {

void Tmenu1::genererBouton() {}
void Tmenu1::choisirImagesItems() {}
void Tmenu1::remplirItems() {}
void Tmenu1::afficherFamilles() {}

}  // namespace design
