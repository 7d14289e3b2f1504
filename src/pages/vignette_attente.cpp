// Card routines whose behaviour comes with later work: the table layout, the comment rows table
// and the order block of one orderable line. Until then each writes nothing.

#include "pages/vignette.h"

namespace pages {

void Tvignette1::vignetteTableau() {}
void Tvignette1::vignetteLignes() {}
void Tvignette1::formulaireCommande() {}

}  // namespace pages
