#pragma once
// The window `TstyleMDyn`: dynamic-menu style.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace design {

class TstyleMDyn : public ui::Form {
 public:
  explicit TstyleMDyn(app::Programme& programme);

  // Loads the dynamic-menu style into the dialog's controls.
  void ouvrir();

 private:
  app::Programme& p_;
};

}  // namespace design
