#pragma once
// The menu options: how the generated shop draws its left menu and its top frame. Kept in
// menu.opt (or a .mnl model of the same content), read by name=value lookup, written whole in
// the order of the key table. The style of the left menu's home entry is kept beside it in
// menuG.inf.

#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "modele/design/coins.h"
#include "platform/lines.h"

namespace design {

inline constexpr int kFamillesMenu = 4;
// Category positions per family that the indexed keys cover; fixed from the start, so that a
// load or a save made before the editor is first shown keeps every category's image settings.
inline constexpr int kCategoriesParFamille = 30;
inline constexpr int derniereCategorieMenu = kCategoriesParFamille - 1;

using ParFamille = std::array<std::string, kFamillesMenu>;
using ParCategorie = std::array<std::array<std::string, kCategoriesParFamille>, kFamillesMenu>;

// One text per key of menu.opt, named after it; empty means not set. Nothing is validated.
struct TOptionsMenu {
  std::string famille_titre;
  ParFamille fam;  // fam0 to fam3: family number shown at each menu position

  std::string coul_items, fond_items, police_items, gras_items, italique_items, souligne_items,
      taille_items, aligne_items;
  std::string coul_menu_titres, fond_menu_titres, police_menu_titres, gras_menu_titres,
      italique_menu_titres, souligne_menu_titres, taille_menu_titres, aligne_menu_titres;
  std::string coul_over_items, over, fond_over, police_over, gras_over, italique_over,
      souligne_over, taille_over;
  std::string encadrement_menu, coul_menu_trait, largeur_menu, hauteur_top, liste_deroulante,
      liste_dynamique;
  std::string image_menu, fond_couleur_menu, fixe_menu, menu_centre, top_centre, image_top,
      fond_couleur_top, fixe_top;
  std::string colle_cv, coul_cv, fond_cv, police_cv, gras_cv, italique_cv, souligne_cv, taille_cv,
      aligne_cv, encadrement_cv, coul_trait_cv, over_cv, fond_over_cv, police_over_cv,
      gras_over_cv, italique_over_cv, souligne_over_cv, taille_over_cv;
  std::string recherche_top, recherche_texte, coul_recherche, fond_recherche, police_recherche,
      gras_recherche, italique_recherche, souligne_recherche, taille_recherche,
      encadrement_recherche, coul_trait_recherche;
  std::string coul_menu_listes, fond_menu_listes, tirets_listes;
  std::string menuHTM, topHTM, image_transparent, logo_top;
  std::string coul_logo, fond_logo, police_logo, gras_logo, italique_logo, souligne_logo,
      taille_logo, aligne_logo, encadrement_logo, coul_logo_trait, logo_texte, logo_texte_voir,
      logo_image, bouton1_logo, longueur_logo, hauteur_logo, x1_logo, y1_logo, puce1_logo,
      longueurp_logo, hauteurp_logo;

  // The seven links of the top frame.
  std::string delais_texte, delais_texte_voir, delais_image, bouton1_delais, longueur_delais,
      hauteur_delais, x1_delais, y1_delais, bouton2_delais, x2_delais, y2_delais, puce_delais,
      longueurp_delais, hauteurp_delais;
  std::string accueil_texte, accueil_texte_voir, accueil_image, bouton1_accueil, longueur_accueil,
      hauteur_accueil, x1_accueil, y1_accueil, bouton2_accueil, x2_accueil, y2_accueil,
      puce_accueil, longueurp_accueil, hauteurp_accueil;
  std::string conditions_texte, conditions_texte_voir, conditions_image, bouton1_conditions,
      longueur_conditions, hauteur_conditions, x1_conditions, y1_conditions, bouton2_conditions,
      x2_conditions, y2_conditions, puce_conditions, longueurp_conditions, hauteurp_conditions;
  std::string securite_texte, securite_texte_voir, securite_image, bouton1_securite,
      longueur_securite, hauteur_securite, x1_securite, y1_securite, bouton2_securite,
      x2_securite, y2_securite, puce_securite, longueurp_securite, hauteurp_securite;
  std::string ecrire_texte, ecrire_texte_voir, ecrire_image, bouton1_ecrire, longueur_ecrire,
      hauteur_ecrire, x1_ecrire, y1_ecrire, bouton2_ecrire, x2_ecrire, y2_ecrire, puce_ecrire,
      longueurp_ecrire, hauteurp_ecrire;
  std::string panier_texte, panier_texte_voir, panier_image, bouton1_panier, longueur_panier,
      hauteur_panier, x1_panier, y1_panier, bouton2_panier, x2_panier, y2_panier, puce_panier,
      longueurp_panier, hauteurp_panier;
  std::string emploi_texte, emploi_texte_voir, emploi_image, bouton1_emploi, longueur_emploi,
      hauteur_emploi, x1_emploi, y1_emploi, bouton2_emploi, x2_emploi, y2_emploi, puce_emploi,
      longueurp_emploi, hauteurp_emploi;

  std::string adresse_top, adresse_top_color, date_top, date_top_color, angle, angle_color,
      bandeau_top, delais_top, conditions_top, az_top, ecrire_top, secur_top, emploi_top;
  std::string coul_bandeau, fond_bandeau, police_bandeau, gras_bandeau, italique_bandeau,
      souligne_bandeau, taille_bandeau, aligne_bandeau, encadrement_bandeau, coul_bandeau_trait,
      bandeau_texte, bandeau_texte_voir, bandeau_image, bouton1_bandeau, longueur_bandeau,
      largeur_bandeau, largeur_cv, hauteur_bandeau, x1_bandeau, y1_bandeau, puce1_bandeau,
      longueurp_bandeau, hauteurp_bandeau;
  std::string hauteur_frame, largeur_frame;
  std::string accueil_menu;

  // Image settings of each family's title and "Bas" element, by family position.
  ParFamille image_menu_texte, image_menu_titre, bouton1_menu_titre, longueur_menu_titre,
      hauteur_menu_titre, x1_menu_titre, y1_menu_titre, puce1_menu_titre, longueurp_menu_titre,
      hauteurp_menu_titre, image_menu_bas, bouton1_menu_bas, longueur_menu_bas, hauteur_menu_bas;
  // Image settings of each category, by family position then category position.
  ParCategorie image_texte_catego, image_menu_catego, bouton1_menu_catego, longueur_menu_catego,
      hauteur_menu_catego, x1_menu_catego, y1_menu_catego, bouton2_menu_catego, x2_menu_catego,
      y2_menu_catego, puce1_menu_catego, longueurp_menu_catego, hauteurp_menu_catego,
      puce2_menu_catego;

  bool operator==(const TOptionsMenu&) const = default;
};

// What a load puts in place of a key before reading the file.
enum class DefautMenu {
  Texte,         // the literal of the row (may be empty)
  TexteSection,  // the literal, but emptied whenever a file is read
  PoliceDefaut,  // the program option police_defaut
  ImagePage,     // the main settings' image_page
  FixePage,      // the main settings' fixe_page
  Garde,         // no default: the value carries over from earlier loads
};

// A line of the file. The writer takes hauteur_frame, largeur_frame and accueil_menu from the
// editor (SaisiesMenu), every other key from its field.
struct CleMenu {
  const char* cle;
  std::string TOptionsMenu::*champ;
  DefautMenu sorte;
  const char* defaut;
};
// Every single-valued line in the order of the file: famille_titre, the 236 fixed lines (the
// seven x1_<section> keys twice), hauteur_frame, largeur_frame, accueil_menu. The family order
// lines go right after famille_titre.
std::span<const CleMenu> clesMenu();

struct CleParFamille {
  const char* racine;  // the key is racine + n
  ParFamille TOptionsMenu::*champ;
};
struct CleParCategorie {
  const char* racine;  // the key is racine + f + "-" + i
  ParCategorie TOptionsMenu::*champ;
};
std::span<const CleParFamille> clesParFamille();
std::span<const CleParCategorie> clesParCategorie();

// The field of a key of the file ("coul_items", "image_menu_catego1-3"); nullptr for a key the
// file does not hold or a position out of range.
std::string* champMenu(TOptionsMenu& options, std::string_view cle);

// The settings of other stores that some defaults copy.
struct DefautsMenu {
  std::string police_defaut;
  std::string image_page;
  std::string fixe_page;
};

// Every key with a default receives it; kept keys and the indexed settings are left alone.
void mettreDefautsMenu(TOptionsMenu& options, const DefautsMenu& defauts);

// The lines of an existing file over the options: the section texts are emptied first; then,
// when there are at least two lines, every key the writer writes (of the family order only fam0
// to fam3) is looked up, key case ignored, first line wins, and a non-empty value replaces the
// field.
void lireMenu(TOptionsMenu& options, const platform::LineList& lignes);

// Defaults, then the file when it exists, then a background colour wins over a background image
// (for the menu and for the top). Throws platform::FileError when the file exists but cannot be
// read (the defaults are in place then).
void chargerOptionsMenu(TOptionsMenu& options, const std::filesystem::path& fichier,
                        const DefautsMenu& defauts);

// What the writer takes from the editor's controls rather than from the options.
struct SaisiesMenu {
  std::vector<std::string> famille_order;  // one fam<k> line each, in order
  std::string hauteur_frame;
  std::string largeur_frame;
  bool accueil = false;
};

// The whole file: the lines of clesMenu with the family order after famille_titre, then the
// indexed settings that are not empty, family by family.
platform::LineList lignesMenu(const TOptionsMenu& options, const SaisiesMenu& saisies);

// A framed element of the menu or the top, whose corner tiles the save draws.
struct CadreMenu {
  std::string nom;  // nomCadre of the files
  std::string typeCadre;
  std::string couleurFondHaut, couleurFond, couleurTrait;
};
// menu, logo, bandeau, cv in this order, leaving out the transparent ones.
std::vector<CadreMenu> cadresMenu(const TOptionsMenu& options);
// Draws and writes the corner tiles of cadresMenu in the folder. Throws platform::FileError.
void sauverCoinsMenu(const TOptionsMenu& options, char sepurl, const std::filesystem::path& dossier);

// The style of the left menu's home entry (menuG.inf).
struct TStyleAccueilMenu {
  std::string texteAMG, souligneAMG, grasAMG, italiqueAMG, couleurAMG, tailleAMG, centreAMG,
      aligneAMG, policeAMG;
  bool operator==(const TStyleAccueilMenu&) const = default;
};

struct CleAccueilMenu {
  const char* cle;
  std::string TStyleAccueilMenu::*champ;
};
// The nine keys in the order of menuG.inf.
std::span<const CleAccueilMenu> clesAccueilMenu();

// Defaults (couleurAMG and policeAMG copy the given settings), then menuG.inf when it exists,
// by the same lookup as menu.opt, whatever its number of lines. Throws platform::FileError when
// the file exists but cannot be read.
void chargerStyleAccueilMenu(TStyleAccueilMenu& style, const std::filesystem::path& fichier,
                             std::string_view couleur_liens, std::string_view police_defaut);

// The lines of menuG.inf: nine, or eight without aligneAMG when it is empty (neither "Bas" nor
// "Haut" chosen).
platform::LineList lignesStyleAccueilMenu(const TStyleAccueilMenu& style);

}  // namespace design
