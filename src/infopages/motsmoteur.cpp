#include "infopages/motsmoteur.h"

#include "app/programme.h"

namespace infopages {

Tmoteur::Tmoteur(app::Programme& programme) : ui::Form(programme.application(), "Tmoteur", "moteur"), p_(programme) {
  setCaption("Moteur de recherche interne Mots à ajouter");
}

}  // namespace infopages
