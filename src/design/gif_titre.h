#pragma once
// The window `Tgif_titres`: image picker.

#include "ui/form.h"
#include "ui/controls.h"

namespace app {
class Programme;
}

namespace design {

class Tgif_titres : public ui::Form {
 public:
  explicit Tgif_titres(app::Programme& programme);

  ui::FileListBox gifs_liste{*this, "gifs_liste", "*.gif"};

 private:
  app::Programme& p_;
};

}  // namespace design
