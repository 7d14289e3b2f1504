// The side files of the sheet on the "Supplément" tab: the supplements and different-prices
// dialogs, and the sizes at one price.

#include "fenetres/app/fiche.h"

#include "fenetres/app/fenetre_prix_differents.h"
#include "fenetres/app/fenetre_supplements.h"
#include "fenetres/app/programme.h"
#include "modele/app/annexes_fiche.h"
#include "platform/text.h"

namespace app {

namespace {
const char* const kReferenceInexistante = "Opération impossible, référence inexistante";
}  // namespace

void Tmain::lierAnnexes() {
  newprodB.onClick = [this] { newprodBClick(); };
  newC.onClick = [this] { newCClick(); };
  suppB.onClick = [this] { suppBClick(); };
  diffB.onClick = [this] { diffBClick(); };
  BitBtn17.onClick = [this] { BitBtn17Click(); };
  BitBtn19.onClick = [this] { BitBtn19Click(); };
  BitBtn20.onClick = [this] { BitBtn20Click(); };
  mes_taillesC.onClick = [this] { mes_taillesCClick(); };
}

void Tmain::suppBClick() {
  referencer.setText(platform::trim(referencer.text()));
  if (referencer.text().empty())
    dialogs().showMessage(kReferenceInexistante);
  else
    p_.supp().show();
}

void Tmain::diffBClick() {
  referencer.setText(platform::trim(referencer.text()));
  if (referencer.text().empty())
    dialogs().showMessage(kReferenceInexistante);
  else
    p_.prixdiff().show();
}

void Tmain::BitBtn17Click() {
  PageControl1.setActivePage(titres_pres);
  taillesM.setFocus();
}

void Tmain::mes_taillesCClick() {
  if (gardeMesTailles || !mes_taillesC.checked()) return;
  BitBtn17Click();
}

void Tmain::BitBtn20Click() {
  // The sheet reader looks the file up by the trimmed reference: so is it written.
  const std::string reference = platform::trim(referencer.text());
  if (reference.empty()) {
    dialogs().showMessage(kReferenceInexistante);
    return;
  }
  if (taillesM.lines().empty()) return;
  sauverTaillesFiche(p_.donnees(), reference, taillesM.lines());
  mes_taillesC.setChecked(true);
  PageControl1.setActivePage(fiche_produit);
}

void Tmain::BitBtn19Click() {
  taillesM.clear();
  mes_taillesC.setChecked(false);
}

}  // namespace app
