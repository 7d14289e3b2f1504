#pragma once
// The window `Tmoteur` "Moteur de recherche interne Mots à ajouter": the words the search-engine
// module holds for one generated page (mots.bdd, read only) and the page's added words with their
// weight (<page>.ajm, which the module reads).

#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace infopages {

class Tmoteur : public ui::Form {
 public:
  explicit Tmoteur(app::Programme& programme);

  ui::GroupBox monhtm{*this, "monhtm"};
  ui::ListBox maliste{monhtm, "maliste"};
  ui::GroupBox ajoutG{*this, "ajoutG", "Mots à ajouter"};
  ui::Edit motsE{ajoutG, "motsE"};
  ui::ComboBox poids{ajoutG, "poids"};
  ui::Button Bajout{ajoutG, "Bajout", "Ajouter"};
  ui::ListBox motsL{ajoutG, "motsL"};
  ui::Button panierR{ajoutG, "panierR", "Supprimer"};
  ui::Button Button2{*this, "Button2", "Enregistrer"};
  ui::Button Button3{*this, "Button3", "Effacer"};
  ui::Button BitBtn1{*this, "BitBtn1", "?"};
  ui::Button Button1{*this, "Button1", "Annuler"};
  ui::Gauge Gauge{*this, "Gauge"};

  void FormShow();
  void ajout_mots();
  void panierRClick();
  void Button2Click();

 private:
  app::Programme& p_;
};

}  // namespace infopages
