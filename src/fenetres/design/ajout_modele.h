#pragma once
// "Ajouter Modèle" of the editors that keep models: the settings are saved as usual, then saved
// again into the model file the user names (an existing one only after "Oui"), and the caption
// names that model.

#include <functional>

#include "ui/controls.h"
#include "ui/dialogs.h"

namespace design {

void ajouterModele(ui::SaveDialog& dialogue, ui::Label& nomModele, bool& versModele,
                   const std::function<void()>& sauver);

}  // namespace design
