#pragma once
// The window `Ttarvioini`: program options dialog.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Ttarvioini : public ui::Form {
 public:
  explicit Ttarvioini(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace app
