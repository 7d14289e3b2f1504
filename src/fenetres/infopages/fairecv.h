#pragma once
// The window `Tfaire_cv1`: routine holder of the conditions writer.

#include "modele/infopages/cv_page.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace infopages {

class Tfaire_cv1 : public ui::Form {
 public:
  explicit Tfaire_cv1(app::Programme& programme);

  // The conditions-of-sale writer: ftp/cv.htm from the editor's values and list as they stand
  // (its callers have loaded them). Throws platform::FileError.
  void faire_cv();
  // What the writer reads, gathered now.
  EntreesPageConditions entrees() const;

 private:
  app::Programme& p_;
};

}  // namespace infopages
