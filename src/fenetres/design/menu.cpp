#include "fenetres/design/menu.h"

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/ajout_modele.h"
#include "fenetres/design/fenetre_menu_gauche.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/infopages/fenetre_liste_recherche.h"
#include "platform/files.h"
#include "ui/layout.h"

namespace design {

Tmenu1::Tmenu1(app::Programme& programme)
    : ui::Form(programme.application(), "Tmenu1", "menu1"), p_(programme) {
  setCaption("Style et caractéristiques de la page Menu");
  panelOver = &p_.main().PageControl1;
  famille_order.hide();
  std::vector<std::string> lignes;
  for (const ElementMenu& e : elementsMenu()) lignes.push_back(e.ligne);
  style.setItems(std::move(lignes));
  style.dropDownList = true;
  titre4.setHint("Gras");
  titre5.setHint("Italique");
  titre6.setHint("Souligné");
  alignement.setItems({"Gauche", "Centré", "Droite"});
  alignement.columns = 3;
  web.setChecked(true);
  police.setItems({std::begin(kPolicesWeb), std::end(kPolicesWeb)});
  Taille.associate = &taille_num;
  taille_num.setReadOnly(true);
  encadrement.setItems({"Tableau", "Arrondi", "Transparent", "Aucun"});
  encadrement.columns = 2;
  tirets.maxLength = 3;
  imageT.setItems({"Aucune", "Bouton", "Puce"});
  imageT.columns = 3;
  appli_menu.setItems({"Catégories", "Titres", "Bas"});
  appli_menu.columns = 3;
  overB.setCaption(libelleRollOut);
  texte.hide();  // measures the text of a button
  largeur_B.labelCaption = "Largeur";
  largeur_B.maxLength = 3;
  hauteur_num.labelCaption = "Hauteur";
  hauteur_num.maxLength = 3;
  largeur_num.labelCaption = "Largeur";
  largeur_num.maxLength = 3;
  recherche.setItems({"Aucune", "Top", "Menu"});
  recherche.columns = 3;
  hauteur_frameE.labelCaption = "Hauteur";
  hauteur_frameE.maxLength = 4;
  largeur_frameE.labelCaption = "Largeur";
  largeur_frameE.maxLength = 4;
  Rmenu.setChecked(true);
  // The menu models are kept for their file format but not offered.
  BitBtn1.hide();
  Button2.hide();
  listerB.hide();  // until the quick-choice list has its options file
  for (ui::FileDialogOptions* o : {&SaveModele.options, &OuvreModele.options}) {
    o->initialDir = p_.chemin("modeles");
    o->defaultExt = "mnl";
  }
  disposer();
  // The front end draws GIF previews without dithering: nothing to switch off at creation.

  onPaint = [this] { FormPaint(); };
  style.onChange = [this] { styleChange(); };
  titre1.onClick = [this] { titre1Click(); };
  titre2.onClick = [this] { titre2Click(); };
  speed_trait.onClick = [this] { speed_traitClick(); };
  titre4.onClick = [this] { titre4Click(); };
  titre5.onClick = [this] { titre5Click(); };
  titre6.onClick = [this] { titre6Click(); };
  alignement.onClick = [this] { alignementClick(); };
  police.onChange = [this] { policeChange(); };
  Taille.onClick = [this] { TailleClick(); };
  encadrement.onClick = [this] { encadrementClick(); };
  top_texte.onChange = [this] { top_texteChange(); };
  Rover.onClick = [this] { RoverClick(); };
  deroulante.onClick = [this] { deroulanteClick(); };
  dynamique.onClick = [this] { dynamiqueClick(); };
  web.onClick = [this] { webClick(); };
  toutes.onClick = [this] { toutesClick(); };
  tirets.onChange = [this] { tiretsChange(); };
  styleD.onClick = [this] { styleDClick(); };
  ok_bouton.onClick = [this] { ok_boutonClick(); };
  BitBtn2.onClick = [this] { BitBtn2Click(); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
  Button2.onClick = [this] { Button2Click(); };
  styleAMb.onClick = [this] { styleAMbClick(); };
  accueilC.onClick = [this] { accueilCClick(); };
  listerB.onClick = [this] { listerBClick(); };
  familles.onClick = [this] { famillesClick(); };
  haut.onClick = [this] { hautClick(); };
  bas.onClick = [this] { basClick(); };
  imageT.onClick = [this] { imageTClick(); };
  im1.onClick = [this] { im1Click(); };
  overB.onClick = [this] { overBClick(); };
  rollover.onClick = [this] { rolloverClick(); };
  fitems.onClick = [this] { fitemsClick(); };
  appli_menu.onClick = [this] { appli_menuClick(); };
  horizontal.onChange = [this] { horizontalChange(); };
  vertical.onChange = [this] { verticalChange(); };
  absX.onClick = [this] { absXClick(); };
  transpar.onClick = [this] { transparClick(); };
  imtexte.onClick = [this] { imtexteClick(); };
  gear.onClick = [this] { gearClick(); };
  lierBarre();
  onShow = [this] { FormShow(); };
  onActivate = [this] { FormActivate(); };
}

// Sizes for the automatic layout: the element and the buttons on top, the style controls and
// the previews in two columns, the switches of the top and the menu below.
void Tmenu1::disposer() {
  setBounds(left(), top(), 550, height());
  ui::setSize(ligneBoutons, 520);
  ui::setSize(style, 190);
  for (ui::Button* b : {&ok_bouton, &BitBtn2}) ui::setSize(*b, 75);
  ui::setSize(Llien, 520);

  ui::setSize(overG, 256);
  for (ui::Button* b : {&titre1, &titre2}) ui::setSize(*b, 70);
  for (ui::Button* b : {&titre4, &titre5, &titre6}) ui::setSize(*b, 28);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&alignement, &policeP, &tailleP,
                                                            &encadrement})
    ui::setSize(*c, 242);
  ui::setSize(police, 230);
  ui::setSize(taille_num, 36);
  ui::setSize(shape_trait, 20, 20);
  ui::setSize(tirets1, 110);
  ui::setSize(tirets, 40);

  ui::setSize(apercusP, 256);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&GroupBox6, &GroupBox9, &panelover,
                                                            &top_panel, &texteBOX, &largeB,
                                                            &groupe, &ImageGIF2})
    ui::setSize(*c, 246);
  ui::setSize(familles, 150, 66);
  ui::setSize(fitems, 150, 80);
  for (ui::Button* b : {&haut, &bas}) ui::setSize(*b, 45);
  for (ui::Panel* p : {&nfam, &fam}) ui::setSize(*p, 120, 24);
  ui::setSize(top_panel, 246, 30);
  ui::setSize(top_texte, 230);
  ui::setSize(largeur_B, 60);
  for (ui::RadioGroup* r : {&imageT, &appli_menu}) ui::setSize(*r, 232);
  ui::setSize(alignT, 232);
  for (ui::Edit* e : {&horizontal, &vertical}) ui::setSize(*e, 40);
  ui::setSize(ImageGIF2, 246, 24);

  ui::setSize(topBOX, 520);
  for (ui::Shape* s : {&Tadresse_color, &Tdate_color}) ui::setSize(*s, 14, 14);
  ui::setSize(hauteur_num, 60);
  ui::setSize(menuBOX, 300);
  ui::setSize(largeur_num, 60);
  ui::setSize(importerG, 110);
  ui::setSize(recherche, 230);
  ui::setSize(cadresG, 170);
  for (ui::Edit* e : {&hauteur_frameE, &largeur_frameE}) ui::setSize(*e, 75);
  ui::setSize(fondBOX, 360);
  ui::setSize(cadre, 60, 40);
}

bool Tmenu1::chargerMenu() {
  auto& main = p_.main();
  auto& styleP = p_.styleP();
  auto& menuG = p_.menuG();
  const std::string& police = main.options.options.police_defaut;
  proposerEnregistrement();
  std::filesystem::path fichier = fichierModele.empty() ? p_.chemin("menu.opt") : fichierModele;
  fichierModele.clear();
  try {
    chargerOptionsMenu(options, fichier, {police, styleP.image_page, styleP.fixe_page});
    chargerStyleAccueilMenu(menuG.styleAccueil, p_.chemin("menuG.inf"), styleP.couleur_liens,
                            police);
    menuG.afficherStyle();
  } catch (const platform::FileError& e) {
    reportError(e);
    return false;
  }
  // Filling the controls stores nothing: the edits of the frame sizes would otherwise store the
  // top height from an edit not filled yet.
  Remplissage remplissage(affichageEnCours);
  // A menu page of the user's own only fits a frameset.
  if (main.options.frames != "oui") {
    importHTM.setChecked(false);
    importHTM.setEnabled(false);
  }
  // "aucun" is what older versions of the editor stored for "Aucune".
  const std::string& r = options.recherche_top;
  if (r == "aucune" || r == "aucun")
    recherche.setItemIndex(0);
  else if (r == "top")
    recherche.setItemIndex(1);
  else if (r == "menu")
    recherche.setItemIndex(2);
  largeur_frameE.setText(options.largeur_frame);
  hauteur_frameE.setText(options.hauteur_frame);
  retenirMenu();
  return true;
}

platform::LineList Tmenu1::lignesEditees() const {
  return lignesMenu(options, {famille_order.items(), hauteur_frameE.text(), largeur_frameE.text(),
                              accueilC.checked()});
}

void Tmenu1::proposerEnregistrement() {
  if (menuModifie()) {
    if (dialogs().askYesNo("Enregistrer les modifications du menu ?"))
      sauverMenu();
    else
      abandonnerDeplacements();
  }
  deplacements_.clear();
  retenu_.reset();
}

void Tmenu1::sauverMenu() {
  afficherMenu();
  std::filesystem::path cible = p_.chemin("menu.opt");
  if (sauverModele && !SaveModele.fileName.empty()) cible = SaveModele.fileName;
  sauverModele = false;
  lignesEditees().save(cible);
  sauverCoinsMenu(options, p_.main().options.options.separateur(), p_.donnees().root());
  options.largeur_frame = largeur_frameE.text();
  options.hauteur_frame = hauteur_frameE.text();
  retenirMenu();
}

// Set-up before the editor shows. After an image picker the unsaved state is kept: only the
// categories of the selected title are shown again.
void Tmenu1::preparerMenu() {
  Affichage affichage(*this);
  if (p_.donnees().exists("liste_recherche.ini")) listerB.show();
  decalageX = "0";
  decalageY = "0";
  {
    // The set-up's choice of "Aucune" clears no slot.
    Remplissage preparation(preparationEnCours);
    imageT.setItemIndex(0);
  }
  for (ui::Control* c : std::initializer_list<ui::Control*>{&im1, &overB, &rollover})
    c->setEnabled(false);
  alignT.hide();
  over_texte.setBounds(0, 0, over_texte.width(), over_texte.height());
  if (!retourSelecteur) {
    overB.setCaption(libelleRollOut);
    shape_trait.setBounds(speed_trait.left() - 2, speed_trait.top() - 2, speed_trait.width() + 4,
                          speed_trait.height() + 4);
    const bool catalogue = p_.donnees().exists("ref.gen");
    if (catalogue) chargerFamillesMenu();
    remplirItems();
    if (fitems.count() > 0) fitems.setItemIndex(0);
    for (const char* ligne : {"Menu - Titres", "Menu - Roll Over", "Menu - Catégories"}) {
      style.setItemIndex(style.indexOf(ligne));
      elementCourant = ligne;
      if (catalogue) afficherMenu();
    }
  }
  retourSelecteur = false;
  remplirItems();
  if (fitems.count() > 0) fitems.setItemIndex(0);
  afficherMenu();
}

void Tmenu1::FormShow() { preparerMenu(); }

void Tmenu1::FormActivate() {
  for (ui::FileDialogOptions* o : {&SaveModele.options, &OuvreModele.options})
    o->initialDir = p_.chemin("modeles");
  rechargerSiDemande();
}

void Tmenu1::rechargerSiDemande() {
  if (p_.main().rechargerMenu) {
    // The families hold other categories now: an image picker's return keeps nothing stale.
    retourSelecteur = false;
    preparerMenu();
  }
  p_.main().rechargerMenu = false;
}

void Tmenu1::listerBClick() { p_.liste_recherche().show(); }

void Tmenu1::ok_boutonClick() {
  sauverMenu();
  dialogs().showMessage("Menu enregistré");
}

void Tmenu1::BitBtn1Click() {
  design::ajouterModele(SaveModele, modeleN, sauverModele, [this] { sauverMenu(); });
}

void Tmenu1::Button2Click() {
  if (!OuvreModele.execute()) return;
  fichierModele = OuvreModele.fileName;
  chargerMenu();
  afficherMenu();
  modeleN.setCaption("Modèle : " + OuvreModele.fileName.filename().string());
}

void Tmenu1::styleAMbClick() {
  p_.menuG().show();
  p_.main().PageControl1.setActivePage(p_.main().menus);
}

void Tmenu1::accueilCClick() { options.accueil_menu = accueilC.checked() ? "oui" : "non"; }

}  // namespace design
