#include "frame/cadres_voisins.h"

#include "app/programme.h"
#include "design/menu.h"
#include "ui/controls.h"

namespace frame {

// The home-page and conditions editors load nothing yet.
void rechargerAccueil(app::Programme&) {}
void rechargerConditions(app::Programme&) {}

FamillesMenu famillesMenu(app::Programme& programme) {
  // The family lists belong to the menu editor's layout, looked up by their names so that the
  // generator reads them as soon as the editor has them.
  design::Tmenu1& menu = programme.menu1();
  FamillesMenu f;
  if (auto* titres = menu.find<ui::CheckBox>("titres")) f.titres = titres->checked();
  if (auto* familles = menu.find<ui::ItemsControl>("familles")) f.familles = familles->items();
  const char* noms[4] = {"fam1", "fam2", "fam3", "fam4"};
  for (int i = 0; i < 4; ++i)
    if (auto* fam = menu.find<ui::ItemsControl>(noms[i])) f.categories[i] = fam->items();
  return f;
}

int familleALaPosition(const std::vector<std::string>& titresFamilles,
                       const std::vector<std::string>& familles, int position) {
  if (position < 0 || position > 3 || position >= static_cast<int>(familles.size())) return 0;
  int trouvee = 0;
  for (int p = 0; p < 4 && p < static_cast<int>(titresFamilles.size()); ++p)
    if (titresFamilles[p] == familles[position]) trouvee = p;
  return trouvee;
}

}  // namespace frame
