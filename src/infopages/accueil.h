#pragma once
// The window `Taccueil1`: home-page editor.

#include "ui/form.h"
#include "ui/controls.h"

namespace app {
class Programme;
}

namespace infopages {

class Taccueil1 : public ui::Form {
 public:
  explicit Taccueil1(app::Programme& programme);

  ui::PageControl PageControl1{*this, "PageControl1"};
  ui::TabSheet Tab_promo{PageControl1, "Tab_promo", "Vitrine"};
  ui::FileListBox imageL{*this, "imageL", "*.gif;*.jpg;*.jpeg"};

 private:
  app::Programme& p_;
};

}  // namespace infopages
