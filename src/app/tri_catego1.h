#pragma once
// The window `Ttri_cat`: sort or delete categories.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Ttri_cat : public ui::Form {
 public:
  explicit Ttri_cat(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace app
