#pragma once
// The sheets of the catalogue: the *.ref files of the data folder, less the new-product markers
// that share their extension (newprod.ref, and <name>.ref of each named list of the `multi` file)
// and ".ref", which no reference can name. A marker that holds no sheet (no reference) is never a
// sheet. A marker that holds one is the sheet whose page the build turns into the new-products
// page: listed and built, but no product to export or to feed to the comparators. Every listing
// of the sheets goes through here.

#include <string>
#include <vector>

#include "platform/files.h"

namespace app {

enum class Usage {
  catalogue,  // the sheet lists, the index, the build
  produits,   // the exports and feeds: the products only
};

// The sheet file names of the data folder, ordered as platform::listFiles orders them.
std::vector<std::string> fichesCatalogue(const platform::DataFolder& dossier,
                                         Usage usage = Usage::catalogue);
// The same filter on names of the data folder already listed; their order is kept.
std::vector<std::string> sansMarqueurs(const platform::DataFolder& dossier,
                                       std::vector<std::string> noms,
                                       Usage usage = Usage::catalogue);

}  // namespace app
