#pragma once
// The window `Tprixdiff`: different prices of a sheet, <reference>.dif.

#include "fenetres/app/editeur_prix.h"

namespace app {

class Tprixdiff : public EditeurListePrix {
 public:
  explicit Tprixdiff(app::Programme& programme);
};

}  // namespace app
