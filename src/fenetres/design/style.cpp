#include "fenetres/design/style.h"

#include "fenetres/app/fenetre_options_programme.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/boutons.h"
#include "fenetres/design/ouvre.h"
#include "modele/design/menu_elements.h"
#include "platform/files.h"
#include "ui/layout.h"

namespace design {

namespace {

// The order-button image and text of each entry of type_boxe: the main button, then the variants.
constexpr std::string TStyleFiche::*kImagesBouton[] = {
    &TStyleFiche::bouton_jc, &TStyleFiche::bouton_type1, &TStyleFiche::bouton_type2,
    &TStyleFiche::bouton_type3};
constexpr std::string TStyleFiche::*kTextesBouton[] = {
    &TStyleFiche::texte_jc, &TStyleFiche::texte_type1, &TStyleFiche::texte_type2,
    &TStyleFiche::texte_type3};

}  // namespace

TForm1::TForm1(app::Programme& programme)
    : ui::Form(programme.application(), "TForm1", "Form1"), p_(programme) {
  setCaption("Paramètres de style de la fiche");
  panelOver = &p_.main().PageControl1;
  style_.dropDownList = true;
  style_.setItems({"Titre", "Auteur", "Commentaires", "Image", "Référence", "Liste contenu", "Prix",
                   "Type", "Liens", "Commande", "Introduction"});
  police.setItems({std::begin(kPolicesWeb), std::end(kPolicesWeb)});
  web.setChecked(true);
  Taille.associate = &taille_num;
  taille_num.setReadOnly(true);
  encadrement.setItems({"Arrondi", "Carré", "Aucun"});
  texteBOX.setItems({"Horizontal", "Haut", "Bas"});
  type_boxe.dropDownList = true;
  appli.setItems({"Thème", "Fiche seule", "Défaut", "Toutes"});
  SaveModele.options.defaultExt = "mdl";
  disposer();

  onActivate = [this] { FormActivate(); };
  onDeactivate = [this] { FormDeactivate(); };
  onPaint = [this] { FormPaint(); };
  style_.onChange = [this] { styleChange(); };
  titre1.onClick = [this] { titre1Click(); };
  titre2.onClick = [this] { titre2Click(); };
  speed_trait.onClick = [this] { speed_traitClick(); };
  titre4.onClick = [this] { emphaseClick(0); };
  titre5.onClick = [this] { emphaseClick(1); };
  titre6.onClick = [this] { emphaseClick(2); };
  police.onChange = [this] { policeChange(); };
  Taille.onClick = [this] { TailleClick(); };
  agauche.onClick = [this] { alignementClick("left"); };
  acentre.onClick = [this] { alignementClick("center"); };
  adroite.onClick = [this] { alignementClick("right"); };
  justif.onClick = [this] { alignementClick("justify"); };
  encadrement.onClick = [this] { encadrementClick(); };
  texteBOX.onClick = [this] { texteBOXClick(); };
  largeur_num.onChange = [this] { largeur_numChange(); };
  web.onClick = [this] { webClick(); };
  toutes.onClick = [this] { toutesClick(); };
  jcimage.onClick = [this] { jcimageClick(); };
  jcsoumission.onClick = [this] { jcTexteClick("soumission"); };
  jctexte.onClick = [this] { jcTexteClick("texte"); };
  type_boxe.onChange = [this] { type_boxeChange(); };
  textejc.onChange = [this] { textejcChange(); };
  imjc.onClick = [this] { imjcClick(); };
  appli.onClick = [this] { appliClick(); };
  ok_bouton.onClick = [this] { ok_boutonClick(); };
  BitBtn2.onClick = [this] { BitBtn2Click(); };
  Button3.onClick = [this] { Button3Click(); };
  Button2.onClick = [this] { Button2Click(); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
  tarvioB.onClick = [this] { tarvioBClick(); };
}

// Sizes for the automatic layout: the element, its controls and its preview on the left; the
// frame, the order button, the sheet and its scope on the right; the commands below.
void TForm1::disposer() {
  setBounds(left(), top(), 540, height());
  ui::setSize(style_, 250);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&elementsG, &apercuP, &cadreG,
                                                            &bouton_commande, &appli})
    ui::setSize(*c, 255);
  for (ui::Button* b : {&titre1, &titre2}) ui::setSize(*b, 80);
  for (ui::Button* b : {&titre4, &titre5, &titre6}) ui::setSize(*b, 28);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&policeP, &tailleP, &alignementG})
    ui::setSize(*c, 240);
  ui::setSize(police, 225);
  ui::setSize(taille_num, 40);
  // The tiles, three times their size, make two columns as tall as the preview between them.
  ui::setSize(titre, 203, 40);
  for (ui::Image* i : {&hg, &hd, &bg, &bd}) {
    ui::setSize(*i, 3 * kLargeurCoin, 3 * kHauteurCoin);
    i->stretch = true;
  }
  for (ui::RadioGroup* r : {&encadrement, &texteBOX}) ui::setSize(*r, 118);
  ui::setSize(largeur_num, 50);
  ui::setSize(speed_trait, 60);
  ui::setSize(shape_trait, 20, 20);
  ui::setSize(type_boxe, 150);
  ui::setSize(fondprix, 120);  // as tall as the order button it shows
  ui::setSize(textejc, 150);
  for (ui::Label* l : {&type_fiche, &nom_style, &ref}) ui::setSize(*l, 255);
  ui::setSize(boutonsP, 520);
  for (ui::Button* b : {&ok_bouton, &BitBtn2, &Button3, &Button2, &tarvioB}) ui::setSize(*b, 72);
  ui::setSize(BitBtn1, 115);
}

// --- activation ---

void TForm1::FormActivate() {
  shape_trait.setBounds(speed_trait.left() - 2, speed_trait.top() - 2, speed_trait.width() + 4,
                        speed_trait.height() + 4);
  // The edits of the sheet shown stay while the program runs, another tab visited meanwhile.
  const bool memeFiche = styleModifie() && retenu_->theme == themeStyle &&
                         retenu_->reference == referenceStyle;
  if (!retourBoutons) {
    app::Tmain& main = p_.main();
    setBounds(main.left() + main.PageControl1.left() + 14,
              main.top() + main.PageControl1.top() + 70, width(), height());
    main.PageControl1.setActivePage(main.style_f);
    for (ui::FileDialogOptions* o : {&SaveModele.options, &OuvreModele.options})
      o->initialDir = p_.chemin("modeles");
  }
  if (!retourBoutons && !memeFiche) {
    proposerEnregistrement();
    app::Tmain& main = p_.main();
    std::vector<std::string> items = style_.items();
    items[1] = main.libelleListe.empty() ? "Auteur" : main.libelleListe;
    style_.setItems(std::move(items));
    // A theme imposed with "Thème" holds only while the editor shows that theme.
    if (themeImpose != themeStyle) themeImpose.clear();
    p_.Form2().chargerStyleFiche(true);
    if (!libelleTitre.empty()) titre.setCaption(libelleTitre);
    type_fiche.setCaption(libelleTitre);
    nom_style.setCaption(themeStyle);
    ref.setCaption(referenceStyle);
    appli.setItemIndex(0);
    nomCadre = themeStyle;
    style.type1 = main.type1.text();
    style.type2 = main.type2.text();
    style.type3 = main.type3.text();
    type_boxe.setItems({"Standard", style.type1, style.type2, style.type3});
    type_boxe.setItemIndex(0);
    afficherBouton();
    style_.setItemIndex(0);
    elementCourant = elementDeListe(0, style_.text());
    if (style.type_prix == "image") jcimage.setChecked(true);
    if (style.type_prix == "soumission") jcsoumission.setChecked(true);
    if (style.type_prix == "texte") jctexte.setChecked(true);
    textejc.setText(style.texte_jc);
    elements();
    quantiteDuStyle();
    retenirStyle();
  }
  retourBoutons = false;
}

void TForm1::retenirStyle() { retenu_ = StyleRetenu{style, themeStyle, referenceStyle, nomCadre}; }

void TForm1::proposerEnregistrement() {
  if (!styleModifie()) return;
  if (dialogs().askYesNo("Enregistrer les modifications du style de la fiche ?")) {
    // The edits go to the sheet they were made for, in the scope chosen, as "OK" saves them;
    // the editor then names what it named before.
    const StyleRetenu maintenant{style, themeStyle, referenceStyle, nomCadre};
    themeStyle = retenu_->theme;
    referenceStyle = retenu_->reference;
    nomCadre = retenu_->cadre;
    ok_boutonClick();
    themeStyle = maintenant.theme;
    referenceStyle = maintenant.reference;
    nomCadre = maintenant.cadre;
  }
  retenu_.reset();
}

void TForm1::FormDeactivate() { p_.main().PageControl1.setActivePage(0); }

// --- the order button ---

void TForm1::jcimageClick() {
  imjc.setEnabled(true);
  fondprix.show();
  textejc.setEnabled(false);
  style.type_prix = "image";
  elements();
}

void TForm1::jcTexteClick(const char* typePrix) {
  imjc.setEnabled(false);
  fondprix.hide();
  textejc.setEnabled(true);
  style.type_prix = typePrix;
  elements();
}

void TForm1::afficherBouton() {
  const int i = std::clamp(type_boxe.itemIndex(), 0, 3);
  const std::string nom = style.*kImagesBouton[i];
  // A variant without its image shows none rather than the previous variant's.
  if (!nom.empty() && p_.donnees().exists("boutons/" + nom))
    Image1.loadPicture(p_.chemin("boutons/" + nom));
  else
    Image1.clearPicture();
}

void TForm1::type_boxeChange() {
  afficherBouton();
  textejc.setText(style.*kTextesBouton[std::clamp(type_boxe.itemIndex(), 0, 3)]);
}

void TForm1::textejcChange() {
  style.*kTextesBouton[std::clamp(type_boxe.itemIndex(), 0, 3)] = textejc.text();
}

void TForm1::imjcClick() {
  p_.boutons_view().show();
  p_.main().PageControl1.setActivePage(p_.main().style_f);
}

void TForm1::boutonChoisi(const std::string& nom) {
  style.*kImagesBouton[std::clamp(type_boxe.itemIndex(), 0, 3)] = nom;
  afficherBouton();
}

// --- scope, saves and models ---

void TForm1::nomCadreDePortee() {
  const int i = appli.itemIndex();
  if (i >= 0 && i <= 3)
    nomCadre = nomCadrePourPortee(static_cast<Portee>(i), themeStyle, referenceStyle, nomCadre);
}

void TForm1::appliClick() { nomCadreDePortee(); }

void TForm1::ok_boutonClick() {
  nomCadreDePortee();
  sauverStyleFiche();
}

void TForm1::quantiteDuStyle() {
  if (style.quantite_style == "oui") quantiteB.setChecked(true);
}

void TForm1::BitBtn2Click() {
  struct Sablier {
    ui::Control& c;
    ~Sablier() { c.setCursor(ui::Cursor::Default); }
  } sablier{BitBtn2};
  BitBtn2.setCursor(ui::Cursor::HourGlass);
  nomCadreDePortee();
  // The preview shows what is stored: nothing saved, nothing to show.
  if (sauverStyleFiche()) p_.main().apercuFiche();
  quantiteDuStyle();
}

void TForm1::chargerEtAfficher() {
  p_.Form2().chargerStyleFiche(true);
  elements();
}

void TForm1::Button3Click() {
  themeImpose = themeStyle;
  chargerEtAfficher();
}

void TForm1::Button2Click() {
  if (!OuvreModele.execute()) return;
  fichierModele = OuvreModele.fileName.string();
  struct Oubli {
    std::string& f;
    ~Oubli() { f.clear(); }
  } oubli{fichierModele};
  chargerEtAfficher();
  if (p_.donnees().exists("boutons/" + style.bouton_jc)) {
    Image1.loadPicture(p_.chemin("boutons/" + style.bouton_jc));
    jcimage.setChecked(true);
    type_boxe.setItemIndex(0);
  }
}

void TForm1::BitBtn1Click() {
  struct Remise {
    bool& b;
    ~Remise() { b = false; }
  } remise{sauverModele = false};
  if (!sauverStyleFiche()) return;
  SaveModele.options.fileName = referenceStyle;
  if (!SaveModele.execute()) return;
  if (platform::fileExists(SaveModele.fileName) &&
      dialogs().messageBox(SaveModele.fileName.string() +
                               " modèle déjà existant. Voulez-vous continuer ?",
                           "", ui::MessageKind::Confirmation,
                           ui::Buttons::YesNoCancel) != ui::Answer::Yes)
    return;
  sauverModele = true;
  sauverStyleFiche();
}

void TForm1::tarvioBClick() { p_.tarvioini().show(); }

bool TForm1::sauverStyleFiche() {
  const int index = appli.itemIndex();
  // Without a chosen scope the save is the plain one of the name in force: nothing is deleted.
  const Portee portee = index >= 0 && index <= 3 ? static_cast<Portee>(index) : Portee::FicheSeule;
  if (portee == Portee::Toutes) nomCadre = "defaut";
  elements();
  style.quantite_style = quantiteB.checked() ? "oui" : "";
  if (jcimage.checked())
    style.type_prix = "image";
  else if (jcsoumission.checked())
    style.type_prix = "soumission";
  else if (jctexte.checked())
    style.type_prix = "texte";
  SauvegardeStyle sauvegarde{portee, referenceStyle, nomCadre,
                             sauverModele ? SaveModele.fileName : std::filesystem::path(),
                             p_.main().options.options.separateur()};
  try {
    design::sauverStyleFiche(style, p_.donnees(), sauvegarde);
  } catch (const platform::FileError& e) {
    reportError(e);
    return false;
  }
  retenirStyle();
  return true;
}

}  // namespace design
