#pragma once
// The window `Tfonds`: background image picker.

#include "ui/form.h"
#include "ui/controls.h"

namespace app {
class Programme;
}

namespace design {

class Tfonds : public ui::Form {
 public:
  explicit Tfonds(app::Programme& programme);

  ui::FileListBox images{*this, "images", "*.gif;*.jpg;*.jpeg"};

 private:
  app::Programme& p_;
};

}  // namespace design
