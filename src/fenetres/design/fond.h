#pragma once
// The window `Tfonds`: background image picker. The chosen name of fonds/ goes straight into the
// settings of the editor named by `appelantImage`.

#include <string>

#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace design {

class Tfonds : public ui::Form {
 public:
  explicit Tfonds(app::Programme& programme);

  ui::Label RepL{*this, "RepL"};
  ui::FileListBox images{*this, "images", "*.gif;*.jpg;*.jpeg"};
  ui::Image image{*this, "image"};
  ui::Button importerB{*this, "importerB", "Importer"};
  ui::Button okB{*this, "okB", "OK"};
  ui::Button annulerB{*this, "annulerB", "Annuler"};
  ui::OpenDialog OpenImage{*this, "OpenImage", "Images|*.gif;*.jpg;*.jpeg"};
  // The caller tag the opening editor sets before showing the picker: "menu", "top",
  // "style_principal" or "fondcat".
  std::string appelantImage;

  void FormActivate();
  void imagesClick();
  void importerBClick();
  void okBClick();
  void annulerBClick();

 private:
  app::Programme& p_;
};

}  // namespace design
