#pragma once
// The window `Tkelkoo2`: comparator feed editor.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace publish {

class Tkelkoo2 : public ui::Form {
 public:
  explicit Tkelkoo2(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace publish
