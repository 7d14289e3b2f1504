#pragma once
// The window `Ttri_thems`: sort or delete themes.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Ttri_thems : public ui::Form {
 public:
  explicit Ttri_thems(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace app
