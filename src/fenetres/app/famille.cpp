#include "fenetres/app/famille.h"

#include "fenetres/app/programme.h"
#include "modele/app/reparation.h"

namespace app {

Tfamille1::Tfamille1(app::Programme& programme) : ui::Form(programme.application(), "Tfamille1", "famille1"), p_(programme) {
  fiches.hide();
  Memo1.hide();
  onShow = [this] { FormShow(); };
}

void Tfamille1::FormShow() {
  retirerClesFamille(p_.donnees());
  close();
}

}  // namespace app
