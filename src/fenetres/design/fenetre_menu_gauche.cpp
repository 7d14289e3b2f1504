#include "fenetres/design/fenetre_menu_gauche.h"

#include "fenetres/app/programme.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/saisie_couleur.h"
#include "fenetres/frame/apercu.h"
#include "platform/files.h"
#include "platform/text.h"
#include "ui/layout.h"

namespace design {

namespace {

const char* const kCentres[] = {"center", "left", "right"};
const char* const kAlignements[] = {"bas", "haut"};
const char* const kPolices[] = {"Verdana", "Arial", "Times"};

// The index of value in choices, or -1.
template <size_t N>
int rang(const char* const (&choix)[N], const std::string& valeur) {
  for (size_t i = 0; i < N; ++i)
    if (valeur == choix[i]) return static_cast<int>(i);
  return -1;
}

const char* ouiNon(bool oui) { return oui ? "oui" : "non"; }

}  // namespace

TmenuG::TmenuG(app::Programme& programme)
    : ui::Form(programme.application(), "TmenuG", "menuG"), p_(programme) {
  setCaption("Menu Gauche");
  ui::Font titre = GroupBox1.font();
  titre.colour = ui::clRed;
  titre.bold = true;
  GroupBox1.setFont(titre);
  texteAE.labelCaption = "Texte ";
  couleurB.setHint("Couleur");
  tailleAE.dropDownList = true;
  tailleAE.setItems({"1", "2", "3", "4", "5"});
  tailleAE.setItemIndex(0);
  alignementAC.setItems({"Bas", "Haut"});
  policeAE.setItems({"Verdana", "Arial", "Times"});
  centreAC.columns = 3;
  centreAC.setItems({"Centré", "Gauche", "Droit"});
  centreAC.setItemIndex(0);
  // The settings two or three a row in the group, the buttons beside it.
  setBounds(left(), top(), 440, height());
  ui::setSize(GroupBox1, 330);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&texteAE, &centreAC})
    ui::setSize(*c, 318);
  ui::setSize(GroupBox2, 157, 67);
  ui::setSize(GroupBox4, 76, 67);
  ui::setSize(GroupBox5, 77, 67);
  ui::setSize(couleurB, 40);
  ui::setSize(tailleAE, 65);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&alignementAC, &GroupBox3})
    ui::setSize(*c, 157, 67);
  ui::setSize(policeAE, 145);
  for (ui::Button* b : {&BitBtn2, &ok_bouton}) ui::setSize(*b, 75);

  couleurB.onClick = [this] { couleurBClick(); };
  ok_bouton.onClick = [this] { ok_boutonClick(); };
  BitBtn2.onClick = [this] { BitBtn2Click(); };
}

void TmenuG::afficherStyle() {
  TStyleAccueilMenu& s = styleAccueil;
  policeAE.setItemIndex(0);
  texteAE.setText(s.texteAMG);
  souligneAC.setChecked(s.souligneAMG != "non");
  grasAC.setChecked(s.grasAMG == "oui");
  italiqueAC.setChecked(s.italiqueAMG == "oui");
  // Sizes other than 1 to 5 (or not a number) select none; the next save then stores none.
  auto taille = platform::toInteger(s.tailleAMG);
  if (taille && *taille >= 1 && *taille <= tailleAE.count())
    tailleAE.setItemIndex(static_cast<int>(*taille) - 1);
  else
    tailleAE.setText("");
  if (s.centreAMG == "oui" || s.centreAMG.empty()) s.centreAMG = "center";
  if (int i = rang(kCentres, s.centreAMG); i >= 0) centreAC.setItemIndex(i);
  if (int i = rang(kAlignements, s.aligneAMG); i >= 0) alignementAC.setItemIndex(i);
  if (int i = rang(kPolices, s.policeAMG); i >= 0) policeAE.setItemIndex(i);
}

void TmenuG::sauver() {
  TStyleAccueilMenu v;
  v.texteAMG = texteAE.text();
  v.souligneAMG = ouiNon(souligneAC.checked());
  v.grasAMG = ouiNon(grasAC.checked());
  v.italiqueAMG = ouiNon(italiqueAC.checked());
  v.couleurAMG = styleAccueil.couleurAMG;
  v.tailleAMG = tailleAE.selected();
  int centre = centreAC.itemIndex();
  if (centre >= 0 && centre < 3) styleAccueil.centreAMG = kCentres[centre];
  v.centreAMG = styleAccueil.centreAMG;
  int alignement = alignementAC.itemIndex();
  if (alignement >= 0 && alignement < 2) v.aligneAMG = kAlignements[alignement];
  // Only a font of the list is stored: a typed name saves an empty font (the default next time).
  v.policeAMG = policeAE.selected();
  lignesStyleAccueilMenu(v).save(p_.chemin("menuG.inf"));
}

void TmenuG::couleurBClick() {
  if (auto couleur = choisirCouleur(ColorDialog, styleAccueil.couleurAMG))
    styleAccueil.couleurAMG = *couleur;
}

void TmenuG::ok_boutonClick() {
  sauver();
  close();
}

void TmenuG::BitBtn2Click() {
  p_.menu1().sauverMenu();
  sauver();
  frame::apercuSite(p_);
}

}  // namespace design
