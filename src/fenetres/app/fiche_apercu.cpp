// The preview of the current sheet's card, from the sheet editor and the sheet-style editor.

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/style.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/pages/faire_vignette.h"
#include "fenetres/pages/rafraichir_carte.h"
#include "modele/app/texte_prix.h"
#include "modele/pages/apercu_fiche.h"
#include "platform/files.h"
#include "ui/services.h"

namespace app {

void Tmain::apercuFiche() {
  if (!pageFiche.empty()) {
    p_.page().majVignettePage();
    return;
  }
  const design::TForm1& editeur = p_.Form1();
  pages::Tvignette1& v = p_.vignette1();
  const platform::DataFolder& donnees = p_.donnees();
  v.referenceCarte = editeur.referenceStyle;
  v.indicateurCarteA = true;
  v.indicateurCarteB = true;
  // The card is styled and framed as the site build will style and frame it.
  v.styleDeFiche(categorieEnCours, themes.text(), editeur.referenceStyle,
                 [&donnees](const std::string& nom) { return donnees.exists(nom); });
  v.motCleFiche = themes.text();
  if (!v.faireVignette() || !donnees.exists("vignette.htm")) return;

  const design::TstyleP& site = p_.styleP();
  platform::makeFolder(p_.chemin("ftp"));
  if (!site.image_page.empty() && donnees.exists("fonds/" + site.image_page))
    copierFichier(p_.chemin("fonds/" + site.image_page), p_.chemin("ftp/" + site.image_page),
                  false);
  pages::pageApercuFiche(platform::LineList::load(p_.chemin("vignette.htm")),
                         editeur.referenceStyle,
                         pages::fondApercuFiche(site.fond_page, site.image_page, site.fixe_page))
      .save(p_.chemin("ftp/vignette.htm"));
  p_.shell().open(p_.chemin("ftp/vignette.htm").string());
}

}  // namespace app
