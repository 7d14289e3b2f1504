#include "fenetres/pages/fenetre_options_articles.h"

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/pages/faire_vignette.h"
#include "modele/pages/articles_options.h"
#include "platform/charset.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "ui/dialogs.h"
#include "ui/layout.h"
#include "ui/services.h"

namespace pages {

namespace {

using O = TOptionsArticles;

struct Texte {
  std::string O::*champ;
  ui::Edit TarticlesT::*edit;
};
const Texte kTextes[] = {
    {&O::phrase_articles, &TarticlesT::phrase_articles},
    {&O::police_articles, &TarticlesT::police_articles},
    {&O::couleur_articles, &TarticlesT::couleur_articles},
    {&O::taille_articles, &TarticlesT::taille_articles},
    {&O::phrase_pages, &TarticlesT::phrase_pages},
    {&O::police_pages, &TarticlesT::police_pages},
    {&O::taille_pages, &TarticlesT::taille_pages},
    {&O::flecheE, &TarticlesT::flecheE},
    {&O::phrase_rubriques, &TarticlesT::phrase_rubriques},
    {&O::police_rubriques, &TarticlesT::police_rubriques},
    {&O::couleur_rubriques, &TarticlesT::couleur_rubriques},
    {&O::taille_rubriques, &TarticlesT::taille_rubriques},
};
struct Case {
  std::string O::*champ;
  ui::CheckBox TarticlesT::*caseC;
};
const Case kCases[] = {
    {&O::gras_articles, &TarticlesT::gras_articles},
    {&O::gras_pages, &TarticlesT::gras_pages},
    {&O::rubriquesC, &TarticlesT::rubriquesC},
    {&O::gras_rubriques, &TarticlesT::gras_rubriques},
    {&O::retour, &TarticlesT::retourE},
};

}  // namespace

TarticlesT::TarticlesT(app::Programme& programme)
    : ui::Form(programme.application(), "TarticlesT", "articlesT"), p_(programme) {
  setCaption("Options articles trouvés");
  for (ui::ComboBox* c : {&haligneE, &baligneE}) c->setItems({"center", "left", "right"});
  setBounds(left(), top(), 320, height());
  for (ui::Control* g : std::initializer_list<ui::Control*>{&articlesG, &pagesG, &rubriquesG,
                                                             &alignementG, &boutons})
    ui::setSize(*g, 300);
  // A label and its field fill a row of their group.
  for (ui::Label* l : {&phrase_articlesL, &police_articlesL, &couleur_articlesL, &taille_articlesL,
                       &phrase_pagesL, &police_pagesL, &taille_pagesL, &flecheL,
                       &phrase_rubriquesL, &police_rubriquesL, &couleur_rubriquesL,
                       &taille_rubriquesL, &haligneL, &baligneL})
    ui::setSize(*l, 100, ui::kLineHeight);
  for (const Texte& t : kTextes) ui::setSize(this->*t.edit, 180);
  for (ui::Control* c : std::initializer_list<ui::Control*>{
           &haligneE, &baligneE, &gras_articles, &gras_pages, &gras_rubriques,
           &retourE})
    ui::setSize(*c, 180);
  ui::setSize(rubriquesC, 280);
  onShow = [this] { FormShow(); };
  enrB.onClick = [this] { enrBClick(); };
  voir_vignette.onClick = [this] { voir_vignetteClick(); };
}

TOptionsArticles TarticlesT::lire() const {
  TOptionsArticles o;
  for (const Texte& t : kTextes) o.*t.champ = (this->*t.edit).text();
  for (const Case& c : kCases) o.*c.champ = (this->*c.caseC).checked() ? "oui" : "";
  o.haligne = haligneE.text();
  o.baligne = baligneE.text();
  return o;
}

void TarticlesT::montrer(const TOptionsArticles& o) {
  for (const Texte& t : kTextes) (this->*t.edit).setText(o.*t.champ);
  for (const Case& c : kCases) (this->*c.caseC).setChecked(o.*c.champ == "oui");
  haligneE.setText(o.haligne);
  baligneE.setText(o.baligne);
}

void TarticlesT::FormShow() {
  const std::string& police = p_.main().options.options.police_defaut;
  TOptionsArticles o = defautsOptionsArticles(p_.donnees(), police);
  o.haligne = o.baligne = "center";
  // A key missing from an existing file shows empty, not its default.
  if (p_.donnees().exists("articles.ini"))
    o = lireOptionsArticles(platform::LineList::load(p_.chemin("articles.ini")));
  montrer(o);
}

void TarticlesT::sauver() { lignesOptionsArticles(lire()).save(p_.chemin("articles.ini")); }

void TarticlesT::enrBClick() { sauver(); }

void TarticlesT::voir_vignetteClick() {
  if (!p_.donnees().exists("vignette.htm")) {
    p_.dialogs().showMessage(kFicheActiveAbsente);
    return;
  }
  sauver();
  app::Tmain& main = p_.main();
  Tvignette1& v = p_.vignette1();
  v.apercuArticles = true;
  v.indicateurCarteA = true;
  v.indicateurCarteB = true;
  // The open sheet's card, rather than whichever card was written last.
  if (!main.referencer.text().empty()) v.referenceCarte = main.referencer.text();
  v.pageCourante = main.Lhtm.caption();
  auto carte = v.faireVignette();
  if (!carte || !p_.donnees().exists("vignette.htm")) {
    p_.dialogs().showMessage(kFicheActiveAbsente);
    return;
  }
  const design::TstyleP& style = p_.styleP();
  const std::string corps =
      style.image_page.empty()
          ? "<BODY bgcolor=\"" + style.fond_page + "\">"
          : "<BODY background=\"" + p_.chemin("ftp/" + style.image_page).string() + "\">";
  platform::LineList lignes = platform::LineList::load(p_.chemin("vignette.htm"));
  if (lignes.empty()) lignes.add("");
  lignes[0] = corps + "<center>" + lignes[0];
  lignes.insert(0, platform::kCharsetMeta);
  lignes.insert(0, "<HTML>");
  lignes.add("</center></BODY></HTML>");
  lignes.save(p_.chemin("vignette.htm"));
  p_.shell().open(p_.chemin("vignette.htm").string());
}

}  // namespace pages
