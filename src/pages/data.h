#pragma once
// The window `Tdata1`: routine holder of the catalogue pages.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace pages {

class Tdata1 : public ui::Form {
 public:
  explicit Tdata1(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace pages
