#pragma once
// The window `Tfamille1`: family-key cleanup of the sheets.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Tfamille1 : public ui::Form {
 public:
  explicit Tfamille1(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace app
