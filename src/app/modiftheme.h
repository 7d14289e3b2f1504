#pragma once
// The window `Tmodiftheme1`: rename themes.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Tmodiftheme1 : public ui::Form {
 public:
  explicit Tmodiftheme1(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace app
