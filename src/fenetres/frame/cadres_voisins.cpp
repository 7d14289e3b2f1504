#include "fenetres/frame/cadres_voisins.h"

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/menu.h"
#include "fenetres/infopages/accueil.h"
#include "fenetres/infopages/cvente.h"
#include "platform/text.h"

namespace frame {

void rechargerAccueil(app::Programme& programme) {
  programme.accueil1().ouvre();
  programme.accueil1().elements();
}

void rechargerConditions(app::Programme& programme) { programme.cvente1().ouvre(); }

FamillesMenu famillesMenu(app::Programme& programme) {
  const design::Tmenu1& menu = programme.menu1();
  FamillesMenu f;
  f.titres = menu.options.famille_titre == "0";
  f.familles = menu.familles.items();
  for (int p = 0; p < menu.familles.count(); ++p) f.numeros.push_back(menu.familleDuTitre(p));
  f.categories = menu.categoriesFamille;
  return f;
}

int familleALaPosition(const std::vector<int>& numeros, int position) {
  if (position < 0 || position >= static_cast<int>(numeros.size())) return 0;
  const int n = numeros[static_cast<size_t>(position)];
  return n >= 0 && n <= 3 ? n : 0;
}

}  // namespace frame
