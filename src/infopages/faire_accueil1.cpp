#include "infopages/faire_accueil1.h"

#include "app/programme.h"

namespace infopages {

Tfaire_accueil::Tfaire_accueil(app::Programme& programme) : ui::Form(programme.application(), "Tfaire_accueil", "faire_accueil"), p_(programme) {
}

// Comes with the page writer of its own; the preview calls it in its place.
void Tfaire_accueil::accueilHTM() {}

}  // namespace infopages
