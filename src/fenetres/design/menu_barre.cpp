// The switches and sizes of the top bar and the menu frame, their backgrounds, imports and the
// side dialogs of the menu editor. The display (afficherMenu) sets these controls from the
// options: their handlers then do nothing, so showing never writes nor warns.

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/fond.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/saisie_couleur.h"
#include "fenetres/design/style_principal.h"
#include "platform/text.h"

#include <algorithm>
#include <cctype>

namespace design {

namespace {

const char* ouiNon(bool oui) { return oui ? "oui" : "non"; }

bool chiffre(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// A width or height typed in an edit: digits only; no digit at all is 0; a mixed text nothing.
std::optional<std::string> dimension(const std::string& texte) {
  if (std::none_of(texte.begin(), texte.end(), chiffre)) return std::string("0");
  if (std::all_of(texte.begin(), texte.end(), chiffre)) return texte;
  return std::nullopt;
}

}  // namespace

void Tmenu1::lierBarre() {
  const std::pair<ui::CheckBox*, std::string TOptionsMenu::*> interrupteurs[] = {
      {&Tadresse, &TOptionsMenu::adresse_top},   {&Tdate, &TOptionsMenu::date_top},
      {&Tbandeau, &TOptionsMenu::bandeau_top},   {&Tdelais, &TOptionsMenu::delais_top},
      {&Tconditions, &TOptionsMenu::conditions_top}, {&Tecrire, &TOptionsMenu::ecrire_top},
      {&Tsecur, &TOptionsMenu::secur_top},       {&Temploi, &TOptionsMenu::emploi_top},
      {&az, &TOptionsMenu::az_top},              {&Mcentre, &TOptionsMenu::menu_centre},
      {&Tcentre, &TOptionsMenu::top_centre},     {&colleBOX, &TOptionsMenu::colle_cv}};
  for (auto [boite, cle] : interrupteurs)
    boite->onClick = [this, boite, cle] {
      if (!affichageEnCours) options.*cle = ouiNon(boite->checked());
    };
  titres.onClick = [this] { titresClick(); };
  Tadresse_color.onClick = [this] { Tadresse_colorMouseDown(); };
  Tdate_color.onClick = [this] { Tdate_colorMouseDown(); };
  largeur_num.onChange = [this] { largeur_numChange(); };
  hauteur_num.onChange = [this] { hauteur_numChange(); };
  largeur_frameE.onChange = [this] { hauteur_numChange(); };
  largeur_B.onChange = [this] { largeur_BChange(); };
  logotop.onClick = [this] { logotopClick(); };
  importHTM.onClick = [this] { importHTMClick(); };
  importTOP.onClick = [this] { importTOPClick(); };
  recherche.onClick = [this] { rechercheClick(); };
  Rmenu.onClick = [this] { RmenuClick(); };
  Rtop.onClick = [this] { RtopClick(); };
  SpeedButton1.onClick = [this] { SpeedButton1Click(); };
  SpeedButton2.onClick = [this] { SpeedButton2Click(); };
  SpeedButton3.onClick = [this] { SpeedButton3Click(); };
  fixe.onClick = [this] { fixeClick(); };
  av_mod.onClick = [this] { av_modClick(); };
  onDeactivate = [this] { FormDeactivate(); };
}

void Tmenu1::titresClick() {
  if (!affichageEnCours) options.famille_titre = titres.checked() ? "0" : "1";
}

void Tmenu1::couleurTop(std::string TOptionsMenu::*cle) {
  std::optional<std::string> choisie = choisirCouleur(ColorDialog, options.*cle);
  if (!choisie) return;
  options.*cle = *choisie;
  afficherMenu();
}

void Tmenu1::Tadresse_colorMouseDown() { couleurTop(&TOptionsMenu::adresse_top_color); }
void Tmenu1::Tdate_colorMouseDown() { couleurTop(&TOptionsMenu::date_top_color); }

void Tmenu1::largeur_numChange() {
  if (affichageEnCours) return;
  auto valeur = dimension(largeur_num.text());
  if (!valeur) return;
  options.largeur_menu = *valeur;
  if (largeur_num.text().empty() || *valeur == "0") return;
  for (ui::Panel* p : {&fam, &nfam})
    p->setBounds(p->left(), p->top(), std::stoi(*valeur), p->height());
  afficherMenu();
}

// Bound to the frame width too, it always reads the top height.
void Tmenu1::hauteur_numChange() {
  if (affichageEnCours) return;
  auto valeur = dimension(hauteur_num.text());
  if (!valeur) return;
  options.hauteur_top = *valeur;
  if (!hauteur_num.text().empty() && *valeur != "0") afficherMenu();
}

void Tmenu1::largeur_BChange() {
  if (affichageEnCours) return;
  const bool bandeau = elementCourant == "Bandeau";
  if (!bandeau && elementCourant != "Top - Textes") return;
  const std::string& texte = largeur_B.text();
  if (!std::all_of(texte.begin(), texte.end(), chiffre))
    dialogs().showMessage(bandeau ? "Erreur de saisie menu [7]" : "Erreur de saisie menu [8]");
  auto valeur = dimension(texte);
  if (valeur) (bandeau ? options.largeur_bandeau : options.largeur_cv) = *valeur;
}

// The top frame is made at least as high as the logo's button.
void Tmenu1::logotopClick() {
  if (affichageEnCours) return;
  if (!logotop.checked()) {
    options.logo_top = "non";
    return;
  }
  options.logo_top = "oui";
  if (options.bouton1_logo.empty()) return;
  const long long logo = platform::toInteger(options.hauteur_logo).value_or(0);
  const long long haut = platform::toInteger(hauteur_num.text()).value_or(0);
  if (logo <= haut) return;
  hauteur_num.setText(options.hauteur_logo);
  options.hauteur_top = hauteur_num.text();
}

void Tmenu1::importer(ui::CheckBox& boite, std::string& cle, const char* fichier,
                      const char* message) {
  if (affichageEnCours) return;
  cle = "non";
  if (!boite.checked()) return;
  cle = "oui";
  if (p_.donnees().exists(fichier)) return;
  dialogs().showMessage(message + p_.chemin(fichier).string());
  cle = "non";
  boite.setChecked(false);
}

void Tmenu1::importHTMClick() {
  importer(importHTM, options.menuHTM, "import/menu.htm",
           "Aucun menu à importer n'est présent dans le répertoire ");
}

void Tmenu1::importTOPClick() {
  importer(importTOP, options.topHTM, "import/top.htm",
           "Aucun menu top à importer n'est présent dans le répertoire ");
}

void Tmenu1::rechercheClick() {
  static const char* const valeurs[] = {"aucune", "top", "menu"};
  const int i = recherche.itemIndex();
  if (i >= 0 && i < 3) options.recherche_top = valeurs[i];
}

void Tmenu1::RmenuClick() { afficherMenu(); }
void Tmenu1::RtopClick() { afficherMenu(); }

Tmenu1::FondCible Tmenu1::fondCible() {
  if (Rtop.checked()) return {options.image_top, options.fond_couleur_top, options.fixe_top};
  return {options.image_menu, options.fond_couleur_menu, options.fixe_menu};
}

void Tmenu1::SpeedButton2Click() {
  p_.fonds().appelantImage = Rtop.checked() ? "top" : "menu";
  p_.fonds().show();
  p_.main().PageControl1.setActivePage(p_.main().menus);
  afficherMenu();
}

void Tmenu1::imageFondChoisie(bool top, const std::string& nom) {
  (top ? options.image_top : options.image_menu) = nom;
  (top ? options.fond_couleur_top : options.fond_couleur_menu).clear();
  afficherFond();
}

void Tmenu1::SpeedButton1Click() {
  FondCible cible = fondCible();
  if (std::optional<std::string> choisie = choisirCouleur(ColorDialog, cible.couleur)) {
    for (ui::Image* i : {&cadre, &ImageGIF2}) {
      i->clearPicture();
      i->setColour(couleurUi(*choisie));
    }
    cible.couleur = *choisie;
    cible.image.clear();
    options.angle_color = *choisie;
  }
  afficherMenu();
}

void Tmenu1::SpeedButton3Click() {
  const TstyleP& style = p_.styleP();
  FondCible cible = fondCible();
  cible.image = style.image_page;
  cible.couleur = style.fond_page;
  cible.fixe = style.fixe_page;
  afficherMenu();
}

void Tmenu1::fixeClick() {
  if (!affichageEnCours) fondCible().fixe = ouiNon(fixe.checked());
}

void Tmenu1::av_modClick() {
  elementCourant = "Top - Textes";
  style.setItemIndex(style.indexOf(elementCourant));
  if (imageT.itemIndex() == 1) policesWindowsDemandees = true;
  afficherMenu();
}

void Tmenu1::FormDeactivate() { p_.main().PageControl1.setActivePage(0); }

}  // namespace design
