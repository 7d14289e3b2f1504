#pragma once
// The "Alpha", "Haut" and "Bas" buttons of the category and theme sort dialogs.

#include <string>
#include <string_view>

#include "ui/controls.h"
#include "ui/dialogs.h"

namespace app {

// The list takes the alphabetical order and keeps it (`sorted`) until a line is moved by hand;
// the selected line stays selected.
void trierListeAlpha(ui::ListBox& liste);
// Sorting off, then the selected line exchanged with the one `pas` lines away, the selection
// following it; nothing at either end or without a selection.
void deplacerLigneListe(ui::ListBox& liste, int pas);
// "Supprimer" of either dialog: refused while sheets use the name (`quoi`: "la catégorie" or
// "le thème", `utilise`: the participle agreeing with it), else asked; true when confirmed.
bool suppressionConfirmee(ui::Dialogs& dialogues, bool employe, std::string_view quoi,
                          std::string_view utilise, const std::string& nom);

}  // namespace app
