#include "fenetres/infopages/faire_accueil.h"

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/style.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/infopages/accueil.h"

namespace infopages {

Tfaire_accueil::Tfaire_accueil(app::Programme& programme) : ui::Form(programme.application(), "Tfaire_accueil", "faire_accueil"), p_(programme) {
}

EntreesPageAccueil Tfaire_accueil::entrees() {
  Taccueil1& accueil = p_.accueil1();
  accueil.ouvre();
  EntreesPageAccueil e;
  e.options = accueil.options;
  e.texte = accueil.MemoTexte.lines();
  e.refs = accueil.listeref.items();
  e.titres = accueil.listetitres.items();
  e.parLigne = accueil.ColPT.text();

  // Each section is loaded as the editor loads it, its item selected; the editor is left on the
  // last one written.
  ui::CheckListBox& rubriques = accueil.rubriques;
  e.listeRubriques = rubriques.count() > 0;
  if (e.options.espaceYES != "non" && e.listeRubriques) {
    rubriques.setItemIndex(0);
    accueil.ouvrerubrique("Titre");
    for (size_t i = 0; i < rubriques.items().size(); ++i) {
      if (!rubriques.checked(i)) continue;
      const std::string nom = rubriques.items()[i];
      rubriques.setItemIndex(static_cast<int>(i));
      accueil.ouvrerubrique(nom);
      e.rubriques.push_back({nom, accueil.rubrique, accueil.memoR.lines()});
    }
  }

  app::Tmain& main = p_.main();
  const app::TOptionsProgramme& programme = main.options.options;
  e.accueil_titre = programme.accueil_titre;
  e.accueil_cache = programme.accueil_cache;
  e.coul_scroll = programme.coul_scroll;
  e.image_rubriques = programme.image_rubriques;
  e.police_defaut = programme.police_defaut;
  e.nomB = p_.ident().identite.nomB;
  const design::TstyleP& style = p_.styleP();
  e.fond_page = style.fond_page;
  e.image_page = style.image_page;
  e.fixe_page = style.fixe_page;
  e.couleur_copyr = style.couleur_copyr;
  e.menubp_c = style.menubp_c;
  e.coul_liens = p_.Form1().style.coul_liens;
  e.frames = main.options.frames == "oui";
  e.accueil_pub = main.accueil_pub.lines();
  e.pub1_pub = main.pub1_pub.lines();
  e.pub2_pub = main.pub2_pub.lines();
  e.pub3_pub = main.pub3_pub.lines();
  e.copyE = main.copyE.text();
  return e;
}

void Tfaire_accueil::accueilHTM() {
  ecrirePageAccueil(entrees(), p_.donnees(), [this] { return p_.main().ecrireCadrePage(); });
}

}  // namespace infopages
