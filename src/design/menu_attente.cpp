// Routines of the menu editor whose behaviour comes with later work: the renderer of the menu's
// button and bullet images. Each is called in its place and
// does nothing until then (docs/ARCHITECTURE.md lists them).

#include "design/menu.h"

namespace design {

void Tmenu1::genererBouton() {}
void Tmenu1::choisirImagesItems() {}

}  // namespace design
