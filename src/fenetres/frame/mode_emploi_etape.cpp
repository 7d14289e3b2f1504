// The help page step of the site frame generator: gathers what it reads of the windows, writes
// ftp/emploi.htm and leaves the home link for the left menu.

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/frame/apercu.h"
#include "fenetres/frame/voir_menu.h"
#include "fenetres/infopages/cvente.h"
#include "modele/frame/menu_gauche.h"
#include "modele/frame/mode_emploi.h"

namespace frame {

void Tvoir_menu1::faire_mode_emploi(ValeursCadres& v) {
  app::Tmain& main = p_.main();
  const app::TOptionsProgramme& o = main.options.options;
  const auto& identite = p_.ident().identite;
  const infopages::TOptionsConditions& cv = p_.cvente1().options;
  v.lienAccueil = lienAccueil(frames(), main.accueilHTM);

  EntreesModeEmploi e;
  e.frames = frames();
  e.police_defaut = o.police_defaut;
  e.coul_scroll = o.coul_scroll;
  e.nomB = identite.nomB;
  e.nomE = identite.nomE;
  e.email = identite.email;
  e.lienAccueil = v.lienAccueil;
  e.cvente_cb = cv.cvente_cb;
  e.cvente_cheque = cv.cvente_cheque;
  e.cvente_mandat = cv.cvente_mandat;
  e.cvente_cr = cv.cvente_cr;
  e.cvente_cc = cv.cvente_cc;
  e.cibleLiens = v.cibleLiens;
  e.pageSecurite = kPageSecurite;
  pageModeEmploi(e).save(p_.chemin("ftp/emploi.htm"));
}

}  // namespace frame
