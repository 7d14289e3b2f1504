#pragma once
// The card refresh's page work: finding one product's card between the markers the page writer
// left around it, and putting a fresh card in its place.

#include <optional>
#include <string>

#include "platform/lines.h"

namespace pages {

// Where a product's card lies in a list page: its DEBUT and FIN marker lines, and the first- and
// last-card flags they carry (the "*Y" form).
struct MarqueursCarte {
  size_t debut = 0, fin = 0;
  bool premiere = false, derniere = false;
};

// The last DEBUT and the last FIN line of the reference, compared whole and trimmed; nullopt when
// either is missing or they are out of order (a damaged page is never rewritten).
std::optional<MarqueursCarte> trouverMarqueurs(const platform::LineList& page,
                                               const std::string& reference);

// The page with the lines strictly between the markers replaced by the card; a card that had no
// lines stays without one. Every other line is kept as it was.
platform::LineList remplacerCarte(const platform::LineList& page, const MarqueursCarte& m,
                                  const platform::LineList& carte);

}  // namespace pages
