#pragma once
// The window `TForm2`: routine holder of the sheet-style loader.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace design {

class TForm2 : public ui::Form {
 public:
  explicit TForm2(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace design
