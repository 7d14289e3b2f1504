// The main window's reference pages: the inputs gathered from its site title, its sheet list and
// its gauge for the writer (modele/pages/pages_references.h).

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "modele/pages/pages_references.h"

namespace app {

void Tmain::ecrirePagesReferences() {
  liste_fiches.update();
  pages::EntreesPagesReferences e;
  e.titreSite = titreE.text();
  e.fiches = liste_fiches.items();
  Gauge.setRange(0, static_cast<int>(e.fiches.size()) - 1);
  Gauge.setProgress(0);
  e.avancer = [this](int position) { Gauge.setProgress(position); };
  pages::ecrirePagesReferences(e, p_.donnees());
}

}  // namespace app
