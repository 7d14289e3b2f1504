#pragma once
// The window `TmenuG`: left-menu home entry.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace design {

class TmenuG : public ui::Form {
 public:
  explicit TmenuG(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace design
