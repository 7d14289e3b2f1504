#include "infopages/cvente.h"

#include "app/fiche.h"
#include "app/programme.h"

namespace infopages {

Tcvente1::Tcvente1(app::Programme& programme) : ui::Form(programme.application(), "Tcvente1", "cvente1"), p_(programme) {
  setCaption("Conditions de vente");
  panelOver = &p_.main().PageControl1;
}

}  // namespace infopages
