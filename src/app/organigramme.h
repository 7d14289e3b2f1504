#pragma once
// The window `Torga`: catalogue organiser and sheet order.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Torga : public ui::Form {
 public:
  explicit Torga(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace app
