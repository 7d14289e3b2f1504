#pragma once
// The left menu of the generated shop, in stages of the frame generator's left-menu step: the
// head (logo box, quick list, new products, home entry), the static category menu, the
// selection form and what follows it, then the style sheet, script and menu files. The generator
// window gathers the inputs once per step; each stage appends to the lists of EtatMenuGauche.

#include <string>
#include <vector>

#include "modele/design/menu_options.h"
#include "platform/files.h"
#include "platform/lines.h"

namespace frame {

// A category of a menu block and the first page of its themes ("" when it has none).
struct CategorieMenu {
  std::string nom;
  std::string page;
};

struct EntreesMenuGauche {
  design::TOptionsMenu menu;          // as loaded (liste_dynamique included)
  design::TStyleAccueilMenu accueil;  // menuG.inf
  bool frames = false;                // the frameset layout
  std::string cibleLiens;             // target of the links
  std::string largeurMenuInterieure;  // width of the inner cells
  std::string lienAccueil;            // the home page
  std::string styleItems, styleItemsSurvol;
  // Program options.
  std::string image_fond_menu, titre_deroulant, mot_recherche, menu_titre, coul_scroll, esp_M;
  // Main settings; articles, listeP and themesP as their edits stand.
  std::string image_page, moteur_recherche, url_moteur_recherche;
  std::string articles, listeP, themesP;
  bool pubMC = false;  // the advertising block Pub#2 goes into the menu
  // The menu editor's family titles, in menu order.
  std::vector<std::string> familles;
  // For the static menu: each block's categories as the family listing gives them, and the
  // famille_titre that listing sets ("0" with family titles, "1" without).
  std::vector<std::vector<CategorieMenu>> blocs;
  std::string familleTitreListe;
};

// The lists of the step and what one stage leaves for the next.
struct EtatMenuGauche {
  platform::LineList corps;  // the menu body: menu.htm, and the body of menu2.htm
  platform::LineList fin;    // the menu end: menu_fin.txt
  platform::LineList page;   // ftp/menu2.htm
  std::string entreeAccueilMenu;
  std::string positionNouveautes, imageNouveautes, lienNouveautes;
};

// Blocks of the static menu: none without family lines; one when famille_titre is "1"; else one
// per family line, four at most.
int nombreBlocsMenu(const std::string& famille_titre, size_t familles);

// The stages of this unit; the category menu (menu_statique.h, or the drop-down menu) comes
// between them and the files (menu_fichiers.h). They copy the images they name into ftp/; a file
// error goes on to the caller.
// Clears the lists; "<CENTER>", the logo box, the quick list, the new products and the home entry
// at the top, the opening of the background table.
void debutMenuGauche(const EntreesMenuGauche& e, const platform::DataFolder& donnees,
                     EtatMenuGauche& m);
// Clears the menu end; the closing of the background table, the selection form, the home entry at
// the bottom, the category bar for browsers without scripts, the advertising block.
void selectionMenu(const EntreesMenuGauche& e, const platform::DataFolder& donnees,
                   EtatMenuGauche& m);

// The home page the menu links to: "accueil2.htm", or "accueil.htm" when the shop's own home page
// is used (accueilHTM "oui"); "index.htm" in the single-page layout.
std::string lienAccueil(bool frames, const std::string& accueilHTM);

// The search list of the left menu or the top frame, from its opening to its last page entry:
// the title, the themes page of the article list, then the first letter pages of the article
// (A) and author (L) lists that exist in ftp/, unless az_top is "non". The list opens the
// chosen page in the window named cible.
platform::LineList listeRecherche(const design::TOptionsMenu& o, const std::string& cible,
                                 const std::string& A, const std::string& L,
                                 const std::string& themesP, const platform::DataFolder& donnees);
// Its keyword search entry; the single-page layout tells the search page so.
std::string optionMoteur(bool frames, const std::string& url, const std::string& mot);

// The new-products image link.
std::string lienNouveautes(const EntreesMenuGauche& e, const EtatMenuGauche& m);

}  // namespace frame
