#pragma once
// The home-page writer: ftp/accueil.css, ftp/accueil2.htm, in the single-page layout
// ftp/accueil_iframe.htm and ftp/skinrech.txt, and ftp/skinrechbas.txt (the skins of the search
// page, read by the server's search script as they are).

#include <functional>
#include <string>
#include <vector>

#include "modele/infopages/accueil_options.h"
#include "modele/infopages/accueil_rubrique.h"
#include "platform/files.h"
#include "platform/lines.h"

namespace infopages {

// The credit link at the foot of the single-page home page.
inline constexpr const char* kSiteTarvio = "https://www.tarvio.fr/";

// A ticked section of the column as the editor loaded it: its settings with the link fixed for
// a built-in section, and its text.
struct RubriquePage {
  std::string nom;
  TRubriqueAccueil reglages;
  platform::LineList texte;
};

// The values the writer reads, gathered by its caller at the moment of the call.
struct EntreesPageAccueil {
  TOptionsAccueil options;         // as just loaded; paccueil_encadrement never "rond"
  platform::LineList texte;        // the introduction text (MemoTexte)
  std::vector<std::string> refs;   // the showcase references (listeref)
  std::vector<std::string> titres; // their titles (listetitres)
  std::string parLigne;            // products per showcase row (ColPT)
  bool listeRubriques = false;     // the section list holds an item, ticked or not
  std::vector<RubriquePage> rubriques;  // the ticked sections, in order
  // Program settings, identity and main style.
  std::string accueil_titre, accueil_cache, coul_scroll, image_rubriques, police_defaut;
  std::string nomB;
  std::string fond_page, image_page, fixe_page;
  std::string couleur_copyr, menubp_c, coul_liens;
  bool frames = true;
  // The advertising fragments and the copyright text.
  platform::LineList accueil_pub, pub1_pub, pub2_pub, pub3_pub;
  std::string copyE;
};

// What a run writes, before the files.
struct PageAccueil {
  platform::LineList page;       // ftp/accueil2.htm
  platform::LineList css;        // ftp/accueil.css
  platform::LineList iframe;     // ftp/accueil_iframe.htm (single-page layout only)
  platform::LineList skinrech;   // ftp/skinrech.txt (single-page layout only)
  platform::LineList skinrechbas;  // ftp/skinrechbas.txt
  // The images the page names: each source in the data folder goes to ftp/<nom>.
  struct Copie {
    std::string source, nom;
  };
  std::vector<Copie> images;
};

// The lines of the page, the style sheet and the skins. cadrePage returns the shared page frame
// (single-page layout only). Reads listeHTM.tmp and the showcase products' side files.
PageAccueil pageAccueil(const EntreesPageAccueil& e, const platform::DataFolder& donnees,
                        const std::function<platform::LineList()>& cadrePage);

// The first part of the page up to the showcase cell closed (both lists get the HEAD).
void debutPageAccueil(const EntreesPageAccueil& e, const platform::DataFolder& donnees,
                      PageAccueil& r);
// The sections column, from the right cell to the end of the outer table.
void colonneRubriques(const EntreesPageAccueil& e, PageAccueil& r);

// pageAccueil, then the files and the images; a second cadrePage call leaves the frame fresh
// (single-page layout). Throws platform::FileError.
void ecrirePageAccueil(const EntreesPageAccueil& e, const platform::DataFolder& donnees,
                       const std::function<platform::LineList()>& cadrePage);

}  // namespace infopages
