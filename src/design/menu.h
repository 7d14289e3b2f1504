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
  // Layout: the home entry, the imports and the search box on a row; the frame sizes beside
  // the buttons below.
  ui::Panel ligneAccueil{*this, "ligneAccueil"};
  ui::CheckBox accueilC{ligneAccueil, "accueilC", "Accueil Menu"};
  ui::Button styleAMb{ligneAccueil, "styleAMb", "Style -->"};
  ui::GroupBox importerG{*this, "importerG", "Importer"};
  ui::CheckBox importHTM{importerG, "importHTM", "Menu"};
  ui::RadioGroup recherche{*this, "recherche", "Recherche"};
  ui::GroupBox cadresG{*this, "cadresG", "Taille des cadres"};
  ui::Edit hauteur_frameE{cadresG, "hauteur_frameE"};
  ui::Edit largeur_frameE{cadresG, "largeur_frameE"};

  // --- save, preview and models ---
  ui::Panel ligneBoutons{*this, "ligneBoutons"};
  ui::Button ok_bouton{ligneBoutons, "ok_bouton", "OK"};
  ui::Button BitBtn2{ligneBoutons, "BitBtn2", "Aperçu"};
  ui::Button BitBtn1{ligneBoutons, "BitBtn1", "Ajouter Modèle"};
  ui::Button Button2{ligneBoutons, "Button2", "Ouvrir Modèle"};
  ui::Label modeleN{ligneBoutons, "modeleN"};
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
