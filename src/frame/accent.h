#pragma once
// The window `Taccents1`: routine holder of the HTML-entity converter.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace frame {

class Taccents1 : public ui::Form {
 public:
  explicit Taccents1(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace frame
