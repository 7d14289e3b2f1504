#pragma once
// The window `Tvignette1`: routine holder of the card writer.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace pages {

class Tvignette1 : public ui::Form {
 public:
  explicit Tvignette1(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace pages
