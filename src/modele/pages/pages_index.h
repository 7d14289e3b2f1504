#pragma once
// The index pages of a build: the author index (overview and letter pages, trouverS.txt, the
// letter bar entete_auteurs.js), the object letter pages with entete_objets.js, and the site plan
// themes_<objects label>.html. The caller gathers the labels, settings and the page frame; the
// pages are written into ftp/ of the build's folder.

#include <string>
#include <string_view>
#include <vector>

#include "modele/pages/dossier_construction.h"

namespace pages {

struct EntreesIndex {
  // Labels of the main settings: prefixeAuteurs, prefixeArticles and the themes label.
  std::string auteurs, articles, themes;
  // Program options.
  std::string police, recherche_titre, recherche_liens, recherche_fond, recherche_texte,
      coul_scroll, titrethemes, page_auteurs;
  std::string az_top;  // menu option
  bool cadres = false;  // frameset layout
  // Single-page layout: the main settings' background and the page frame (content cell coloured
  // with recherche_fond).
  std::string fond_page, image_page, fixe_page;
  std::vector<std::string> cadrePage;
  bool barreCategories = false;  // menubp_c is not "non": catego.txt is shown when it exists
  std::string couleurTraitIndex, couleurFondIndex, couleurFondIndex2;
  char sep = '-';

  std::vector<std::string> listeAuteurs;  // sorted; each has its <nomURL(author)>.aut
  std::vector<std::string> listeObjets;   // "<title> <author>#<page>", sorted
  std::vector<std::string> listeCategories;
  std::vector<std::string> indexThemesPages;  // "<n>_<categorie><sep><theme>#<page>"
};

// The script of a frameset layout's page (page: its file name) that puts it back into the
// frameset when it is opened alone: index2.php frames it on the shop's server; from disc, where
// no script runs, the disc's own entry page does (it reads the page from its address's
// "#url_principal=").
std::vector<std::string> scriptReframe(const std::string& page);

// The letter page an entry belongs to: "0-9", "A" to "Z", or "" (none). The first character
// loses its accent first, so that "Émile" is listed under "E".
std::string lettreIndex(std::string_view texte);

// A line "<n>_<categorie><sep><theme>#<target>" of the theme index: the category is the n bytes
// after the first "_" (n read through the price cleaner), the theme what follows the separator.
struct EntreeIndexTheme {
  std::string categorie, theme, cible;
};
bool lireIndexTheme(const std::string& ligne, EntreeIndexTheme& e);

// Nothing when listeAuteurs is empty. Throws platform::FileError.
void ecrirePagesAuteurs(const EntreesIndex& e, DossierConstruction& d);
// The object letter pages (when listeObjets is not empty), then the site plan.
void ecrirePagesObjets(const EntreesIndex& e, DossierConstruction& d);

}  // namespace pages
