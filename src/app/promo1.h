#pragma once
// The window `TprixF`: price changes and promotions.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class TprixF : public ui::Form {
 public:
  explicit TprixF(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace app
