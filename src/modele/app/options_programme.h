#pragma once
// The program options: tarvio.ini with its companions frames.inf, accueilF.inf, etat.txt and
// vignettes\tarvio_add.ini, loaded once at start-up and read by the page writers from memory.

#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/lines.h"

namespace app {

// One text per key of tarvio.ini, named after its key. "oui"/"non" switches, colours, sizes as
// typed: nothing here is validated.
struct TOptionsProgramme {
  std::string titleinv;
  std::string ajouter_js;
  std::string titrethemes;
  std::string accueil_titre;
  std::string menu_titre;
  std::string menuh_titre;
  std::string mot_recherche;
  std::string phrase_fermer;
  std::string accueil_cache;
  std::string sepurl;  // one character, "-" or "_" after start-up
  std::string cartouche_fond;
  std::string cartouche_couleur;
  std::string cartouche_souligne;
  std::string cartouche_taille;
  std::string recherche_fond;
  std::string recherche_titre;
  std::string recherche_liens;
  std::string recherche_texte;
  std::string menu_titres;
  std::string menu_titresR;
  std::string coul_scroll;
  std::string marges_mg;
  std::string refmod;
  std::string page_auteurs;
  std::string suppinv;
  std::string fond_rappel;
  std::string titre_rappel;
  std::string image_rubriques;
  std::string image_fond_menu;
  std::string largeur_tableau;
  std::string menu_tailles;
  std::string menu_taille_T;
  std::string menu_taille_V;
  std::string menu_taille_S;
  std::string police_defaut;
  std::string articles_trouves;
  std::string couleur_liee;
  std::string theme_enpremier;
  std::string taille_liee;
  std::string gras_liee;
  std::string phrase_pc;
  std::string fen_pc_width;
  std::string fen_pc_height;
  std::string espacePds;
  std::string vig_visual;
  std::string vscrollx;
  std::string vscrolly;
  std::string esp_M;
  std::string esp_G;
  std::string esp_P;
  std::string i_ref;
  std::string TOP_distant;
  std::string titre_deroulant;
  std::string ascenseur;
  // Heading of the linked-products pop-up, edited by the options dialog.
  std::string couleur_lieeT;
  std::string taille_lieeT;
  std::string gras_lieeT;

  // The separator nomURL puts in generated names.
  char separateur() const { return sepurl.empty() ? '-' : sepurl[0]; }
  // A spacing (espacePds, esp_M, esp_G, esp_P) as the pages write it: a whole number of pixels,
  // else the option's default. The option itself keeps what the file holds.
  std::string espacement(std::string TOptionsProgramme::*champ) const;
};

// The stock-state link of the order forms (etat.txt, written outside the program).
struct TAffichageEtat {
  std::string phrase = "Dates disponibles";
  std::string police;
  std::string couleur = "navy";
  std::string size = "2";
  std::string gras;
};

// Everything the main window's show reads before the sheet lists are filled.
struct OptionsDemarrage {
  TOptionsProgramme options;
  TAffichageEtat etat;
  std::string frames;     // "oui": frameset layout
  std::string accueilLf;  // size of an imported home page shown without frames
  std::string accueilHf;
};

// The start-up load. Missing files leave their defaults; an existing file that cannot be read
// throws platform::FileError.
OptionsDemarrage chargerOptionsDemarrage(const platform::DataFolder& dossier);

// "oui" when the main settings' order-form script is exactly "pro.php", else empty.
std::string panierPro(std::string_view url_cgi);

// Rewrites tarvio.ini from the options: the lines of the keys the dialog owns are replaced by a
// fixed block at the end, every other line stays where it was. Throws platform::FileError.
void sauverOptionsProgramme(const platform::DataFolder& dossier, const TOptionsProgramme& options);

// The same rewrite on lines in memory (the lines of the existing file, or none).
platform::LineList lignesOptionsProgramme(const platform::LineList& existantes,
                                          const TOptionsProgramme& options);

}  // namespace app
