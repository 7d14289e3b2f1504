#pragma once
// The window `Texport_ref`: reference export.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace publish {

class Texport_ref : public ui::Form {
 public:
  explicit Texport_ref(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace publish
