// Pages of the build whose writers come with their own work: the author and letter index pages,
// the object letter pages with the site plan, and the new-products pages.
// Each is called in its place and writes nothing until then.

#include "app/fiche.h"
#include "pages/data.h"

namespace pages {

void Tdata1::pagesAuteurs(Construction&) {}
void Tdata1::pagesObjets(Construction&) {}
void Tdata1::pagesNouveautes(Construction&) {}

}  // namespace pages
