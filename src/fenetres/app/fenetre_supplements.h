#pragma once
// The window `Tsupp`: price supplements of a sheet, <reference>.sup.

#include "fenetres/app/editeur_prix.h"

namespace app {

class Tsupp : public EditeurListePrix {
 public:
  explicit Tsupp(app::Programme& programme);
};

}  // namespace app
