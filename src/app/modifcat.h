#pragma once
// The window `Tmodifcat1`: rename categories.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Tmodifcat1 : public ui::Form {
 public:
  explicit Tmodifcat1(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace app
