#pragma once
// The pieces of a catalogue list page that the build's pages share, each read once per build:
// its head, the side list of the theme, the page numbers, the theme list of the category, and the
// page around its cards.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "fenetres/pages/data.h"
#include "platform/text.h"

namespace app {
class Programme;
struct TOptionsProgramme;
}  // namespace app
namespace design {
class TstyleP;
}  // namespace design

namespace pages {

// The key of a category in the theme index: trimmed, lower-cased.
std::string cleCategorie(std::string_view categorie);

// promo_titres.ini with the titles of promo_titres.prx: side-list entries whose text begins
// with a promoted title take their own font.
struct TitresPromo {
  bool charges = false;
  std::string police, gras = "non", size = "1", image, couleur;
  std::unordered_set<std::string> titres;  // lower-cased
  size_t plusLong = 0;
  bool titreVide = false;  // an empty title begins every text

  bool correspond(std::string_view texte) const {
    if (titreVide) return true;
    const std::string bas = platform::lowerAscii(texte);
    for (size_t n = 1; n <= std::min(plusLong, bas.size()); ++n)
      if (titres.count(bas.substr(0, n))) return true;
    return false;
  }
};

struct DerniereFiche {
  std::string categorie, reference, theme;
};

// Everything the list pages of one build share, read once.
class EcrivainPages {
 public:
  EcrivainPages(app::Programme& p, Construction& c);

  using Lignes = std::vector<std::string>;

  Lignes listeLaterale(const DerniereFiche& f);
  // The table layout's page numbers; count of distinct targets in nombre.
  Lignes listeNumeros(const DerniereFiche& f, size_t& nombre);
  Lignes listeThemes(const DerniereFiche& f, size_t& nombre);
  Lignes celluleTitre(const std::string& texte) const;

  // The page of listePages[index]; nomSortie: its name in ftp/ and tmp/, without ".htm".
  Lignes page(size_t index, const DerniereFiche& f, Lignes cartes, bool styleCarteTableau,
              const std::string& referenceCarte, std::string& nomSortie);

 private:
  void chargerTitresPromo();
  const Lignes* lignesNth(const DerniereFiche& f) const;
  const Lignes& liensLateraux(const std::string& cle, const Lignes& nth);
  std::optional<Lignes> lignesFichier(const std::string& nom);
  const std::optional<Lignes>& fichierCache(const std::string& nom);
  std::string titre(size_t index, const DerniereFiche& f);
  void tete(Lignes& page, size_t index, const DerniereFiche& f);
  std::string suivante(size_t index) const {
    const std::string& e = c_.listePages[(index + 1) % c_.listePages.size()];
    return e.substr(0, e.find('.'));
  }
  void copierFtp(const std::string& nom) { p_.data1().copierVersFtp(c_, nom); }

  app::Programme& p_;
  Construction& c_;
  app::TOptionsProgramme& o_;
  design::TstyleP& s_;
  std::string police_, ouvreCouleur_, fermeCouleur_;
  bool cadres_ = false;
  TitresPromo promo_;
  std::unordered_map<std::string, Lignes> liens_;                    // by .nth key
  std::unordered_map<std::string, Lignes> themesCategorie_;          // by category key
  std::unordered_map<std::string, std::optional<Lignes>> fichiers_;  // optional files by name
  std::optional<Lignes> cadrePage_;  // TCadrePage, the same on every page
};

}  // namespace pages
