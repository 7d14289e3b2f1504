// The quick-choice list step of the site frame generator: gathers what it reads of the windows
// and runs modele/frame/liste_rapide.h.

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/frame/voir_menu.h"
#include "modele/frame/liste_rapide.h"

namespace frame {

void Tvoir_menu1::faire_liste_rapide(ValeursCadres& v) {
  app::Tmain& main = p_.main();
  EntreesListeRapide e;
  e.frames = frames();
  e.sepurl = main.options.options.separateur();
  e.police_defaut = main.options.options.police_defaut;
  e.couleur_cat = p_.styleP().couleur_cat;
  main.cibleCourante = faireListeRapide(e, p_.donnees());
  if (!frames()) v.cibleLiens = main.cibleCourante;
}

}  // namespace frame
