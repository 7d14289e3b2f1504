#pragma once
// The "Alpha", "Haut" and "Bas" buttons of the category and theme sort dialogs.

#include "ui/controls.h"

namespace app {

// The list takes the alphabetical order and keeps it (`sorted`) until a line is moved by hand;
// the selected line stays selected.
void trierListeAlpha(ui::ListBox& liste);
// Sorting off, then the selected line exchanged with the one `pas` lines away, the selection
// following it; nothing at either end or without a selection.
void deplacerLigneListe(ui::ListBox& liste, int pas);

}  // namespace app
