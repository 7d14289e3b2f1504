#pragma once
// The window `Tcvente1`: conditions-of-sale editor.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace infopages {

class Tcvente1 : public ui::Form {
 public:
  explicit Tcvente1(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace infopages
