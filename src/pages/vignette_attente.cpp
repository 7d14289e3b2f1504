// Card routines whose behaviour comes with later work: the table layout, the comment rows table
// and the order block of one orderable line. Until then each writes nothing.

#include "pages/vignette.h"

namespace pages {

void EcrivainCartes::vignetteTableau() {}
void EcrivainCartes::vignetteLignes() {}
void EcrivainCartes::formulaireCommande() {}

}  // namespace pages
