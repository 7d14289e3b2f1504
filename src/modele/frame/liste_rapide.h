#pragma once
// The quick-choice list of the shop's search words: from the keyword base, its display options
// and the product page index, the table ftp/choix_liste.bdd that the server script
// choix_liste.php reads (slug=reference=page), the drop-down list as an HTML fragment for the top
// frame (recherche_base_top.tmp) or the left menu (recherche_base_gauche.tmp), and the same list
// as a script for the drop-down menu (ftp/recherche_base_gauche.js); for a site opened from disc,
// where no server runs the script, ftp/choix_liste.htm shows the same lists.

#include <string>

#include "platform/files.h"
#include "platform/lines.h"

namespace frame {

inline constexpr const char* kFragmentListeTop = "recherche_base_top.tmp";
inline constexpr const char* kFragmentListeGauche = "recherche_base_gauche.tmp";

// What the list reads besides its files.
struct EntreesListeRapide {
  bool frames = false;  // the frameset layout
  char sepurl = '-';
  std::string police_defaut, couleur_cat;
};

// The options as the list uses them (liste_recherche.ini, or the values without the file).
struct OptionsListeRapide {
  std::string titre = "Choix rapide";
  std::string col = "1";
  bool gauche = false;     // placed in the left menu
  bool desactive = false;  // switched off
  std::string police, couleur, taille, centrer, gras;
};
// Keys without regard to case; titre and col as they stand, the others trimmed; the colour
// without its "#", the title's double quotes as blanks.
OptionsListeRapide optionsListeRapide(const platform::LineList* ini, const EntreesListeRapide& e);

struct ListeRapide {
  platform::LineList table;     // ftp/choix_liste.bdd
  platform::LineList fragment;  // the drop-down list, empty without a word
  platform::LineList script;    // the same as document.write lines
  platform::LineList page;      // ftp/choix_liste.htm: what the script shows, for a site on disc
};
// Query values are percent-encoded, visible words HTML-escaped and script strings escaped, so
// that a quote or an ampersand in a word breaks neither the list nor its link; plain words come
// out as they stand.
ListeRapide listeRapide(const platform::LineList& base, const platform::LineList& pages,
                        const OptionsListeRapide& o, const std::string& cible, char sepurl);

// The whole step, when choix_liste.php and recherche_base.bdd are in the data folder; returns the
// target of the list's links ("principal", or "_top" in the single-page layout). A file error
// goes on to the caller.
std::string faireListeRapide(const EntreesListeRapide& e, const platform::DataFolder& donnees);

// When the step does not run: the fragments of an earlier run go, so that no page shows a list
// whose script is not in ftp/.
void oublierListeRapide(const platform::DataFolder& donnees);

}  // namespace frame
