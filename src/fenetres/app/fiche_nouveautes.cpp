// The new-product lists on the sheet tab: the button that adds the sheet shown to a list or
// takes it out, and the drop-down list of the named lists.

#include "fenetres/app/fiche.h"

#include "fenetres/app/programme.h"
#include "modele/app/nouveautes.h"
#include "platform/text.h"

namespace app {

void Tmain::preparerNouveautes() {
  newprodB.hide();
  newC.hide();
  EtatNouveautes etat = app::preparerNouveautes(p_.donnees(), fiche.reference);
  if (etat.listes) {
    newC.setItems(std::move(etat.noms));
    newC.setItemIndex(etat.choix);
    newC.show();
  }
  if (etat.bouton) {
    newprodB.setCaption(etat.legende);
    newprodB.show();
  }
}

void Tmain::newprodBClick() {
  fiche.reference = platform::trim(fiche.reference);
  EntreesNouveaute e{fiche.reference, !fiche.image.empty(),
                     newC.itemIndex() >= 0 ? newC.selected() : std::string()};
  for (const std::string& message : basculerNouveaute(p_.donnees(), e))
    dialogs().showMessage(message);
  // The caption tells what the next click does.
  if (newC.visible())
    newCClick();
  else
    newprodB.setCaption(legendeNouveaute(p_.donnees(), "", fiche.reference));
}

void Tmain::newCClick() {
  if (newC.itemIndex() < 0) return;
  newprodB.setCaption(legendeNouveaute(p_.donnees(), newC.selected(), fiche.reference));
}

}  // namespace app
