#include "infopages/liste_recherche1.h"

#include "app/programme.h"

namespace infopages {

Tliste_recherche::Tliste_recherche(app::Programme& programme) : ui::Form(programme.application(), "Tliste_recherche", "liste_recherche"), p_(programme) {
  setCaption("Liste Recherche");
}

}  // namespace infopages
