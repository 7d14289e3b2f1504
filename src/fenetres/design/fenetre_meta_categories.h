#pragma once
// The window `Tmetacat`: category meta description and background, kept per category in
// tmp/<categorie>.txt and tmp/<categorie>.fnd.

#include <string>

#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace design {

class Tmetacat : public ui::Form {
 public:
  explicit Tmetacat(app::Programme& programme);

  ui::ListBox catL{*this, "catL"};
  ui::GroupBox info{*this, "info"};
  ui::Memo memo{info, "memo"};
  ui::GroupBox fond_cat{*this, "fond_cat", "Arrière-plan"};
  ui::Edit fondE{fond_cat, "fondE"};
  ui::Label imageE{fond_cat, "imageE"};
  ui::CheckBox fixe{fond_cat, "fixe", "Fixe"};
  ui::Image cadre{fond_cat, "cadre"};
  ui::Label fond_defaut{fond_cat, "fond_defaut"};
  ui::Label image_defaut{fond_cat, "image_defaut"};
  ui::Button SpeedButton1{fond_cat, "SpeedButton1", "Fond"};
  ui::Button SpeedButton2{fond_cat, "SpeedButton2", "Image"};
  ui::Button SpeedButton3{fond_cat, "SpeedButton3", "Défaut"};
  ui::Button enrB{*this, "enrB", "Enregistrer"};
  ui::Button effaceB{*this, "effaceB", "Effacer Description"};
  ui::Button fermerB{*this, "fermerB", "Fermer"};
  ui::ColorDialog ColorDialog1{*this, "ColorDialog1"};

  void FormShow();
  void catLClick();
  // Writes both files of the selected category. Throws platform::FileError.
  void enrBClick();
  void effaceBClick();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  // The background picker's choice: the image replaces the colour.
  void imageFondChoisie(const std::string& nom);

 private:
  std::string fichier(const char* extension) const;  // tmp/<selected category><extension>
  void montrerImage(const std::string& nom);
  app::Programme& p_;
};

}  // namespace design
