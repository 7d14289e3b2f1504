#pragma once
// The window `Tpage`: routine holder of the card refresher.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace pages {

class Tpage : public ui::Form {
 public:
  explicit Tpage(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace pages
