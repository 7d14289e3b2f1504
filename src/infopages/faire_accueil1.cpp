#include "infopages/faire_accueil1.h"

#include "app/programme.h"

namespace infopages {

Tfaire_accueil::Tfaire_accueil(app::Programme& programme) : ui::Form(programme.application(), "Tfaire_accueil", "faire_accueil"), p_(programme) {
}

}  // namespace infopages
