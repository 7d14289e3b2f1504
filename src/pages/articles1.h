#pragma once
// The window `TarticlesT`: found-articles display options.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace pages {

class TarticlesT : public ui::Form {
 public:
  explicit TarticlesT(app::Programme& programme);

 private:
  app::Programme& p_;
};

}  // namespace pages
