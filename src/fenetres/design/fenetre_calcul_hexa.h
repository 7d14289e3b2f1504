#pragma once
// The window `Thexa1`: colour calculator. A hexadecimal number typed in `hexa` shows in decimal.

#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace design {

class Thexa1 : public ui::Form {
 public:
  explicit Thexa1(app::Programme& programme);

  ui::Edit hexa{*this, "hexa"};
  ui::Button calculB{*this, "calculB", "Calcul"};
  ui::Label reponse{*this, "reponse"};
  ui::Button fermerB{*this, "fermerB", "Fermer"};

  // A text that is not a hexadecimal number stops with platform::IntegerError; `reponse` keeps
  // its text.
  void calculBClick();

 private:
  app::Programme& p_;
};

}  // namespace design
