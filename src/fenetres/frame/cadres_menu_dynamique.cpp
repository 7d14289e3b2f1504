// The drop-down menu's style as the frame generator and the style dialog read it, and the
// drop-down menu step, which gathers the families and categories for the model.

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/fenetre_style_menu_dynamique.h"
#include "fenetres/design/menu.h"
#include "fenetres/frame/voir_menu.h"
#include "modele/app/categories_fichiers.h"
#include "modele/design/menu_dynamique.h"
#include "modele/frame/menu_dynamique_page.h"

namespace frame {

// The record lives with its dialog; the menu options must be loaded already.
void Tvoir_menu1::ouvre_menudyn() {
  design::chargerMenuDynamique(p_.styleMDyn().style, p_.chemin("menudyn.inf"), p_.menu1().options,
                               p_.main().options.options.marges_mg);
}

void Tvoir_menu1::faire_menu_dynamique(ValeursCadres& v) {
  ouvre_menudyn();
  EntreesMenuDynamique e;
  e.style = p_.styleMDyn().style;
  e.menu = p_.menu1().options;
  e.familles = v.entreesMenu.familles;
  for (const std::string& titre : e.familles) e.famillesScript.push_back(enleve_guillemets(titre));
  e.sepurl = p_.main().options.options.separateur();
  const size_t blocs = e.familles.empty() ? 0 : v.famille_titre == "1" ? 1 : e.familles.size();
  for (size_t n = 0; n < blocs; ++n) {
    positionFamilleMenu = static_cast<int>(n);
    BlocDynamique& bloc = e.blocs.emplace_back();
    bloc.titre = v.famille_titre == "0";
    lister_categories_famille(v);
    // Looked up afresh for each category: one without a theme page gets no link, never the
    // page of the category before it.
    for (const std::string& nom : fitems.items()) {
      CategorieDynamique& c = bloc.categories.emplace_back();
      c.nom = nom;
      c.page = premierePage(nom);
      c.themes = app::chargerThemesCategorie(p_.donnees(), nom).value_or(app::TThemesCategorie{});
    }
  }
  const std::string classe = menuDynamique(e, p_.donnees(), v.menuGauche.corps);
  if (!classe.empty()) p_.main().styleTitreCategorie = classe;
}

}  // namespace frame
