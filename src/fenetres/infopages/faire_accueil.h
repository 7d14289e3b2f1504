#pragma once
// The window `Tfaire_accueil`: routine holder of the home-page writer.

#include "modele/infopages/accueil_page.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace infopages {

class Tfaire_accueil : public ui::Form {
 public:
  explicit Tfaire_accueil(app::Programme& programme);

  // The home-page writer: ftp/accueil.css, ftp/accueil2.htm and the skins of the search page.
  // Throws platform::FileError.
  void accueilHTM();
  // What the writer reads: the home-page settings loaded again and the editor's controls, each
  // ticked section loaded through the editor, and the main window's values.
  EntreesPageAccueil entrees();

 private:
  app::Programme& p_;
};

}  // namespace infopages
