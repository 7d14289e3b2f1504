// The table card layout comes with later work; until then it writes nothing.

#include "pages/vignette.h"

namespace pages {

void EcrivainCartes::vignetteTableau() {}

}  // namespace pages
