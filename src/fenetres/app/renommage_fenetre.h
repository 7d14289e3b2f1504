#pragma once
// What the two rename dialogs share: their layout, their keys, and the telling of a result.

#include "modele/app/renommage.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace app {

class Tmain;

// The list above, the group box with the edit, the two buttons; the work lists hidden. Escape
// closes the window from the controls given.
void disposerRenommage(ui::Form& fenetre, ui::ListBox& liste, ui::GroupBox& cadre, ui::Edit& edit,
                       ui::Button& fermer, ui::Button& ok, ui::ListBox& fiches, ui::ListBox& ouvrir,
                       std::initializer_list<ui::Control*> echap);
// The selected line in the group box's caption and in the edit.
void choisirLigneRenommage(const ui::ListBox& liste, ui::GroupBox& cadre, ui::Edit& edit);
// The sheet progress of a rename in the main window's status bar.
ProgressionFiches progressionRenommage(Tmain& main);
// The message of a refusal or an interruption; the sheets rewritten go to the hidden list.
void direResultatRenommage(ui::Form& fenetre, const ResultatRenommage& r, ui::ListBox& fiches);

}  // namespace app
