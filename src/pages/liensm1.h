#pragma once
// The window `Tliensm`: linked references of a sheet.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace pages {

class Tliensm : public ui::Form {
 public:
  explicit Tliensm(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace pages
