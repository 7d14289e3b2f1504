#include "frame/cadres_voisins.h"

#include "app/fiche.h"
#include "app/programme.h"
#include "design/menu.h"
#include "infopages/accueil.h"
#include "infopages/cvente.h"
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
  f.categories = menu.categoriesFamille;
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
