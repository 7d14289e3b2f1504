#include "fenetres/design/style_principal.h"

#include "fenetres/app/fenetre_options_programme.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/fond.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/saisie_couleur.h"
#include "modele/design/hexa.h"
#include "platform/text.h"
#include "ui/layout.h"

namespace design {

// --- the file ---

namespace {

using T = TStylePrincipal;
using R = RegleStyleP;

const CleStyleP kCles[] = {
    {"produit", &T::produit, R::NonVide},
    {"livres", &T::livres, R::NonVide},
    {"audio", &T::audio, R::NonVide},
    {"services", &T::services, R::NonVide},
    {"auteur", &T::auteur, R::NonVide},
    {"chanteur", &T::chanteur, R::NonVide},
    {"articles", &T::articles, R::NonVide},
    {"auteurs", &T::auteurs, R::NonVide},
    {"plan", &T::plan, R::Toujours},
    {"plan_size", &T::plan_size, R::NonVide},
    {"texte_suite", &T::texte_suite, R::NonVide},
    {"texte_haut_page", &T::texte_haut_page, R::NonVide},
    {"texte_accueilP", &T::texte_accueilP, R::NonVide},
    {"texte_themesP", &T::texte_themesP, R::NonVide},
    {"texte_detailsP", &T::texte_detailsP, R::NonVide},
    {"texte_detailhP", &T::texte_detailhP, R::NonVide},
    {"police", &T::police, R::Police},
    {"fond_page", &T::fond_page, R::NonVide},
    {"couleur_liens", &T::couleur_liens, R::NonVide},
    {"couleur_cat", &T::couleur_cat, R::NonVide},
    {"couleur_theme", &T::couleur_theme, R::NonVide},
    {"couleur_copyr", &T::couleur_copyr, R::NonVide},
    {"image_page", &T::image_page, R::NonVide},
    {"fixe_page", &T::fixe_page, R::NonVide},
    {"suivante", &T::suivante, R::NonVide},
    {"liens_internes", &T::liens_internes, R::NonVide},
    {"moteur_recherche", &T::moteur_recherche, R::NonVide},
    {"retour_multi", &T::retour_multi, R::NonVide},
    {"themes_d", &T::themes_d, R::NonVide},
    {"themescat_d", &T::themescat_d, R::NonVide},
    {"themes_c", &T::themes_c, R::NonVide},
    {"menubp_c", &T::menubp_c, R::NonVide},
    {"titret_c", &T::titret_c, R::NonVide},
    {"tableau_c", &T::tableau_c, R::NonVide},
    {"ecotaxe", &T::ecotaxe, R::NonVide},
    {"poids", &T::poids, R::NonVide},
    {"imagespanier", &T::imagespanier, R::NonVide},
    {"fleche_c", &T::fleche_c, R::NonVide},
    {"scrm_c", &T::scrm_c, R::NonVide},
    {"scrt_c", &T::scrt_c, R::NonVide},
    {"url_cgi", &T::url_cgi, R::NonVide},
    {"url_panier", &T::url_panier, R::NonVide},
    {"url_moteur_recherche", &T::url_moteur_recherche, R::NonVide},
    {"targetS", &T::targetS, R::NonVide},
    {"url_retour_multi", &T::url_retour_multi, R::NonVide},
    {"securus", &T::securus, R::Oui},
};

template <size_t N>
void remplacerAncienne(std::string& url, const char* const (&anciennes)[N], const char* actuelle) {
  for (const char* ancienne : anciennes)
    if (url == ancienne) url = actuelle;
}

}  // namespace

std::span<const CleStyleP> clesStyleP() { return kCles; }

int indexPolice(std::string_view valeur) { return platform::toInteger(valeur) == 1 ? 1 : 0; }

void lireStyleP(const platform::LineList& lignes, TStylePrincipal& style) {
  platform::forEachKeyValue(lignes, [&style](std::string_view cle, std::string_view valeur) {
    // The older name of the site-map text, applied like plan (even empty); its own old default
    // changes nothing.
    if (cle == "liste_complete") {
      if (valeur != "Liste Complète") style.plan = valeur;
      return;
    }
    for (const CleStyleP& c : kCles) {
      if (cle != c.cle) continue;
      std::string& champ = style.*c.champ;
      switch (c.regle) {
        case R::NonVide:
          if (!valeur.empty()) champ = valeur;
          break;
        case R::Toujours:
          champ = valeur;
          break;
        case R::Police:
          champ = std::to_string(indexPolice(valeur));
          break;
        case R::Oui:
          if (valeur == "yes") champ = "yes";
          break;
      }
      break;
    }
  });
  remplacerAncienne(style.url_cgi, kAnciensUrlCgi, kUrlCgiDefaut);
  remplacerAncienne(style.url_panier, kAnciensUrlPanier, kUrlPanierDefaut);
}

TStylePrincipal chargerStyleP(const platform::DataFolder& dossier, TStylePrincipal depart) {
  if (dossier.exists("styleP")) lireStyleP(platform::LineList::load(dossier.path("styleP")), depart);
  return depart;
}

platform::LineList lignesStyleP(const TStylePrincipal& style) {
  platform::LineList lignes;
  for (const CleStyleP& c : kCles) {
    if (c.regle == R::Oui)
      lignes.add(std::string(c.cle) + (style.*c.champ == "yes" ? "=yes" : "=no"));
    else
      lignes.add(std::string(c.cle) + "=" + style.*c.champ);
  }
  return lignes;
}

void sauveP(const platform::DataFolder& dossier, const TStylePrincipal& style) {
  lignesStyleP(style).save(dossier.path("styleP"));
}

void sauverFrames(const platform::DataFolder& dossier, std::string_view frames) {
  platform::LineList{"frames=" + std::string(frames)}.save(dossier.path("frames.inf"));
}

// --- the window ---

namespace {

// The settings held in edits.
struct ChampEdit {
  std::string TStylePrincipal::*champ;
  ui::Edit TstyleP::*edit;
};
const ChampEdit kEdits[] = {
    {&T::produit, &TstyleP::produits},        {&T::livres, &TstyleP::livres},
    {&T::audio, &TstyleP::audio},             {&T::services, &TstyleP::services},
    {&T::auteur, &TstyleP::auteur},           {&T::chanteur, &TstyleP::chanteur},
    {&T::articles, &TstyleP::articles},       {&T::auteurs, &TstyleP::listeP},
    {&T::plan, &TstyleP::completeP},          {&T::plan_size, &TstyleP::plan_sizeP},
    {&T::texte_suite, &TstyleP::suiteP},      {&T::texte_haut_page, &TstyleP::hautP},
    {&T::texte_accueilP, &TstyleP::accueilP}, {&T::texte_themesP, &TstyleP::themesP},
    {&T::texte_detailsP, &TstyleP::detailsP}, {&T::texte_detailhP, &TstyleP::detailhP},
};

// The settings held in variables of the window.
struct ChampVariable {
  std::string TStylePrincipal::*champ;
  std::string TstyleP::*variable;
};
const ChampVariable kVariables[] = {
    {&T::fond_page, &TstyleP::fond_page},
    {&T::couleur_liens, &TstyleP::couleur_liens},
    {&T::couleur_cat, &TstyleP::couleur_cat},
    {&T::couleur_theme, &TstyleP::couleur_theme},
    {&T::couleur_copyr, &TstyleP::couleur_copyr},
    {&T::image_page, &TstyleP::image_page},
    {&T::fixe_page, &TstyleP::fixe_page},
    {&T::suivante, &TstyleP::suivante},
    {&T::liens_internes, &TstyleP::liens_internes},
    {&T::moteur_recherche, &TstyleP::moteur_recherche},
    {&T::retour_multi, &TstyleP::retour_multi},
    {&T::themes_d, &TstyleP::themes_d},
    {&T::themescat_d, &TstyleP::themescat_d},
    {&T::themes_c, &TstyleP::themes_c},
    {&T::menubp_c, &TstyleP::menubp_c},
    {&T::titret_c, &TstyleP::titret_c},
    {&T::tableau_c, &TstyleP::tableau_c},
    {&T::ecotaxe, &TstyleP::ecotaxe},
    {&T::poids, &TstyleP::poids},
    {&T::imagespanier, &TstyleP::imagespanier},
    {&T::fleche_c, &TstyleP::fleche_c},
    {&T::scrm_c, &TstyleP::scrm_c},
    {&T::scrt_c, &TstyleP::scrt_c},
    {&T::url_panier, &TstyleP::url_panier},
    {&T::url_moteur_recherche, &TstyleP::url_moteur_recherche},
    {&T::targetS, &TstyleP::targetS},
    {&T::url_retour_multi, &TstyleP::url_retour_multi},
};

// The "oui"/"non" options and their boxes.
struct Option {
  ui::CheckBox TstyleP::*boite;
  std::string TstyleP::*variable;
};
const Option kOptions[] = {
    {&TstyleP::fixe, &TstyleP::fixe_page},
    {&TstyleP::suite, &TstyleP::suivante},
    {&TstyleP::internes, &TstyleP::liens_internes},
    {&TstyleP::mrB, &TstyleP::moteur_recherche},
    {&TstyleP::themes, &TstyleP::themes_d},
    {&TstyleP::themescat, &TstyleP::themescat_d},
    {&TstyleP::thC, &TstyleP::themes_c},
    {&TstyleP::menubpC, &TstyleP::menubp_c},
    {&TstyleP::titreTC, &TstyleP::titret_c},
    {&TstyleP::multC, &TstyleP::tableau_c},
    {&TstyleP::ecotaxeC, &TstyleP::ecotaxe},
    {&TstyleP::poidsC, &TstyleP::poids},
    {&TstyleP::imagespanierC, &TstyleP::imagespanier},
    {&TstyleP::flecheTC, &TstyleP::fleche_c},
    {&TstyleP::scrmC, &TstyleP::scrm_c},
    {&TstyleP::scrtC, &TstyleP::scrt_c},
};

// The address edits and the variables they feed.
struct Adresse {
  ui::Edit TstyleP::*edit;
  std::string TstyleP::*variable;
};
const Adresse kAdresses[] = {
    {&TstyleP::Turl_panier, &TstyleP::url_panier},
    {&TstyleP::Turl_mr, &TstyleP::url_moteur_recherche},
    {&TstyleP::Turl_retour, &TstyleP::url_retour_multi},
    {&TstyleP::targetE, &TstyleP::targetS},
};

const char* const kAvertissementPolice =
    "ATTENTION : de nombreuses\r"
    "polices Windows risquent de\r"
    "n'être pas compatibles avec\r"
    "l'ensemble du réseau Internet,\r"
    "en particulier au niveau des\r"
    "accents. Si vous n'êtes pas sûr,\r"
    "il est préférable de choisir WEB.\r";

// Restores the cursor however the command ends.
class Sablier {
 public:
  explicit Sablier(ui::Application& application) : application_(application) {
    application_.setCursor(ui::Cursor::HourGlass);
  }
  ~Sablier() { application_.setCursor(ui::Cursor::Default); }
  Sablier(const Sablier&) = delete;
  Sablier& operator=(const Sablier&) = delete;

 private:
  ui::Application& application_;
};

}  // namespace

TstyleP::TstyleP(app::Programme& programme)
    : ui::Form(programme.application(), "TstyleP", "styleP"), p_(programme) {
  setBounds(0, 0, 550, 400);
  panelOver = &p_.main().PageControl1;
  disposer();
  web.setItems({"Web", "Windows"});
  articles.labelCaption = "Articles :";
  listeP.labelCaption = "Liste :";
  completeP.labelCaption = "Plan :";
  detailhP.labelCaption = "Savoir plus :";
  url_cgi.labelCaption = "URL CGI :";
  Turl_panier.labelCaption = "URL Panier :";
  Turl_retour.labelCaption = "URL retour (multiboutiques) :";
  targetE.labelCaption = "Target :";
  for (const CouleurTexte& c : couleursTexte()) {
    (this->*c.nuancier).setBrushColour(c.neutre);
    (this->*c.nuancier).onClick = [this, &c] { choisirCouleurTexte(c); };
    (this->*c.boite).onClick = [this, &c] { decocherCouleurTexte(c); };
  }
  for (const Option& o : kOptions)
    (this->*o.boite).onClick = [this, &o] {
      this->*o.variable = (this->*o.boite).checked() ? "oui" : "non";
    };
  for (const Adresse& a : kAdresses)
    (this->*a.edit).onChange = [this, &a] { this->*a.variable = (this->*a.edit).text(); };

  onShow = [this] { FormShow(); };
  onActivate = [this] { FormActivate(); };
  onDeactivate = [this] { FormDeactivate(); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
  auteur.onChange = [this] { auteurChange(); };
  web.onClick = [this] { webClick(); };
  framesC.onClick = [this] { framesCClick(); };
  bshow.onClick = [this] { bshowClick(); };
  tarvioB.onClick = [this] { tarvioBClick(); };
  SpeedButton1.onClick = [this] { SpeedButton1Click(); };
  SpeedButton2.onClick = [this] { SpeedButton2Click(); };
  SpeedButton3.onClick = [this] { SpeedButton3Click(); };

  chargerStyleP();
}

// Fixed widths make the rows of each group (the window holds 524 pixels across).
void TstyleP::disposer() {
  using ui::setSize;
  for (ui::GroupBox* g : {&famillesG, &libellesG, &optionsG, &adressesG}) setSize(*g, 524);
  for (ui::Edit* e : {&produits, &livres, &audio, &services}) setSize(*e, 125);
  auteur.labelCaption = "Auteur :";
  chanteur.labelCaption = "Interprète :";
  plan_sizeP.labelCaption = "Taille :";
  suiteP.labelCaption = "Suite :";
  hautP.labelCaption = "Haut de page :";
  accueilP.labelCaption = "Accueil :";
  themesP.labelCaption = "Thèmes :";
  detailsP.labelCaption = "Détails :";
  Turl_mr.labelCaption = "URL moteur :";
  for (ui::Edit* e : {&auteur, &chanteur, &articles, &listeP}) setSize(*e, 88);
  setSize(completeP, 100);
  setSize(plan_sizeP, 40);
  for (ui::Edit* e : {&suiteP, &accueilP, &themesP, &detailsP}) setSize(*e, 78);
  for (ui::Edit* e : {&hautP, &detailhP}) setSize(*e, 90);
  setSize(web, 96);
  setSize(fondG, 200);
  setSize(cadre, 32, 50);
  for (ui::Button* b : {&SpeedButton1, &SpeedButton2, &SpeedButton3}) setSize(*b, 48);
  setSize(couleursG, 220);
  for (ui::CheckBox* c : {&Tliens, &Tcat, &Ttheme, &Tcopyr}) setSize(*c, 78);
  for (ui::Shape* s : {&Tliens_color, &Tcat_color, &Ttheme_color, &Tcopyr_color})
    setSize(*s, 18, 18);
  for (ui::Edit* e : {&url_cgi, &Turl_panier}) setSize(*e, 170);
  setSize(Turl_mr, 164);
  setSize(Turl_retour, 250);
  setSize(targetE, 100);
  for (ui::Button* b : {&tarvioB, &BitBtn1}) setSize(*b, 75);
}

std::span<const TstyleP::CouleurTexte> TstyleP::couleursTexte() {
  static const CouleurTexte couleurs[] = {
      {&TstyleP::couleur_liens, &TstyleP::Tliens, &TstyleP::Tliens_color, ui::clBlue},
      {&TstyleP::couleur_cat, &TstyleP::Tcat, &TstyleP::Tcat_color, ui::clGray},
      {&TstyleP::couleur_theme, &TstyleP::Ttheme, &TstyleP::Ttheme_color, ui::clBlack},
      {&TstyleP::couleur_copyr, &TstyleP::Tcopyr, &TstyleP::Tcopyr_color, ui::clNavy},
  };
  return couleurs;
}

TStylePrincipal TstyleP::valeurs() const {
  TStylePrincipal s;
  for (const ChampEdit& e : kEdits) s.*e.champ = (this->*e.edit).text();
  for (const ChampVariable& v : kVariables) s.*v.champ = this->*v.variable;
  s.police = std::to_string(web.itemIndex());
  s.url_cgi = url_cgi.text();
  s.targetS = targetE.text();
  s.securus = securus.checked() ? "yes" : "no";
  return s;
}

void TstyleP::chargerStyleP() {
  avertissementActif = false;
  web.setItemIndex(0);
  securus.setChecked(false);
  indicateurPageCatalogue = "non";
  // The edits keep their text where the file says nothing; the variables start from defaults.
  TStylePrincipal depart;
  for (const ChampEdit& e : kEdits) depart.*e.champ = (this->*e.edit).text();
  TStylePrincipal lu = depart;
  try {
    lu = design::chargerStyleP(p_.donnees(), depart);
  } catch (const platform::FileError& e) {
    reportError(e);
  }
  // Also at start-up, outside any handler: a stored colour that is no colour is told, and the
  // program starts.
  try {
    appliquer(lu);
  } catch (const platform::IntegerError& e) {
    reportError(e);
  }
}

void TstyleP::appliquer(const TStylePrincipal& s) {
  for (const ChampEdit& e : kEdits) (this->*e.edit).setText(s.*e.champ);
  web.setItemIndex(indexPolice(s.police));
  if (s.securus == "yes") securus.setChecked(true);
  for (const ChampVariable& v : kVariables) this->*v.variable = s.*v.champ;
  url_cgi.setText(s.url_cgi);

  for (const Option& o : kOptions) {
    // Any other value leaves the box as it is.
    const std::string valeur = this->*o.variable;
    if (valeur == "oui") (this->*o.boite).setChecked(true);
    if (valeur == "non") (this->*o.boite).setChecked(false);
  }
  for (const Adresse& a : kAdresses) (this->*a.edit).setText(this->*a.variable);
  // Colours last: one that is no colour stops the rest.
  montrerFond();
  for (const CouleurTexte& c : couleursTexte()) {
    const std::string& couleur = this->*c.couleur;
    if (couleur.empty()) continue;
    (this->*c.nuancier).setBrushColour(couleurUi(couleur));
    (this->*c.boite).setChecked(true);
  }
}

// An image of fonds/ that exists wins over the colour; a colour wins over an image that does not.
void TstyleP::montrerFond() {
  if (!image_page.empty()) {
    std::filesystem::path image = cheminFond(image_page);
    if (!image.empty() && platform::fileExists(image)) {
      cadre.loadPicture(image);
      fond_page.clear();
    }
  }
  if (!fond_page.empty()) {
    cadre.clearPicture();
    cadre.setColour(couleurUi(fond_page));
    image_page.clear();
  }
}

// A name read from styleP stays inside fonds/; any other name is no image of ours ("" here).
std::filesystem::path TstyleP::cheminFond(const std::string& nom) const {
  if (!platform::safeRelativePath(nom)) return {};
  try {
    return p_.chemin("fonds/" + nom);
  } catch (const platform::FileError&) {
    return {};
  }
}

void TstyleP::sauveP() { design::sauveP(p_.donnees(), valeurs()); }

void TstyleP::imageFondChoisie(const std::string& nom) {
  image_page = nom;
  cadre.loadPicture(cheminFond(nom));
  fond_page.clear();
}

// --- window events ---

void TstyleP::FormShow() {
  chargerStyleP();
  avertissementActif = true;
  auto& main = p_.main();
  std::string& frames = main.options.frames;
  // An imported index is a frameset page: the choice is forced while Import is ticked, and given
  // back once it is not.
  if (main.importC.checked()) {
    frames = "oui";
    framesC.setChecked(false);
    framesC.setEnabled(false);
  } else {
    framesC.setEnabled(true);
  }
  if (frames == "non") {
    framesC.setChecked(true);
    scrmC.hide();
    scrtC.hide();
  } else if (frames == "oui") {
    framesC.setChecked(false);
    scrmC.show();
    scrtC.show();
  }
}

void TstyleP::FormActivate() {
  p_.fonds().appelantImage.clear();
  auto& main = p_.main();
  setBounds(main.left() + main.PageControl1.left() + 14, main.top() + main.PageControl1.top() + 80,
            width(), height());
  main.PageControl1.setActivePage(main.style_P);
}

void TstyleP::FormDeactivate() {
  try {
    sauveP();
  } catch (const platform::FileError& e) {
    reportError(e);
  }
  p_.main().PageControl1.setActivePage(0);
}

// --- handlers ---

void TstyleP::BitBtn1Click() {
  Sablier sablier(p_.application());
  const char* frames = framesC.checked() ? "non" : "oui";
  sauverFrames(p_.donnees(), frames);
  p_.main().options.frames = frames;
  sauveP();
  p_.menu1().chargerMenu();
  p_.menu1().preparerMenu();
  p_.main().afficherFiche();
}

void TstyleP::auteurChange() {
  auto& main = p_.main();
  if (!auteur.text().empty()) main.b_auteur.setCaption("Liste " + auteur.text());
  if (!chanteur.text().empty()) main.b_chanteur.setCaption("Liste " + chanteur.text());
}

void TstyleP::webClick() {
  if (web.itemIndex() == 1 && avertissementActif) dialogs().showMessage(kAvertissementPolice);
}

void TstyleP::framesCClick() {
  if (framesC.checked()) {
    scrmC.hide();
    scrtC.hide();
    menubpC.setChecked(true);
  } else {
    scrmC.show();
    scrtC.show();
  }
}

void TstyleP::bshowClick() {
  dialogs().showMessage(
      "Pensez à reconstruire site complet et à mettre à jour le moteur de recherche après avoir "
      "modifier frames/sans frames");
}

void TstyleP::tarvioBClick() { p_.tarvioini().show(); }

void TstyleP::choisirCouleurTexte(const CouleurTexte& c) {
  std::optional<std::string> choisie = choisirCouleur(ColorDialog1, this->*c.couleur);
  if (!choisie) return;
  this->*c.couleur = *choisie;
  (this->*c.nuancier).setBrushColour(couleurUi(*choisie));
  (this->*c.boite).setChecked(true);
}

void TstyleP::decocherCouleurTexte(const CouleurTexte& c) {
  if ((this->*c.boite).checked()) return;
  (this->*c.couleur).clear();
  (this->*c.nuancier).setBrushColour(c.neutre);
}

void TstyleP::SpeedButton1Click() {
  if (std::optional<std::string> choisie = choisirCouleur(ColorDialog1, fond_page)) {
    fond_page = *choisie;
    cadre.clearPicture();
    cadre.setColour(couleurUi(fond_page));
  }
  image_page.clear();
}

void TstyleP::SpeedButton2Click() {
  p_.fonds().appelantImage = "style_principal";
  p_.fonds().show();
}

void TstyleP::SpeedButton3Click() {
  image_page.clear();
  fond_page.clear();
  cadre.clearPicture();
  cadre.setColour(ui::clWhite);
}

}  // namespace design
