#pragma once
// The window `Tcategotxt`: category dressing texts.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Tcategotxt : public ui::Form {
 public:
  explicit Tcategotxt(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace app
