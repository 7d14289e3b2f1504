#pragma once
// The window `Tfaire_cv1`: routine holder of the conditions writer.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace infopages {

class Tfaire_cv1 : public ui::Form {
 public:
  explicit Tfaire_cv1(app::Programme& programme);

  // The conditions-of-sale writer: ftp/cv.htm.
  void faire_cv();

 private:
  app::Programme& p_;
};

}  // namespace infopages
