#pragma once
// The window `TForm3`: routine holder of the FTP settings scrambler.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace publish {

class TForm3 : public ui::Form {
 public:
  explicit TForm3(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace publish
