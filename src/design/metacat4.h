#pragma once
// The window `Tmetacat`: category meta description and background.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace design {

class Tmetacat : public ui::Form {
 public:
  explicit Tmetacat(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace design
