// The main window's command "Construire le site": the checks and the save of the sheet, the
// build with its progress window, the reference pages and the offline catalogue copy.

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/pages/data.h"
#include "fenetres/pages/etiq.h"
#include "fenetres/pages/fenetre_liens_multiples.h"
#include "fenetres/publish/transfert.h"
#include "modele/pages/dossier_construction.h"
#include "platform/files.h"

namespace app {

void Tmain::construireSite() { p_.data1().construireSite(); }

void Tmain::htmlClick() {
  ui::Dialogs& d = dialogs();
  if (p_.transfert1().enCours()) {
    d.showMessage(pages::kPublicationEnCours);
    return;
  }
  if (!reglagesSiteDefinis("Le style du menu n'a pas été défini")) return;
  const platform::DataFolder& dossier = p_.donnees();
  activerOngletFiche();
  // A refused save stops the command: the build would publish the sheet as it was.
  if (sauver.enabled() && !SauverFiche()) return;

  pages::Tetiq1& etiq = p_.etiq1();
  bool terminee = false;
  {
    html.setCursor(ui::Cursor::HourGlass);
    struct Retour {
      Tmain& m;
      pages::Tetiq1& etiq;
      ~Retour() {
        m.html.setCursor(ui::Cursor::Default);
        etiq.close();
      }
    } retour{*this, etiq};
    p_.liensm().fairehtml();
    etiq.show();
    etiq.etiquette.setLines({"1.", "2.", "3."});
    // The reference pages belong to the site: the build is unfinished until they are written.
    // After a stop, ftp/ and listeHTM.tmp are those of the previous build: nothing is derived
    // from them and no success is announced.
    terminee = p_.data1().construireSite([&] {
      if (dossier.exists("ref.ini")) ecrirePagesReferences();
    });
  }

  cartesInitialisees = false;
  if (sauver.enabled()) chargerFiche();
  if (!terminee || !catalC.checked()) return;

  pages::DossierConstruction fichiers(dossier.root());
  fichiers.creerDossier("catalogue");
  std::string echecs;
  for (const std::string& nom : fichiers.lister("ftp", "*"))
    if (!fichiers.copier("ftp/" + nom, "catalogue/" + nom))
      echecs += (echecs.empty() ? "" : ", ") + nom;
  if (!echecs.empty()) {
    d.showMessage("Ces fichiers n'ont pas pu être copiés dans le répertoire \"catalogue\" : " +
                  echecs);
    return;
  }
  d.showMessage(
      "La construction du catalogue hors ligne est terminée. Vous pouvez maintenant quitter le "
      "programme et recopier tous les fichiers du répertoire \"catalogue\" sur un CD");
}

}  // namespace app
