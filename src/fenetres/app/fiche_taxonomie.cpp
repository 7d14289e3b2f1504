// The main window's catalogue repair, and what the category and theme dialogs ask of it.

#include "fenetres/app/famille.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/app/sablier.h"
#include "fenetres/design/menu.h"
#include "modele/app/renommage.h"
#include "modele/app/reparation.h"
#include "platform/text.h"
#include "ui/dialogs.h"

namespace app {

void Tmain::Reconstruirelesrfrences1Click() {
  if (dialogs().messageBox(questionReparation, "", ui::MessageKind::Confirmation,
                           ui::Buttons::YesNoCancel) == ui::Answer::Yes)
    reparerCatalogue();
}

// The lists on screen stay as they are: the closing message asks for a restart.
void Tmain::reparerCatalogue() {
  PageControl1.setActivePage(fiche_produit);
  CurseurAttente<ui::Control> sablierFenetre(*this);
  CurseurAttente<ui::Control> sablierOnglet(fiche_produit);
  reparerCatalogueFichiers(p_.donnees(),
                           [this](int n, int total) { afficherProgressionFiches(n, total); });
  dialogs().showMessage(messageReparationTerminee);
}

void Tmain::FamillesClick() { p_.famille1().show(); }

void Tmain::afficherProgressionFiches(int n, int total) {
  stats.setPanelText(2, "Traitement de " + platform::fromInteger(n) + " sur " +
                            platform::fromInteger(total) + " fiches");
  p_.patienter();
}

void Tmain::montrerMenus() {
  PageControl1.setActivePage(menus);
  montrerAvecSablier(p_.menu1());
}

void Tmain::categorieRenommee(const std::string& ancienne, const std::string& nouvelle) {
  if (!memeNomTaxonomie(catego.text(), ancienne)) return;
  const std::string theme = themes.text();
  catego.setText(nouvelle);
  chargerThemes();
  themes.setText(theme);
}

void Tmain::themeRenomme(const std::string& categorie, const std::string& ancien,
                         const std::string& nouveau) {
  if (memeNomTaxonomie(catego.text(), categorie) && memeNomTaxonomie(themes.text(), ancien)) themes.setText(nouveau);
}

}  // namespace app
