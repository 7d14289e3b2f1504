#pragma once
// The window `Tetiq1`: progress window of the site build.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace pages {

class Tetiq1 : public ui::Form {
 public:
  explicit Tetiq1(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace pages
