#pragma once
// The window `Ttarvioupdate`: support-file update.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace publish {

class Ttarvioupdate : public ui::Form {
 public:
  explicit Ttarvioupdate(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace publish
