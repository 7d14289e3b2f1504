// Routines of the main window whose behaviour comes with later work: the repair. Until then it
// does nothing; docs/ARCHITECTURE.md lists it.

#include "app/fiche.h"

namespace app {

void Tmain::Reconstruirelesrfrences1Click() {}

}  // namespace app
