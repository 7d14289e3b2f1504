#pragma once
// A category's own page background and meta description, kept in tmp/<categorie>.fnd and
// tmp/<categorie>.txt; the catalogue page writer reads them when it builds the category's pages.

#include <string>

#include "platform/files.h"
#include "platform/lines.h"

namespace design {

inline constexpr size_t kDescriptionCategorieMax = 190;  // characters of the description

struct TFondCategorie {
  std::string fond_page;   // "#RRGGBB", empty: none
  std::string image_page;  // a file of fonds/, empty: none
  bool fixe = false;
};

// Keys looked up by name, case ignored, first line bearing the key; values trimmed.
TFondCategorie lireFondCategorie(const platform::LineList& lignes);
// fond_page and image_page only when set, then fixe_page always.
platform::LineList lignesFondCategorie(const TFondCategorie& fond);

}  // namespace design
