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

EntreesCarte Tvignette1::entreesPropres() {
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
  e.copierImport = !p_.main().cartesInitialisees;
  return e;
}

FenetresCarte Tvignette1::fenetres() {
  app::Tmain& main = p_.main();
  const design::TstyleP& sp = p_.styleP();
  FenetresCarte f;
  f.options = main.options;
  if (ecrivain_.identiteAttendue()) {
    p_.ident().chargerIdent();
    f.identite = p_.ident().identite;
  }
  f.horsLigne = main.catalC.checked();
  f.imagespanier = sp.imagespanier;
  f.couleur_liens = sp.couleur_liens;
  f.couleur_theme = sp.couleur_theme;
  f.targetS = sp.targetS;
  f.url_cgi = sp.url_cgi.text();
  f.detailsP = sp.detailsP.text();
  f.detailhP = sp.detailhP.text();
  f.url_retour = sp.Turl_retour.text();
  f.themes_d = sp.themes_d;
  f.themescat_d = sp.themescat_d;
  f.titret_c = sp.titret_c;
  f.tableau_c = sp.tableau_c;
  return f;
}

EntreesCarte Tvignette1::entrees() {
  EntreesCarte e = entreesPropres();
  static_cast<FenetresCarte&>(e) = fenetres();
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

void Tvignette1::ouvrirEquipe(int ouvriers) {
  equipe_ = std::make_unique<EquipeCartes>(ecrivain_, fenetres(), ouvriers);
}

void Tvignette1::demanderVignette() {
  equipe_->demander(entreesPropres());
  carteFenetre = false;
}

std::optional<platform::LineList> Tvignette1::prendreVignette() {
  return equipe_->prendre([this](const std::string& message) { p_.dialogs().showMessage(message); });
}

const TValeursCarte& Tvignette1::derniereCarte() const {
  const EcrivainCartes::Carte* carte = equipe_ ? equipe_->derniere() : nullptr;
  return carte ? carte->valeurs : valeurs;
}

void Tvignette1::fermerEquipe() {
  if (!equipe_) return;
  const bool prise = equipe_->derniere() != nullptr;
  equipe_.reset();
  if (!prise) return;
  const EntreesCarte& e = ecrivain_.entrees();
  referenceCarte = e.referenceCarte;
  pageCourante = e.pageCourante;
}

void Tvignette1::fermerSerie(bool ecrire) {
  fermerEquipe();
  ecrivain_.fermerSerie(ecrire);
}

}  // namespace pages
