// The build's index and new-products pages: what they read of the windows, gathered at the call
// (modele/pages/pages_index.h, modele/pages/pages_nouveautes.h write them).

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/pages/data.h"
#include "fenetres/pages/faire_vignette.h"
#include "modele/pages/pages_index.h"
#include "modele/pages/pages_nouveautes.h"
#include "platform/escape.h"
#include "platform/text.h"

namespace pages {

namespace {

EntreesIndex entreesIndex(app::Programme& p, const Construction& c) {
  const app::TOptionsProgramme& o = c.options;
  const design::TstyleP& s = p.styleP();
  EntreesIndex e;
  e.auteurs = c.prefixeAuteurs;
  e.articles = c.prefixeArticles;
  e.themes = s.themesP.text();
  e.police = o.police_defaut;
  e.recherche_titre = o.recherche_titre;
  e.recherche_liens = o.recherche_liens;
  e.recherche_fond = o.recherche_fond;
  e.recherche_texte = o.recherche_texte;
  e.coul_scroll = o.coul_scroll;
  e.titrethemes = o.titrethemes;
  e.page_auteurs = o.page_auteurs;
  e.az_top = p.menu1().options.az_top;
  e.cadres = p.main().options.frames == "oui";
  e.fond_page = s.fond_page;
  e.image_page = s.image_page;
  e.fixe_page = s.fixe_page;
  if (!e.cadres) {
    app::Tmain& main = p.main();
    if (!o.recherche_fond.empty())
      main.cadreAttributsContenu =
          " bgcolor=\"" + platform::htmlAttribute(o.recherche_fond) + "\"";
    e.cadrePage = main.ecrireCadrePage().lines();
  }
  e.barreCategories = s.menubp_c != "non";
  e.couleurTraitIndex = c.couleurTraitIndex;
  e.couleurFondIndex = c.couleurFondIndex;
  e.couleurFondIndex2 = c.couleurFondIndex2;
  e.sep = c.sep;
  e.listeAuteurs = c.listeAuteurs;
  e.listeObjets = c.listeObjets;
  e.listeCategories = c.listeCategories;
  e.indexThemesPages = c.indexThemesPages;
  return e;
}

}  // namespace

void Tdata1::pagesAuteurs(Construction& c) {
  if (c.listeAuteurs.empty()) return;
  ecrirePagesAuteurs(entreesIndex(p_, c), c.dossier);
}

void Tdata1::pagesObjets(Construction& c) { ecrirePagesObjets(entreesIndex(p_, c), c.dossier); }

void Tdata1::pagesNouveautes(Construction& c) {
  auto ini = c.dossier.lire("newprod.ini");
  if (!ini) return;
  EntreesNouveautes e;
  e.police_defaut = c.options.police_defaut;
  e.options = lireOptionsNouveautes(*ini, p_.vignette1().style.coul_liens, e.police_defaut);
  e.vig_visual = c.options.vig_visual == "oui";
  e.multi = !c.fichierMulti.empty();
  if (e.multi)
    for (const std::string& nom : multiL.items()) e.noms.push_back(platform::trim(nom));
  // A name=value lookup: the first line of a reference wins, its case ignored.
  for (const std::string& ligne : c.indexPagesProduits) {
    const size_t egal = ligne.find('=');
    if (egal != std::string::npos)
      e.pagesProduits.try_emplace(platform::lowerAscii(ligne.substr(0, egal)),
                                  ligne.substr(egal + 1));
  }
  ecrirePagesNouveautes(e, c.dossier);
}

}  // namespace pages
