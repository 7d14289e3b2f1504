// The left-menu stages of the site frame generator: each gathers what it reads of the windows
// and runs its part of the model (modele/frame/menu_gauche.h, menu_statique.h, menu_fichiers.h).

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/fenetre_menu_gauche.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/frame/cadres_voisins.h"
#include "fenetres/frame/voir_menu.h"
#include "modele/frame/menu_fichiers.h"
#include "modele/frame/menu_gauche.h"
#include "modele/frame/menu_statique.h"

namespace frame {

namespace {

EntreesMenuGauche entreesMenuGauche(app::Programme& p, const ValeursCadres& v) {
  const app::TOptionsProgramme& o = p.main().options.options;
  const design::TstyleP& style = p.styleP();
  EntreesMenuGauche e;
  e.menu = p.menu1().options;
  e.accueil = p.menuG().styleAccueil;
  e.frames = p.main().options.frames == "oui";
  e.cibleLiens = v.cibleLiens;
  e.largeurMenuInterieure = v.largeurMenuInterieure;
  e.lienAccueil = v.lienAccueil;
  e.styleItems = v.styleItems;
  e.styleItemsSurvol = v.styleItemsSurvol;
  e.image_fond_menu = o.image_fond_menu;
  e.titre_deroulant = o.titre_deroulant;
  e.mot_recherche = o.mot_recherche;
  e.menu_titre = o.menu_titre;
  e.coul_scroll = o.coul_scroll;
  e.esp_M = o.espacement(&app::TOptionsProgramme::esp_M);
  e.image_page = style.image_page;
  e.moteur_recherche = style.moteur_recherche;
  e.url_moteur_recherche = style.url_moteur_recherche;
  e.articles = style.articles.text();
  e.listeP = style.listeP.text();
  e.themesP = style.themesP.text();
  e.pubMC = p.main().pubMC.checked();
  return e;
}

}  // namespace

void Tvoir_menu1::debut_menu_gauche(ValeursCadres& v) {
  v.entreesMenu = entreesMenuGauche(p_, v);
  v.entreesMenu.familles = famillesMenu(p_).familles;
  debutMenuGauche(v.entreesMenu, p_.donnees(), v.menuGauche);
}

void Tvoir_menu1::faire_menu_statique(ValeursCadres& v) {
  EntreesMenuGauche& e = v.entreesMenu;
  e.blocs.clear();
  const int blocs = nombreBlocsMenu(v.famille_titre, e.familles.size());
  for (int i = 0; i < blocs; ++i) {
    positionFamilleMenu = i;
    lister_categories_famille(v);
    std::vector<CategorieMenu>& bloc = e.blocs.emplace_back();
    // Looked up afresh for each category: one without a theme page gets no link, never the
    // page of the category before it.
    for (const std::string& nom : fitems.items()) bloc.push_back({nom, premierePage(nom)});
  }
  e.familleTitreListe = v.famille_titre;
  menuStatique(e, p_.donnees(), v.menuGauche);
}

void Tvoir_menu1::faire_selection_menu(ValeursCadres& v) {
  selectionMenu(v.entreesMenu, p_.donnees(), v.menuGauche);
}

void Tvoir_menu1::faire_fichiers_menu(ValeursCadres& v) {
  fichiersMenu(v.entreesMenu, p_.donnees(), v.menuGauche);
}

}  // namespace frame
