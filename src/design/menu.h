#pragma once
// The window `Tmenu1`: menu and top-banner editor.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace design {

class Tmenu1 : public ui::Form {
 public:
  explicit Tmenu1(app::Programme& programme);

  // Loads menu.opt into the editor's controls.
  void chargerMenu();
  // Lays the family and category lists out for the loaded options.
  void preparerMenu();

 private:
  app::Programme& p_;
};

}  // namespace design
