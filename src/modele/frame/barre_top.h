#pragma once
// The navigation bar of the top frame page: home, the quick-choice list, the
// search list, delivery times, security, cart, conditions of sale, write to us
// and help, each a text link, a bulleted text link or a button image. Appended
// to the page in its centre cell.

#include <string>

#include "modele/frame/page_top.h"

namespace frame {

// Appends the bar and copies into ftp/ the images it names.
void barreTop(const EntreesTop& e, const platform::DataFolder& donnees, platform::LineList& page);

// Where a link of the bar leads ("accueil", "delais", "securite", "panier",
// "conditions", "ecrire", "emploi").
std::string lienBarre(const EntreesTop& e, const std::string& nom);

}  // namespace frame
