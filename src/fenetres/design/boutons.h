#pragma once
// The window `Tboutons_view`: order-button picker. The chosen image of boutons/ goes straight into
// the sheet-style editor, for the button or variant selected there.

#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace design {

class Tboutons_view : public ui::Form {
 public:
  explicit Tboutons_view(app::Programme& programme);

  ui::Label RepL{*this, "RepL"};
  ui::FileListBox images{*this, "images", "*.gif;*.jpg;*.jpeg;"};
  ui::Button importerB{*this, "importerB", "Importer"};
  ui::Button okB{*this, "okB", "Ok"};
  ui::OpenDialog OpenImage{*this, "OpenImage", "Images|*.gif;*.jpg;*.jpeg;"};

  void FormActivate();
  void imagesClick();
  void importerBClick();
  void okBClick();
  void FormHide();

 private:
  app::Programme& p_;
};

}  // namespace design
