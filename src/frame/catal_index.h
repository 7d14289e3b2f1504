#pragma once
// The window `Tcatal_ini`: offline catalogue settings.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace frame {

class Tcatal_ini : public ui::Form {
 public:
  explicit Tcatal_ini(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace frame
