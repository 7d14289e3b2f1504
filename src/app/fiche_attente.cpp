// Routines of the main window whose behaviour comes with later work (the sheet reader and save,
// the category lists, the site build, the publication, the modules, the repair). Until then each
// does nothing; docs/ARCHITECTURE.md lists them.

#include "app/fiche.h"

namespace app {

void Tmain::Reconstruirelesrfrences1Click() {}
void Tmain::versionBClick() {}
void Tmain::modulesBClick() {}
void Tmain::bstockClick() {}
void Tmain::module_OKClick() {}
void Tmain::chargerModules() {}
void Tmain::verifierModules() {}

}  // namespace app
