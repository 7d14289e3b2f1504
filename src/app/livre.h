#pragma once
// The window `Tlivre1`: product list browser.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Tlivre1 : public ui::Form {
 public:
  explicit Tlivre1(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace app
