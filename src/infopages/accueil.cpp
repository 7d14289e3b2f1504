#include "infopages/accueil.h"

#include "app/fiche.h"
#include "app/programme.h"

namespace infopages {

Taccueil1::Taccueil1(app::Programme& programme) : ui::Form(programme.application(), "Taccueil1", "accueil1"), p_(programme) {
  setCaption("Eléments de la page d'accueil");
  panelOver = &p_.main().PageControl1;
}

}  // namespace infopages
