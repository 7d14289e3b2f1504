#pragma once
// What the site frame generator reads of windows whose own work is not built yet. Each entry
// keeps the generator's call in its place; it reads the real control or routine once it exists.

#include <array>
#include <string>
#include <vector>

namespace app {
class Programme;
}

namespace frame {

// Taccueil1.ouvre then Taccueil1.elements: the home-page settings into their editor.
void rechargerAccueil(app::Programme& programme);
// Tcvente1.ouvre: the conditions-of-sale settings into their editor.
void rechargerConditions(app::Programme& programme);

// The menu editor's family lists: the box "Insérer Titres Famille" (famille_titre "0"), the
// family titles in menu order with the family number of each, and the categories of families 0
// to 3 in the order of `categories`.
struct FamillesMenu {
  bool titres = false;
  std::vector<std::string> familles;
  std::vector<int> numeros;  // the family of each title
  std::array<std::vector<std::string>, 4> categories;
};
FamillesMenu famillesMenu(app::Programme& programme);

// The family (0 to 3) of the menu's title at position; 0 when position has no title. Two
// families of the same name stay two families.
int familleALaPosition(const std::vector<int>& numeros, int position);

}  // namespace frame
