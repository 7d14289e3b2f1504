#pragma once
// The window `Tliste_recherche`: quick-choice search list options.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace infopages {

class Tliste_recherche : public ui::Form {
 public:
  explicit Tliste_recherche(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace infopages
