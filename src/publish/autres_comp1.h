#pragma once
// The window `Tautres_comp`: other comparators.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace publish {

class Tautres_comp : public ui::Form {
 public:
  explicit Tautres_comp(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace publish
