#pragma once
// The window `Tauteurs`: authors and performers browser.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Tauteurs : public ui::Form {
 public:
  explicit Tauteurs(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace app
