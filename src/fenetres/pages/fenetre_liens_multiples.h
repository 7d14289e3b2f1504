#pragma once
// The window `Tliensm` ("Liens multiples"): the linked products of the open sheet, kept in
// tmp/<reference>.pcl ("ref=<reference> nom=<title>" per line), and the writer of the pop-up
// pages <reference>_pc.html that show each linked product's own card.

#include <string>

#include "modele/pages/produit_lie.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace pages {

class Tliensm : public ui::Form {
 public:
  explicit Tliensm(app::Programme& programme);

  ui::Label refLabel{*this, "refLabel"};
  ui::ListBox refL{*this, "refL"};  // available products, kept sorted
  ui::ListBox Lref{*this, "Lref"};  // linked products, in the user's order
  ui::Button triB{*this, "triB", "Tri par titres"};
  ui::Button BitBtn1{*this, "BitBtn1", "Ajouter -->>"};
  ui::Button BitBtn2{*this, "BitBtn2", "<<-- Retirer"};
  ui::Button BitBtn4{*this, "BitBtn4", "Tri alpha"};
  ui::Button BitBtn3{*this, "BitBtn3", "Annuler"};
  ui::Button enrB{*this, "enrB", "Enregistrer / Mettre à jour les HTML"};

  int modeTri = 0;  // 0: by titles, 1: by references

  void FormShow();
  void triBClick();
  void triref();
  void ajouter();
  void enlever();
  void BitBtn4Click();
  void BitBtn3Click();
  void enrBClick();
  // Writes ftp/<R>_pc.html and tmp/<R>_pc.html for every product R of every tmp/*.pcl list.
  // Throws platform::FileError when a page cannot be saved.
  void fairehtml();

 private:
  std::string referenceChargee() const;
  app::Programme& p_;
};

}  // namespace pages
