#pragma once
// The window `Thexa1`: colour calculator.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace design {

class Thexa1 : public ui::Form {
 public:
  explicit Thexa1(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace design
