// Routines of the main window whose behaviour comes with later work (the sheet reader and save,
// the category lists, the site build, the publication, the repair, the advertising
// and index tabs). Until then each does nothing; docs/ARCHITECTURE.md lists them.

#include "app/fiche.h"

namespace app {

void Tmain::Reconstruirelesrfrences1Click() {}
void Tmain::ouvrirIndex() {}
void Tmain::sauverIndex() {}
void Tmain::ouvrir_pub() {}
void Tmain::sauver_pub() {}

}  // namespace app
