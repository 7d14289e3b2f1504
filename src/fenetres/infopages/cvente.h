#pragma once
// The window `Tcvente1` "Conditions de vente": the conditions-of-sale editor. It holds the
// settings of cv.opt while the program runs and its check-list `rubriques` holds the sections
// (the page writer and the frame generator read them here); each section's text is a .vub file.

#include <string>
#include <vector>

#include "modele/infopages/cv_options.h"
#include "modele/infopages/cv_textes.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace infopages {

class Tcvente1 : public ui::Form {
 public:
  explicit Tcvente1(app::Programme& programme);

  // Layout: the settings on the left, the sections and their text on the right, the window's
  // buttons below.
  ui::GroupBox reglagesG{*this, "reglagesG", "Conditions de vente"};
  ui::CheckBox importHTM{reglagesG, "importHTM", "Importer"};
  ui::Label titreL{reglagesG, "titreL", "Couleur du titre :"};
  ui::Shape Ttitre_color{reglagesG, "Ttitre_color"};
  ui::Label texteL{reglagesG, "texteL", "Couleur du texte :"};
  ui::Shape Ttexte_color{reglagesG, "Ttexte_color"};
  ui::Edit denomination{reglagesG, "denomination"};
  ui::Edit produits{reglagesG, "produits"};
  ui::Edit livraison{reglagesG, "livraison"};
  ui::CheckBox livraisonYES{reglagesG, "livraisonYES", "Livraison :"};
  ui::Edit delai{reglagesG, "delai"};
  ui::Edit moyen{reglagesG, "moyen"};
  ui::CheckBox cb{reglagesG, "cb", "Cartes Bancaires"};
  ui::CheckBox cc{reglagesG, "cc", "Cartes de Crédit"};
  ui::CheckBox cheque{reglagesG, "cheque", "Chèque"};
  ui::CheckBox mandat{reglagesG, "mandat", "Mandat Postal"};
  ui::CheckBox cr{reglagesG, "cr", "Contre remboursement"};
  ui::GroupBox rubriquesG{*this, "rubriquesG", "Rubriques"};
  ui::CheckListBox rubriques{rubriquesG, "rubriques"};
  ui::Memo memoR{rubriquesG, "memoR"};
  ui::Edit ajouter{rubriquesG, "ajouter"};
  ui::Button Bajout{rubriquesG, "Bajout", "Ajouter"};
  ui::Button monte{rubriquesG, "monte", "Monter"};
  ui::Button descend{rubriquesG, "descend", "Descendre"};
  ui::Button panierR{rubriquesG, "panierR", "Supprimer"};
  ui::Button ok_bouton{*this, "ok_bouton", "OK"};
  ui::Button BitBtn1{rubriquesG, "BitBtn1", "Initialiser la rubrique"};
  ui::Button BitBtn2{*this, "BitBtn2", "Aperçu"};
  ui::Button BitBtn3{rubriquesG, "BitBtn3", "Initialiser toutes les rubriques"};
  ui::ColorDialog ColorDialog1{*this, "ColorDialog1"};

  // The values of cv.opt; its section list is the check-list `rubriques`, not options.rubriques.
  TOptionsConditions options;
  // "oui" when the loaded list ticks "Bulle"; read by the site frame generator.
  std::string cv_popup;

  // The sections as the check-list holds them, and the whole record with them.
  std::vector<RubriqueConditions> listeRubriques() const;
  TOptionsConditions valeurs() const;
  // The file of a section.
  std::string fichier(const std::string& rubrique) const;

  // Copies the five edits into their values and writes cv.opt. Throws platform::FileError.
  void sauver();
  // Built-in values, then cv.opt when it exists. Throws platform::FileError.
  void ouvre();
  // memoR := the selected section's file, or its default text (then saved) when it has none.
  void ouvrerubrique();
  // memoR into the selected section's file.
  void sauverubrique();
  // The selected section's default text into memoR and its file.
  void initexte();
  // The values into the controls.
  void elements();
  // What the default texts are made of, from the identity and the controls as they stand.
  EntreesTexteConditions entreesTextes() const;

  void FormShow();
  void FormDeactivate();
  void ok_boutonClick();
  void BitBtn2Click();
  void rubriquesClick();
  void memoRExit();
  void BajoutClick();
  void monteClick();
  void descendClick();
  void panierRClick();
  void BitBtn1Click();
  void BitBtn3Click();
  void importHTMClick();
  void Ttitre_colorMouseDown();
  void Ttexte_colorMouseDown();

 private:
  void caseClick(ui::CheckBox& boite, std::string& valeur);
  void deplacer(int ecart);
  void couleurMouseDown(std::string& valeur);

  bool affichage_ = false;  // elements() is showing the values: the boxes' handlers wait
  app::Programme& p_;
};

}  // namespace infopages
