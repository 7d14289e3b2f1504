#pragma once
// The window `Taccueil1`: home-page editor. It holds the home-page settings: the simple values in
// `options`, the introduction text, the showcase, the section list and the products per row in
// its controls, gathered into the record when it is saved.

#include <filesystem>
#include <string>

#include "infopages/accueil_options.h"
#include "infopages/accueil_rubrique.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace infopages {

class Taccueil1 : public ui::Form {
 public:
  explicit Taccueil1(app::Programme& programme);

  ui::PageControl PageControl1{*this, "PageControl1"};
  ui::TabSheet Tab_intro{PageControl1, "Tab_intro", "Introduction"};
  ui::TabSheet Tab_promo{PageControl1, "Tab_promo", "Vitrine"};
  ui::TabSheet Tab_rubriques{PageControl1, "Tab_rubriques", "Rubriques"};

  // Introduction
  ui::FileListBox imageL{Tab_intro, "imageL", "*.gif;*.jpg;*.jpeg"};
  ui::Edit titreEDIT{Tab_intro, "titreEDIT"};
  ui::Memo MemoTexte{Tab_intro, "MemoTexte"};
  ui::Panel optionsImage{Tab_intro, "optionsImage", "Options Image Intro"};
  ui::Edit alt_image_introE{optionsImage, "alt_image_introE"};
  ui::Edit lien_image_introE{optionsImage, "lien_image_introE"};
  ui::Edit target_image_introE{optionsImage, "target_image_introE"};
  ui::Label lien_image_introL{Tab_intro, "lien_image_introL"};

  // Showcase
  ui::GroupBox listeB{Tab_promo, "listeB", "Liste des produits d'accueil"};
  ui::ListBox listepromo{listeB, "listepromo"};
  ui::ListBox listeref{listeB, "listeref"};
  ui::ListBox listetitres{listeB, "listetitres"};
  ui::Edit ColPT{Tab_promo, "ColPT", "2"};
  ui::GroupBox Bfiche{Tab_promo, "Bfiche", "Fiche"};
  ui::Label Lcat{Bfiche, "Lcat"};
  ui::Label Ltheme{Bfiche, "Ltheme"};
  ui::Image ImageFiche{Bfiche, "ImageFiche"};
  ui::Memo Mtexte{Tab_promo, "Mtexte"};
  ui::Label image{Tab_promo, "image"};
  ui::Label url_promo{Tab_promo, "url_promo"};
  ui::Button btc{Tab_promo, "btc", ">"};
  ui::Panel choix{Tab_promo, "choix"};
  ui::FileListBox imagesL{choix, "imagesL", "*.jpg;*.jpeg;*img.gif"};
  ui::Button appliquer{choix, "appliquer", "Appliquer"};
  ui::Button fermer{choix, "fermer", "Annuler"};

  // Sections
  ui::CheckListBox rubriques{Tab_rubriques, "rubriques"};
  ui::Memo memoR{Tab_rubriques, "memoR"};
  ui::Edit lienT{Tab_rubriques, "lienT"};
  ui::Edit targetT{Tab_rubriques, "targetT", "_self"};

  ui::CheckBox importACCUEIL{*this, "importACCUEIL", "Import"};
  ui::SaveDialog SaveModele{*this, "SaveModele", "Modèles|*.amd"};

  // The simple settings; the lists of the record are those of the controls above.
  TOptionsAccueil options;
  // The section loaded last (its eleven values).
  TRubriqueAccueil rubrique;
  // The sheet shown in the main window, copied there by the sheet reader.
  std::string refVitrine, descriptionVitrine, imageVitrine;
  bool sauverModele = false;           // the next save writes the file of SaveModele
  std::filesystem::path fichierModele;  // the next load reads this file, once

  // Loads the identity and the settings each time the window comes to the front.
  void FormActivate();
  // Loads accueil.opt (or fichierModele) into the options and the controls, then elements.
  void ouvre();
  // Writes accueil.opt (or the model) and, unless it is a model, the corner tiles.
  void sauver();
  // After it paccueil_encadrement is never "rond", and the introduction picture's and the
  // section bullet's natural sizes are measured when their files exist.
  void elements();
  // Loads the section named texteCommun (the same as the one selected in rubriques) and fixes
  // the link of a built-in section.
  void ouvrerubrique(const std::string& texteCommun);
  void sauverubrique();
  // The three side files of the showcase product selected in listepromo.
  void sauve_texte();
  void appliquerClick();
  void btcClick();
  void importACCUEILClick();
  // Shows the sheet of refVitrine in the box Bfiche.
  void fiches();

  // The record as the controls hold it now.
  TOptionsAccueil valeurs() const;

 private:
  void afficherOptions();
  // The selected showcase reference, "" when none; tells the user when it is no file name.
  std::string referenceChoisie();

  app::Programme& p_;
  bool miseAJour_ = false;  // the program sets importACCUEIL itself
};

}  // namespace infopages
