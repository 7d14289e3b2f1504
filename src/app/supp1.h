#pragma once
// The window `Tsupp`: price supplements of a sheet.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Tsupp : public ui::Form {
 public:
  explicit Tsupp(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace app
