// The main window's Index tab: the box "Import" that puts the shop's own entry page in place of
// the generated one.

#include "app/fiche.h"
#include "app/programme.h"

namespace app {

void Tmain::importCClick() {
  if (!importC.checked()) return;
  if (!p_.donnees().exists("import/index.htm")) {
    dialogs().showMessage("Aucune page d'index à importer n'est présente dans le répertoire " +
                          p_.chemin("import/index.htm").string());
    importC.setChecked(false);
  }
  // Even a refused tick leaves the frameset chosen for this run of the program (not saved).
  options.frames = "oui";
}

}  // namespace app
