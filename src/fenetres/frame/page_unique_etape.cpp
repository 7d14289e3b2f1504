// The single-page entry step of the site frame generator: gathers what it reads of the windows
// and writes the pages of modele/frame/page_unique.h.

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/style.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/frame/index_cadres.h"
#include "fenetres/frame/voir_menu.h"
#include "modele/app/web.h"
#include "modele/frame/page_unique.h"

namespace frame {

void Tvoir_menu1::faire_index_page_unique(ValeursCadres& v) {
  app::Tmain& main = p_.main();
  const app::TOptionsProgramme& o = main.options.options;
  const design::TOptionsMenu& m = p_.menu1().options;
  design::TstyleP& style = p_.styleP();

  EntreesPageUnique e;
  e.entete = enteteEntree(p_);
  e.commentaireVersion = commentaireVersion(p_);
  // Nothing may run between the request and the call that consumes it.
  main.cadreSansMenu = "oui";
  e.cadre = main.ecrireCadrePage();
  e.largeurColonneMenu = v.largeurColonneMenu;
  e.hauteur_frame = m.hauteur_frame;
  e.fond_couleur_menu = m.fond_couleur_menu;
  e.image_menu = m.image_menu;
  e.menuPropre = m.menuHTM == "oui";
  e.image_page = style.image_page;
  e.esp_M = o.espacement(&app::TOptionsProgramme::esp_M);
  e.esp_P = o.espacement(&app::TOptionsProgramme::esp_P);
  e.accueilHTM = main.accueilHTM;
  e.accueilLf = main.options.accueilLf;
  e.accueilHf = main.options.accueilHf;
  e.menubp_c = style.menubp_c;
  e.copyright = main.copyE.text();
  // The copyright's colour, once needed, stays navy for the rest of the program run.
  if (!e.copyright.empty() && style.couleur_copyr.empty()) style.couleur_copyr = "navy";
  e.couleur_copyr = style.couleur_copyr;
  e.police_defaut = o.police_defaut;
  e.coul_liens = p_.Form1().style.coul_liens;
  e.adresseCredit = app::web::kSite;
  e.pageFiche = main.pageFiche;
  ecrirePagesUniques(e, p_.donnees());
}

}  // namespace frame
