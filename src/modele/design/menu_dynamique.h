#pragma once
// The style of the drop-down (dynamic) left menu, kept in menudyn.inf: 62 key=value lines,
// written whole in the order of the key table. Most defaults copy the menu options.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "modele/design/menu_options.h"
#include "platform/lines.h"

namespace design {

// One text per key of menudyn.inf, named after it; nothing is validated.
struct TStyleMenuDynamique {
  std::string Dmenu_espace, Dmenu_taille_trait, Dmenu_trait, Dmenu_fond_over, Dmenu_coul_over,
      Dmenu_souligne, Dmenu_souligne_over, Dmenu_pop_top, Dmenu_pop_left, Dmenu_pop_width,
      Dmenu_pop_trait, Dmenu_pop_coul_trait, Dmenu_pop_taille_trait, Dmenu_pop_fond,
      Dmenu_pop_aligne, Dmenu_pop_police, Dmenu_pop_taille, Dmenu_pop_couleur,
      Dmenu_pop_gras_items, Dmenu_pop_italique_items, Dmenu_pop_souligne_items,
      Dmenu_pop_fond_over, Dmenu_pop_gras_over, Dmenu_pop_italique_over, Dmenu_pop_souligne_over,
      Dmenu_pop_police_over, Dmenu_pop_taille_over, Dmenu_pop_coul_over_items, Dmenu_fleche_inc,
      Dmenu_nonaligne, Dmenu_fleche, Dmenu_flecheH, Dmenu_flecheW, Dmenu_coul_trait, Dmenu_police,
      Dmenu_taille, Dmenu_coul, Dmenu_fond, Dmenu_aligne, Dmenu_police_over, Dmenu_taille_over,
      Dmenu_gras, Dmenu_italique, Dmenu_gras_over, Dmenu_italique_over, Dmenu_titres_encadrement,
      Dmenu_titres_image, Dmenu_titres_puce, Dmenu_puce, Dmenu_titres_fond, Dmenu_titres_aligne,
      Dmenu_titres_gras, Dmenu_titres_italique, Dmenu_titres_souligne, Dmenu_titres_police,
      Dmenu_titres_taille, Dmenu_titres_coul, Dmenu_titres_transparent, Dmenu_fond_transparent,
      Dmenu_pop_fond_transparent, Dmenu_fond_transparent_over, Dmenu_pop_fond_transparent_over;
  bool operator==(const TStyleMenuDynamique&) const = default;
};

// A line of the file and its default: the literal, or the menu option it copies when `option` is
// set. Dmenu_pop_left's default is computed (defautPopLeft).
struct CleMenuDynamique {
  const char* cle;
  std::string TStyleMenuDynamique::*champ;
  const char* defaut;
  std::string TOptionsMenu::*option;
};
// The 62 keys in the order of the file.
std::span<const CleMenuDynamique> clesMenuDynamique();

// largeur_menu - 2 - marges_mg (when set) + 17. Throws platform::IntegerError when either is not
// a whole number.
std::string defautPopLeft(const TOptionsMenu& menu, std::string_view marges_mg);

// Every key takes its default; a "transparent" menu frame makes the titles and categories
// transparent by default.
void mettreDefautsMenuDynamique(TStyleMenuDynamique& style, const TOptionsMenu& menu,
                                std::string_view marges_mg);

// Each key present in the file (key case ignored, first line wins) takes its value, an empty one
// included; a key the file lacks keeps its default rather than becoming empty.
void lireMenuDynamique(TStyleMenuDynamique& style, const platform::LineList& lignes);

// Defaults, then the file when it exists. Throws platform::IntegerError (before anything is set)
// and platform::FileError.
void chargerMenuDynamique(TStyleMenuDynamique& style, const std::filesystem::path& fichier,
                          const TOptionsMenu& menu, std::string_view marges_mg);

// The 62 lines, every key every time.
platform::LineList lignesMenuDynamique(const TStyleMenuDynamique& style);

}  // namespace design
