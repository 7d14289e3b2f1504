#include "design/menu.h"

#include "app/fiche.h"
#include "app/programme.h"
#include "design/menuG1.h"
#include "design/style_principal.h"
#include "frame/apercu.h"
#include "platform/files.h"
#include "ui/layout.h"

namespace design {

Tmenu1::Tmenu1(app::Programme& programme)
    : ui::Form(programme.application(), "Tmenu1", "menu1"), p_(programme) {
  setCaption("Style et caractéristiques de la page Menu");
  panelOver = &p_.main().PageControl1;
  famille_order.hide();
  recherche.setItems({"Aucune", "Top", "Menu"});
  hauteur_frameE.labelCaption = "Hauteur";
  hauteur_frameE.maxLength = 4;
  largeur_frameE.labelCaption = "Largeur";
  largeur_frameE.maxLength = 4;
  setBounds(left(), top(), 550, height());
  ui::setSize(ligneAccueil, 190);
  ui::setSize(importerG, 96);
  recherche.columns = 3;
  ui::setSize(recherche, 230);
  ui::setSize(cadresG, 170);
  for (ui::Edit* e : {&hauteur_frameE, &largeur_frameE}) ui::setSize(*e, 75);
  ui::setSize(ligneBoutons, 350);
  for (ui::Button* b : {&ok_bouton, &BitBtn2}) ui::setSize(*b, 75);
  // The menu models are kept for their file format but not offered.
  BitBtn1.hide();
  Button2.hide();
  for (ui::FileDialogOptions* o : {&SaveModele.options, &OuvreModele.options}) {
    o->initialDir = p_.chemin("modeles");
    o->defaultExt = "mnl";
  }

  ok_bouton.onClick = [this] { ok_boutonClick(); };
  BitBtn2.onClick = [this] { BitBtn2Click(); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
  Button2.onClick = [this] { Button2Click(); };
  styleAMb.onClick = [this] { styleAMbClick(); };
  accueilC.onClick = [this] { accueilCClick(); };
}

bool Tmenu1::chargerMenu() {
  auto& main = p_.main();
  auto& styleP = p_.styleP();
  auto& menuG = p_.menuG();
  const std::string& police = main.options.options.police_defaut;
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
  return true;
}

void Tmenu1::sauverMenu() {
  afficherMenu();
  std::filesystem::path cible = p_.chemin("menu.opt");
  if (sauverModele && !SaveModele.fileName.empty()) cible = SaveModele.fileName;
  sauverModele = false;
  SaisiesMenu saisies{famille_order.items(), hauteur_frameE.text(), largeur_frameE.text(),
                      accueilC.checked()};
  lignesMenu(options, saisies).save(cible);
  sauverCoinsMenu(options, p_.main().options.options.separateur(), p_.donnees().root());
  options.largeur_frame = largeur_frameE.text();
  options.hauteur_frame = hauteur_frameE.text();
}

// The category bound is fixed (derniereCategorieMenu); the rest of the set-up comes with the
// family lists.
void Tmenu1::preparerMenu() {}

// Only the switch that the save reads back from its control so far; the element display comes
// with the editor's styles.
void Tmenu1::afficherMenu() { accueilC.setChecked(options.accueil_menu == "oui"); }

void Tmenu1::ok_boutonClick() {
  sauverMenu();
  dialogs().showMessage("Menu enregistré");
}

void Tmenu1::BitBtn2Click() {
  BitBtn2.setCursor(ui::Cursor::HourGlass);
  struct Curseur {
    ui::Control& bouton;
    ~Curseur() { bouton.setCursor(ui::Cursor::Default); }
  } curseur{BitBtn2};
  sauverMenu();
  frame::apercuSite(p_);
}

void Tmenu1::BitBtn1Click() {
  sauverModele = false;
  sauverMenu();
  if (!SaveModele.execute()) return;
  if (platform::fileExists(SaveModele.fileName) &&
      dialogs().messageBox("Modèle déjà existant. Voulez-vous continuer ?", "",
                           ui::MessageKind::Confirmation,
                           ui::Buttons::YesNoCancel) != ui::Answer::Yes)
    return;
  sauverModele = true;
  sauverMenu();
  modeleN.setCaption("Modèle : " + SaveModele.fileName.filename().string());
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
