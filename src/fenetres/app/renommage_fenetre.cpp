#include "fenetres/app/renommage_fenetre.h"

#include "fenetres/app/fiche.h"
#include "ui/dialogs.h"
#include "ui/layout.h"

namespace app {

void disposerRenommage(ui::Form& fenetre, ui::ListBox& liste, ui::GroupBox& cadre, ui::Edit& edit,
                       ui::Button& fermer, ui::Button& ok, ui::ListBox& fiches, ui::ListBox& ouvrir,
                       std::initializer_list<ui::Control*> echap) {
  fenetre.setBounds(fenetre.left(), fenetre.top(), 320, fenetre.height());
  ui::setSize(liste, 300, 220);
  ui::setSize(cadre, 300);
  ui::setSize(edit, 280);
  for (ui::Button* b : {&fermer, &ok}) ui::setSize(*b, 100);
  fiches.hide();
  ouvrir.hide();
  fermer.onClick = [&fenetre] { fenetre.close(); };
  for (ui::Control* c : echap)
    c->onKeyDown = [&fenetre](int& key, ui::Shift) {
      if (key == ui::key::Escape) fenetre.close();
    };
}

void choisirLigneRenommage(const ui::ListBox& liste, ui::GroupBox& cadre, ui::Edit& edit) {
  if (liste.itemIndex() < 0) return;
  cadre.setCaption("Modifier " + liste.selected());
  edit.setText(liste.selected());
}

ProgressionFiches progressionRenommage(Tmain& main) {
  return [&main](int n, int total) { main.afficherProgressionFiches(n, total); };
}

void direResultatRenommage(ui::Form& fenetre, const ResultatRenommage& r, ui::ListBox& fiches) {
  fiches.setItems(r.fiches);
  if (!r.message.empty()) fenetre.dialogs().showMessage(r.message);
}

}  // namespace app
