#pragma once
// The list header written above the first card of a list page (found count, sub-category count,
// pager over the pages of the category) and the footer below the last card, with the list-page
// options articles.ini they follow.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/lines.h"

namespace pages {

// articles.ini: one text per key; check boxes are "oui" or empty.
struct TOptionsArticles {
  std::string phrase_articles, police_articles, couleur_articles, taille_articles, gras_articles;
  std::string phrase_pages, police_pages, taille_pages, gras_pages;
  std::string rubriquesC, flecheE;
  std::string phrase_rubriques, police_rubriques, couleur_rubriques, taille_rubriques,
      gras_rubriques;
  std::string haligne, baligne, retour;

  bool operator==(const TOptionsArticles&) const = default;
};

struct CleArticles {
  const char* cle;
  std::string TOptionsArticles::*champ;
};
// The 19 keys in the order of the file.
std::span<const CleArticles> clesOptionsArticles();

// The values shown when the file is missing; the fonts are the program's default font, the arrow
// "flecha.gif" only when puces/flecha.gif exists.
TOptionsArticles defautsOptionsArticles(const platform::DataFolder& dossier,
                                        std::string_view police_defaut);
// The file's values: each key by a name lookup (case ignored), a missing key giving "".
TOptionsArticles lireOptionsArticles(const platform::LineList& lignes);
// The file when it exists, else the defaults. Throws platform::FileError when it cannot be read.
TOptionsArticles chargerOptionsArticles(const platform::DataFolder& dossier,
                                        std::string_view police_defaut);

// What the header and the footer are built from.
// The page numbers of one category, each built once for every page of the category: the pager
// of a page is then the linked numbers with its own in the current style.
class PagerCategorie {
 public:
  PagerCategorie(const std::vector<std::string>& pages, const TOptionsArticles& o,
                 const std::string& couleurEtat);
  size_t nombre() const { return pages_.size(); }
  // The numbers followed by a blank each, `page` (if listed) as the current one.
  std::string pour(const std::string& page) const;

 private:
  std::vector<std::string> pages_, courantes_;
  std::string liees_;          // every number linked
  std::vector<size_t> debuts_;  // where each number starts in liees_, and its end
};

struct DonneesListe {
  std::string nombreFiches;                       // nkat.inc value of the category, as read
  std::string nombreThemes;                       // ncto.inc value of the category, as read
  std::optional<std::vector<std::string>> pages;  // lines of <categorie>.fic; nullopt: no file
  std::string page;         // the page being written (pageCourante before its first ".")
  std::string couleurEtat;  // colour of the linked page numbers
  bool apercu = false;      // the list-page options preview: sample counts and pager
  const PagerCategorie* pager = nullptr;  // in place of pages, built once for the category
};

struct LignesListe {
  std::string rubriques;  // the sub-category line, empty when dropped
  std::string trouves;    // the found line
  std::string pages;      // the pages line, empty when dropped
};

// nullopt when the found count is below 2: nothing is written then. The footer has no
// sub-category line.
std::optional<LignesListe> lignesListe(const DonneesListe& donnees, const TOptionsArticles& o,
                                       bool avecRubriques);

// The header's two lines and the footer's one line.
std::vector<std::string> lignesEntete(const LignesListe& l, const TOptionsArticles& o);
// ecart: a 4-pixel row above it (below a table of cards).
std::string lignePied(const LignesListe& l, const TOptionsArticles& o, bool ecart = false);

}  // namespace pages
