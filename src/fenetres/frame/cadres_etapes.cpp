// The offline order form step of the site frame generator: gathers what it reads of the windows
// and writes ftp/boncommande.htm, ftp/go.bat and ftp/autorun.inf. The top frame's steps are in
// page_top_cadres.cpp.

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/frame/catal_index.h"
#include "fenetres/frame/voir_menu.h"
#include "modele/app/montants_fiche.h"
#include "modele/frame/bon_commande.h"
#include "modele/frame/menu_gauche.h"

namespace frame {

void Tvoir_menu1::faire_bon_commande(ValeursCadres&) {
  app::Tmain& main = p_.main();
  if (!main.catalC.checked()) return;
  const app::TOptionsProgramme& o = main.options.options;
  const auto& i = p_.ident().identite;

  EntreesBonCommande e;
  e.catalogue = p_.catal_ini().publiees();
  e.calcul = lireReglagesCalcul(p_.donnees());
  // The form counts such a value as absent and leaves such a line out; the shop hears of them
  // as of any stored price it cannot read.
  if (const auto illisibles = reglagesIllisibles(e.calcul); !illisibles.empty())
    p_.dialogs().showMessage(app::messagePrixIllisibles(illisibles));
  if (const auto taux = tauxIllisibles(e.calcul); !taux.empty())
    p_.dialogs().showMessage(messageTauxIllisibles(taux));
  e.frames = frames();
  e.accueilHTM = main.accueilHTM;
  e.police_defaut = o.police_defaut;
  e.coul_scroll = o.coul_scroll;
  e.secondeDevise = p_.ident().secondeDevise;
  e.dev1 = i.dev1;
  e.dev2 = i.dev2;
  e.taux = i.taux;
  e.nomB = i.nomB;
  e.nomE = i.nomE;
  e.capital = i.capital;
  e.rue = i.rue;
  e.codepostal = i.codepostal;
  e.pays = i.pays;
  e.tel = i.tel;
  e.fax = i.fax;
  e.email = i.email;
  e.siret = i.siret;
  e.ape = i.ape;
  e.boutiqueADR = i.boutiqueADR;
  e.entADR = i.entADR;
  e.capADR = i.capADR;
  e.rueADR = i.rueADR;
  e.cpADR = i.cpADR;
  e.paysADR = i.paysADR;
  e.telADR = i.telADR;
  e.faxADR = i.faxADR;
  e.eADR = i.eADR;
  e.siretADR = i.siretADR;
  e.apeADR = i.apeADR;
  // The header's logo is not otherwise sure to be in ftp/ (the menu may show no logo).
  if (e.catalogue.logo) {
    fichierVersFtp = "logo.gif";
    copie_vers_ftp();
  }
  pageBonCommande(e).save(p_.chemin("ftp/boncommande.htm"));
  lignesGoBat().save(p_.chemin("ftp/go.bat"));
  lignesAutorun().save(p_.chemin("ftp/autorun.inf"));
}

}  // namespace frame
