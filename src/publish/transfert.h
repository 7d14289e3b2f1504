#pragma once
// The window `Ttransfert1`: publication window.

#include "ui/form.h"
#include "ui/controls.h"

namespace app {
class Programme;
}

namespace publish {

class Ttransfert1 : public ui::Form {
 public:
  explicit Ttransfert1(app::Programme& programme);

  ui::FileListBox transfertLIST{*this, "transfertLIST", "*.*"};

 private:
  app::Programme& p_;
};

}  // namespace publish
