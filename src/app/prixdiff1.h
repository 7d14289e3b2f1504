#pragma once
// The window `Tprixdiff`: different prices of a sheet.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Tprixdiff : public ui::Form {
 public:
  explicit Tprixdiff(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace app
