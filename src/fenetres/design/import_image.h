#pragma once
// The picture import of the picker lists: the user's file is copied into the list's folder under
// a web-safe name, then the list is re-read.

#include "ui/controls.h"
#include "ui/dialogs.h"

namespace design {

void importerImage(ui::OpenDialog& ouvrir, ui::FileListBox& liste, char separateur);

}  // namespace design
