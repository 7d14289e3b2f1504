#pragma once
// The window `Ttri_cat`: sort or delete categories.

#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Ttri_cat : public ui::Form {
 public:
  explicit Ttri_cat(app::Programme& programme);

  ui::ListBox tri_catego{*this, "tri_catego"};  // filled by the main window's category load

 private:
  app::Programme& p_;
};

}  // namespace app
