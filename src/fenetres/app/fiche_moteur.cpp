// The search-engine module of the sheet tab: the outside program that indexes the built site,
// and the word editor of the page shown.

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/infopages/motsmoteur.h"
#include "platform/files.h"
#include "ui/services.h"

namespace app {

void Tmain::bmoteurClick() {
  for (const char* module : {"moteur_v3.exe", "moteur_v2.exe", "moteur.exe"}) {
    if (!p_.donnees().exists(module)) continue;
    if (!p_.shell().run(p_.chemin(module), {}, p_.donnees().root()))
      dialogs().showMessage("Le module " + std::string(module) +
                            " n'a pas pu être lancé sur cet ordinateur.");
    return;
  }
  dialogs().showMessage("Le module moteur de recherche n'est pas installé.");
}

void Tmain::BitBtn23Click() {
  if (!p_.donnees().exists("mots.bdd")) {
    dialogs().showMessage(
        "Il faut d'abord créer la base de données, bouton \"moteur de recherche\".");
    return;
  }
  const std::string page = Lhtm.caption();
  if (page.empty() || !platform::safeRelativePath(page) || !p_.donnees().exists("ftp/" + page)) {
    dialogs().showMessage("Aucune fiche active ou vous n'avez pas encore construit votre site complet.");
    return;
  }
  p_.moteur().show();
}

}  // namespace app
