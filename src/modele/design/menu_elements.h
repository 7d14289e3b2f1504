#pragma once
// The elements that the menu editor styles one at a time: their names, the keys of the menu
// options that each style control writes for them, and the small value rules of the editor.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "modele/design/menu_options.h"

namespace design {

using ChampMenu = std::string TOptionsMenu::*;

// A line of the editor's element list and the name the editor compares with.
struct ElementMenu {
  const char* ligne;
  const char* nom;
};
// The sixteen elements in the order of the list.
std::span<const ElementMenu> elementsMenu();
// The element of a line: "Sécurité" is "Securite", "Mode d'emploi" is "emploi"; any other line
// is its own name.
std::string elementDeLigne(std::string_view ligne);

bool commenceParMenu(std::string_view element);  // its first four characters are "Menu"
bool commenceParTop(std::string_view element);   // its first three are "Top"

// A link of the top frame: no look of its own, it is shown and written in the top texts' style.
struct SectionTop {
  const char* nom;
  ChampMenu texte;
  ChampMenu image;
  const char* lien;         // the caption of the link label
  bool lienEmail = false;   // the shop's e-mail address follows the caption
};
// The section of the element, nullptr when it is not one of the seven.
const SectionTop* sectionTop(std::string_view element);

// The keys of a look as a preview shows them; nullptr where the element has none.
struct StyleMenu {
  ChampMenu couleur, fond, police, gras, italique, souligne, taille, aligne;
};
extern const StyleMenu kStyleItems;      // Menu - Catégories
extern const StyleMenu kStyleTitres;     // Menu - Titres
extern const StyleMenu kStyleLogo;
extern const StyleMenu kStyleBandeau;
extern const StyleMenu kStyleCv;         // Top - Textes and the seven sections
extern const StyleMenu kStyleRecherche;

// The style controls of the editor that write into the current element's keys.
enum class ReglageMenu {
  CouleurTexte,  // titre1
  Fond,          // titre2
  Trait,         // speed_trait
  Gras,          // titre4
  Italique,      // titre5
  Souligne,      // titre6
  Alignement,
  Police,
  Taille,
  Encadrement,
  Texte,     // top_texte
  RollOver,  // Rover
};
// The keys the control writes for the element, in order; none when the element is not in its
// table (the control then changes nothing).
std::vector<ChampMenu> clesReglage(ReglageMenu reglage, std::string_view element);

// The values of the radio items of `alignement` and `encadrement`; -1 for another value.
inline constexpr const char* kAlignementsMenu[] = {"left", "center", "right"};
inline constexpr const char* kEncadrementsMenu[] = {"carre", "rond", "transparent", "aucun"};
int rangAlignement(std::string_view valeur);
int rangEncadrement(std::string_view valeur);
// The item of the image kind: "" "Aucune", "bouton" "Bouton", "puce" "Puce"; -1 otherwise.
int rangImage(std::string_view sorte);

// The web fonts of the font list, in the list's order.
inline constexpr const char* kPolicesWeb[] = {"Arial", "Times", "Verdana", "Sans Sérif"};
// The font a preview shows for a stored name: the web names by the desktop font they stand for.
std::string policeAffichee(std::string_view police);

// The bold, italic and underline buttons: "oui" when the key held "non", "non" otherwise.
std::string basculer(std::string_view valeur);

// The separator count typed in "Pointillés": the new tirets_listes (none: it stays) and whether
// the input error is told.
struct SaisieTirets {
  std::optional<std::string> valeur;
  bool erreur = false;
};
SaisieTirets lireTirets(std::string_view texte);

}  // namespace design
