#pragma once
// The window `Tmoteur`: search-engine words.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace infopages {

class Tmoteur : public ui::Form {
 public:
  explicit Tmoteur(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace infopages
