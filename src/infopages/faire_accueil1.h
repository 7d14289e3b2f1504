#pragma once
// The window `Tfaire_accueil`: routine holder of the home-page writer.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace infopages {

class Tfaire_accueil : public ui::Form {
 public:
  explicit Tfaire_accueil(app::Programme& programme);

  // The home-page writer: ftp/accueil.css, ftp/accueil2.htm and the skins of the search page.
  void accueilHTM();

 private:
  app::Programme& p_;
};

}  // namespace infopages
