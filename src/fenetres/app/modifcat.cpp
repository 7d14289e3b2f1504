#include "fenetres/app/modifcat.h"

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/app/renommage_fenetre.h"
#include "fenetres/app/sablier.h"
#include "fenetres/design/menu.h"
#include "modele/app/categories_fichiers.h"
#include "platform/text.h"
#include "ui/dialogs.h"

namespace app {

Tmodifcat1::Tmodifcat1(app::Programme& programme) : ui::Form(programme.application(), "Tmodifcat1", "modifcat1"), p_(programme) {
  setCaption("Modifier le nom des catégories");
  disposerRenommage(*this, modif_catego, texte, edit, fermer, ok, fiches, ouvrir,
                    {this, &modif_catego, &ok});
  onShow = [this] { FormShow(); };
  modif_catego.onClick = [this] { modif_categoClick(); };
  ok.onClick = [this] { okClick(); };
}

void Tmodifcat1::FormShow() {
  std::vector<std::string> lignes;
  for (auto& c : chargerListeCategories(p_.donnees()))
    if (!c.empty()) lignes.push_back(std::move(c));
  modif_catego.setItems(std::move(lignes));
  if (modif_catego.count() == 0) return;
  modif_catego.setItemIndex(0);
  modif_categoClick();
}

void Tmodifcat1::modif_categoClick() { choisirLigneRenommage(modif_catego, texte, edit); }

void Tmodifcat1::okClick() {
  CurseurAttente<ui::Control> sablier(ok);
  if (categorieReservee(platform::trim(edit.text()))) edit.setText("");
  if (platform::trim(edit.text()).empty()) {
    dialogs().showMessage("Opération Impossible");
    return;
  }
  Tmain& main = p_.main();
  const std::string ancien = modif_catego.selected();
  const ResultatRenommage r = renommerCategorie(
      p_.donnees(),
      {modif_catego.items(), modif_catego.itemIndex(), edit.text(), main.options.options.separateur()},
      progressionRenommage(main), [this] { p_.patienter(); });
  direResultatRenommage(*this, r, fiches);
  if (r.issue == IssueRenommage::refuse) return;
  main.categorieRenommee(ancien, r.nom);
  main.chargerCategories();
  main.rechargerMenu = true;
  if (r.issue == IssueRenommage::interrompu) {
    FormShow();
    return;
  }
  close();
  main.montrerMenus();
  p_.menu1().redessinerBoutonsCategorie(r.nom);
}

}  // namespace app
