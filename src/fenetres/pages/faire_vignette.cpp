#include "fenetres/pages/faire_vignette.h"

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/style_principal.h"
#include "ui/dialogs.h"

namespace pages {

Tvignette1::Tvignette1(app::Programme& programme)
    : ui::Form(programme.application(), "Tvignette1", "vignette1"),
      ecrivain_(programme.donnees(),
                [&programme](const std::string& message) {
                  programme.dialogs().showMessage(message);
                }),
      valeurs(ecrivain_.valeurs),
      style(ecrivain_.style),
      p_(programme) {
  proF.setVisible(false);
}

EntreesCarte Tvignette1::entrees() {
  app::Tmain& main = p_.main();
  const design::TstyleP& sp = p_.styleP();
  EntreesCarte e;
  e.referenceCarte = referenceCarte;
  e.carteFenetre = carteFenetre;
  e.themeStyle = themeStyle;
  e.referenceStyle = referenceStyle;
  e.nomCadre = nomCadre;
  e.indicateurCarteA = indicateurCarteA;
  e.indicateurCarteB = indicateurCarteB;
  e.pageCourante = pageCourante;
  e.apercuArticles = apercuArticles;
  e.motCleFiche = motCleFiche;
  e.copierImport = !main.cartesInitialisees;
  e.options = main.options;
  if (ecrivain_.identiteAttendue()) {
    p_.ident().chargerIdent();
    e.identite = p_.ident().identite;
  }
  e.horsLigne = main.catalC.checked();
  e.imagespanier = sp.imagespanier;
  e.couleur_liens = sp.couleur_liens;
  e.couleur_theme = sp.couleur_theme;
  e.targetS = sp.targetS;
  e.url_cgi = sp.url_cgi.text();
  e.detailsP = sp.detailsP.text();
  e.detailhP = sp.detailhP.text();
  e.url_retour = sp.Turl_retour.text();
  e.themes_d = sp.themes_d;
  e.themescat_d = sp.themescat_d;
  e.titret_c = sp.titret_c;
  e.tableau_c = sp.tableau_c;
  return e;
}

void Tvignette1::styleDeFiche(const std::string& categorie, const std::string& theme,
                              const std::string& reference,
                              const std::function<bool(const std::string&)>& existe) {
  themeStyle = categorie + "_" + theme;
  referenceStyle = reference;
  nomCadre = existe(reference + ".typ")    ? reference
             : existe(themeStyle + ".typ") ? themeStyle
                                           : "defaut";
}

std::optional<platform::LineList> Tvignette1::faireVignette() {
  // Whatever happens to this card, the next caller starts from an ordinary card (a pop-up whose
  // sheet is missing must not turn the following list card into a pop-up), and the fields the
  // writer gives back are back.
  struct Retour {
    Tvignette1& v;
    bool appele = false;
    ~Retour() {
      v.carteFenetre = false;
      if (!appele) return;
      const EntreesCarte& e = v.ecrivain_.entrees();
      v.referenceCarte = e.referenceCarte;
      v.pageCourante = e.pageCourante;
      if (!e.copierImport) v.p_.main().cartesInitialisees = true;
    }
  } retour{*this};
  EntreesCarte e = entrees();
  retour.appele = true;
  return ecrivain_.faireVignette(std::move(e));
}

}  // namespace pages
