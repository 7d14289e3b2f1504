#pragma once
// The window `Tident`: shop identity.

#include "ui/form.h"
#include "ui/controls.h"
#include "app/identite.h"

namespace app {
class Programme;
}

namespace app {

class Tident : public ui::Form {
 public:
  explicit Tident(app::Programme& programme);

  ui::Label scriptB{*this, "scriptB"};

  TIdentite identite;  // the shop identity, read by every page writer
  // Loads ident.opt into the identity.
  void chargerIdent();

 private:
  app::Programme& p_;
};

}  // namespace app
