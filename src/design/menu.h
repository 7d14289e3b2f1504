#pragma once
// The window `Tmenu1`: menu and top-banner editor. It holds the menu options (`options`) that
// the site generators read, loads them with chargerMenu and writes them with sauverMenu.

#include <filesystem>

#include "design/menu_options.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace design {

class Tmenu1 : public ui::Form {
 public:
  explicit Tmenu1(app::Programme& programme);

  // --- family order and menu switches ---
  // For each family title of the menu, in menu order, its family number ("0" to "3").
  ui::ListBox famille_order{*this, "famille_order"};
  ui::CheckBox accueilC{*this, "accueilC", "Accueil Menu"};
  ui::Button styleAMb{*this, "styleAMb", "Style -->"};
  ui::GroupBox importerG{*this, "importerG", "Importer"};
  ui::CheckBox importHTM{importerG, "importHTM", "Menu"};
  ui::RadioGroup recherche{*this, "recherche", "Recherche"};
  ui::Edit hauteur_frameE{*this, "hauteur_frameE"};
  ui::Edit largeur_frameE{*this, "largeur_frameE"};

  // --- save, preview and models ---
  ui::Button ok_bouton{*this, "ok_bouton", "OK"};
  ui::Button BitBtn2{*this, "BitBtn2", "Aperçu"};
  ui::Button BitBtn1{*this, "BitBtn1", "Ajouter Modèle"};
  ui::Button Button2{*this, "Button2", "Ouvrir Modèle"};
  ui::Label modeleN{*this, "modeleN"};
  ui::SaveDialog SaveModele{*this, "SaveModele", "Modèles [mnl]|*.mnl"};
  ui::OpenDialog OuvreModele{*this, "OuvreModele", "Modèles [mnl]|*.mnl"};

  // --- the menu options and the one-shot model requests ---
  TOptionsMenu options;
  bool sauverModele = false;            // the next sauverMenu writes the file of SaveModele
  std::filesystem::path fichierModele;  // the next chargerMenu reads this file

  // Loads menu.opt (or fichierModele) and menuG.inf into the options, the home-entry dialog and
  // the controls of this window. A file that cannot be read is reported; false then.
  bool chargerMenu();
  // Writes menu.opt (or the requested model) from the options and the controls, then the corner
  // images of the menu, logo, banner and top texts. Throws platform::FileError; the corners are
  // not drawn and the frame sizes not taken then.
  void sauverMenu();
  // The editor's set-up before it is shown.
  void preparerMenu();
  // Shows the options in the controls.
  void afficherMenu();

  void ok_boutonClick();
  void BitBtn2Click();
  void BitBtn1Click();
  void Button2Click();
  void styleAMbClick();
  void accueilCClick();

 private:
  app::Programme& p_;
};

}  // namespace design
