#include "fenetres/pages/rafraichir_carte.h"

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/frame/apercu.h"
#include "fenetres/pages/faire_vignette.h"
#include "modele/pages/page_maj.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "ui/dialogs.h"
#include "ui/services.h"

namespace pages {

std::string messageCarteAbsente(const std::string& reference, const std::string& page) {
  return "La fiche " + reference + " n'a pas de vignette dans la page " + page +
         " : reconstruisez le site.";
}

Tpage::Tpage(app::Programme& programme)
    : ui::Form(programme.application(), "Tpage", "page"), p_(programme) {}

void Tpage::majVignettePage() {
  app::Tmain& main = p_.main();
  const platform::DataFolder& donnees = p_.donnees();
  const std::string r = main.referencer.text();
  const std::string page = "ftp/" + main.pageFiche;
  if (!r.empty() && !main.pageFiche.empty() && donnees.exists(r + ".ref") &&
      donnees.exists(page)) {
    const platform::LineList lignes = platform::LineList::load(p_.chemin(page));
    const auto m = lignes.empty() ? std::nullopt : trouverMarqueurs(lignes, r);
    if (!m && !lignes.empty()) p_.dialogs().showMessage(messageCarteAbsente(r, main.pageFiche));
    if (m) {
      platform::LineList carte;
      if (m->fin > m->debut + 1) {
        // Read line by line: exact keys, the last line wins.
        std::string categorie, motCle;
        for (const auto& l : platform::LineList::load(p_.chemin(r + ".ref"))) {
          const size_t egal = l.find('=');
          if (egal == std::string::npos) continue;
          const std::string cle = l.substr(0, egal);
          if (cle == "categorie") categorie = l.substr(egal + 1);
          if (cle == "mot_cle") motCle = l.substr(egal + 1);
        }
        Tvignette1& v = p_.vignette1();
        v.styleDeFiche(categorie, motCle, r,
                       [&donnees](const std::string& nom) { return donnees.exists(nom); });
        v.motCleFiche = motCle;
        v.referenceCarte = r;
        v.indicateurCarteA = m->premiere;
        v.indicateurCarteB = m->derniere;
        // The card belongs to its page, whatever an options preview left.
        v.apercuArticles = false;
        v.pageCourante = main.pageFiche.substr(0, main.pageFiche.find('.')) + ".tmp";
        if (auto lignesCarte = v.faireVignette()) carte = *lignesCarte;
      }
      remplacerCarte(lignes, *m, carte).save(p_.chemin(page));
    }
  }
  platform::makeFolder(p_.chemin("ftp"));
  const frame::EcrivainsApercu ecrivains = frame::ecrivainsApercu(p_);
  ecrivains.cadres();
  ecrivains.pageAccueil();
  ecrivains.conditions();
  if (!main.pageFiche.empty() && donnees.exists("ftp/index3.html"))
    p_.shell().open(p_.chemin("ftp/index3.html").string());
}

}  // namespace pages
