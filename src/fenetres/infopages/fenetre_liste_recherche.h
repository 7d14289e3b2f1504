#pragma once
// The window `Tliste_recherche` "Liste Recherche": the search key word base (which words lead to
// which sheets, recherche_base.bdd) and the display options of the site's quick-choice list
// (liste_recherche.ini). Every change of the base is written at once.

#include <string>
#include <vector>

#include "platform/lines.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace infopages {

class Tliste_recherche : public ui::Form {
 public:
  explicit Tliste_recherche(app::Programme& programme);

  // Layout: the sheets on the left, the words in the middle, the selected word's products on
  // the right, the display options below.
  ui::Panel fichesP{*this, "fichesP"};
  ui::FileListBox listeRef{fichesP, "listeRef", "*.ref"};
  ui::CheckBox prixC{fichesP, "prixC", "Prix promo"};
  ui::Memo memo{fichesP, "memo"};
  ui::Label Lhtm{fichesP, "Lhtm"};
  ui::GroupBox motsG{*this, "motsG", "Mots"};
  ui::CheckListBox listeR{motsG, "listeR"};
  ui::Edit ajouterE{motsG, "ajouterE"};
  ui::Button ajouterB{motsG, "ajouterB", "Ajouter à la liste"};
  ui::Button enrB{motsG, "enrB", "Enregistrer"};
  ui::GroupBox produitsG{*this, "produitsG", "Références"};
  ui::Label MrechA{produitsG, "MrechA"};
  ui::ListBox listeRECH{produitsG, "listeRECH"};
  ui::Button monte{produitsG, "monte", "Monter"};
  ui::Button descend{produitsG, "descend", "Descendre"};
  ui::Button effaceREF{produitsG, "effaceREF", "Retirer"};
  ui::Edit modifE{produitsG, "modifE"};
  ui::Button modifB{produitsG, "modifB", "Modifier"};
  ui::GroupBox supprimerG{produitsG, "supprimerG", "Supprimer de la liste"};
  ui::Button supprB{supprimerG, "supprB", "Supprimer"};
  ui::GroupBox editionG{*this, "editionG", "Edition"};
  ui::Edit titreE{editionG, "titreE"};
  ui::Edit colE{editionG, "colE"};
  ui::CheckBox menuGC{editionG, "menuGC", "Menu Gauche"};
  ui::CheckBox desacC{editionG, "desacC", "Désactiver Module"};
  ui::CheckBox centrerC{editionG, "centrerC", "Centrer"};
  ui::CheckBox grasC{editionG, "grasC", "Gras"};
  ui::Edit policeE{editionG, "policeE"};
  ui::Edit couleurE{editionG, "couleurE"};
  ui::Edit tailleE{editionG, "tailleE"};
  ui::Button enrOPB{editionG, "enrOPB", "Enregistrer"};
  ui::Memo Memo1{*this, "Memo1"};
  ui::Button BitBtn1{*this, "BitBtn1", "Fermer"};

  void FormActivate();
  void listeRefClick();
  void LhtmClick();
  void ajouter();
  void afficheREF();
  void enrBClick();
  void supprBClick();
  void modifier();
  void monteClick();
  void descendClick();
  void sauve_ordre();
  void effaceREFClick();
  void prixCClick();
  void enrOPBClick();
  void BitBtn1Click();
  // Before the options typed and not saved are dropped: asks, and "Oui" saves them.
  void proposerEnregistrement();

 private:
  void sauverOptions();
  // The base as stored; a missing file counts as empty.
  platform::LineList base() const;
  void sauverBase(const platform::LineList& lignes);
  // The selected sheet's file name before its first ".", trimmed; "" without a selection.
  std::string referenceCourante() const;
  // Rebuilds `listeR` from the base, ticking the current sheet's words.
  void remplirMots();
  void lireOptions();
  void deplacer(int ecart);

  // The option edits hold changes not yet saved: an activation keeps them.
  bool optionsModifiees_ = false;
  bool chargement_ = false;
  app::Programme& p_;
};

}  // namespace infopages
