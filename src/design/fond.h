#pragma once
// The window `Tfonds`: background image picker.

#include "ui/form.h"
#include "ui/controls.h"

#include <string>

namespace app {
class Programme;
}

namespace design {

class Tfonds : public ui::Form {
 public:
  explicit Tfonds(app::Programme& programme);

  ui::FileListBox images{*this, "images", "*.gif;*.jpg;*.jpeg"};
  // The caller tag the opening editor sets before showing the picker ("style_principal", ...).
  std::string appelantImage;

 private:
  app::Programme& p_;
};

}  // namespace design
