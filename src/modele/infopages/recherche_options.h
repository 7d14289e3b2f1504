#pragma once
// The display options of the site's quick-choice list, `TOptionsRecherche` (liste_recherche.ini).

#include <string>

#include "platform/lines.h"

namespace infopages {

inline constexpr const char* kFichierOptionsRecherche = "liste_recherche.ini";

// Yes/no values are "oui" and "non"; police and couleur come from the program and main style.
struct TOptionsRecherche {
  std::string titre = "Choix rapide";
  std::string col = "1";
  std::string menuG = "non";
  std::string desac = "non";
  std::string centrer = "oui";
  std::string gras = "oui";
  std::string police;
  std::string couleur;
  std::string taille = "2";
  bool operator==(const TOptionsRecherche&) const = default;
};

// The nine lines in file order, titre and col trimmed.
platform::LineList lignesOptionsRecherche(const TOptionsRecherche& options);

// Applies the file's lines over the values held (keys without regard to case): titre and col as
// they are; menuG and desac "oui" only on a trimmed "oui"; police, couleur and taille when not
// blank; centrer and gras on "oui" or "non" only.
void lireOptionsRecherche(const platform::LineList& lignes, TOptionsRecherche& options);

}  // namespace infopages
