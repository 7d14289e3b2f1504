#pragma once
// The window `Tboutons_view`: order-button picker.

#include "ui/form.h"
#include "ui/controls.h"

namespace app {
class Programme;
}

namespace design {

class Tboutons_view : public ui::Form {
 public:
  explicit Tboutons_view(app::Programme& programme);

  ui::FileListBox images{*this, "images", "*.gif"};

 private:
  app::Programme& p_;
};

}  // namespace design
