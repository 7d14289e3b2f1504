#include "frame/cadres_voisins.h"

#include "app/categories_fichiers.h"
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
  // The menu editor's family lists are not built yet: they are made here from what they are
  // made of, the menu options and the categories' family files.
  const design::TOptionsMenu& options = programme.menu1().options;
  const std::vector<std::string>& titres = programme.main().famille.items();
  const platform::DataFolder& donnees = programme.donnees();
  FamillesMenu f;
  f.titres = options.famille_titre == "0";
  for (const std::string& categorie : app::chargerListeCategories(donnees)) {
    if (categorie.empty()) continue;
    if (auto famille = app::chargerFamilleCategorie(donnees, categorie))
      f.categories[static_cast<size_t>(*famille)].push_back(categorie);
  }
  // One title per family that has categories, in family order, then the menu's own order.
  for (size_t n = 0; n < f.categories.size(); ++n)
    if (!f.categories[n].empty() && n < titres.size()) f.familles.push_back(titres[n]);
  if (!options.fam[0].empty()) {
    for (size_t p = 0; p < f.familles.size() && p < options.fam.size(); ++p) {
      if (options.fam[p].empty()) break;
      auto n = platform::toInteger(options.fam[p]);
      if (n && *n >= 0 && *n <= 3 && static_cast<size_t>(*n) < titres.size())
        f.familles[p] = titres[static_cast<size_t>(*n)];
    }
  }
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
