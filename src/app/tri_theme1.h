#pragma once
// The window `Ttri_thems`: sort or delete themes.

#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Ttri_thems : public ui::Form {
 public:
  explicit Ttri_thems(app::Programme& programme);

  // Filled by the main window's theme load, for the category named in nom_cat.
  ui::Label nom_cat{*this, "nom_cat"};
  ui::ListBox tri_themes{*this, "tri_themes"};

 private:
  app::Programme& p_;
};

}  // namespace app
