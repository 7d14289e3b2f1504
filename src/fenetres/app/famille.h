#pragma once
// The window `Tfamille1`: family-key cleanup of the sheets. Nothing of its own is shown: its show
// strips the `famille` lines from every sheet, then it closes.

#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Tfamille1 : public ui::Form {
 public:
  explicit Tfamille1(app::Programme& programme);

  ui::Memo fiches{*this, "fiches"};  // hidden
  ui::Memo Memo1{*this, "Memo1"};    // hidden

  void FormShow();

 private:
  app::Programme& p_;
};

}  // namespace app
