#pragma once
// The window `TmenuG`: the style of the left menu's home entry, kept in menuG.inf. Its controls
// are filled by the menu options loader (Tmenu1::chargerMenu), not when it is shown.

#include "modele/design/menu_options.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace design {

class TmenuG : public ui::Form {
 public:
  explicit TmenuG(app::Programme& programme);

  ui::GroupBox GroupBox1{*this, "GroupBox1", "Accueil Menu"};
  ui::Edit texteAE{GroupBox1, "texteAE"};
  ui::GroupBox GroupBox2{GroupBox1, "GroupBox2", "Style"};
  ui::CheckBox grasAC{GroupBox2, "grasAC", "Gras"};
  ui::CheckBox souligneAC{GroupBox2, "souligneAC", "Souligné"};
  ui::CheckBox italiqueAC{GroupBox2, "italiqueAC", "Italique"};
  ui::GroupBox GroupBox4{GroupBox1, "GroupBox4", "Couleur"};
  ui::Button couleurB{GroupBox4, "couleurB"};
  ui::GroupBox GroupBox5{GroupBox1, "GroupBox5", "Size"};
  ui::ComboBox tailleAE{GroupBox5, "tailleAE"};
  ui::RadioGroup alignementAC{GroupBox1, "alignementAC", "Alignement"};
  ui::GroupBox GroupBox3{GroupBox1, "GroupBox3", "Police"};
  ui::ComboBox policeAE{GroupBox3, "policeAE"};
  ui::RadioGroup centreAC{GroupBox1, "centreAC"};
  ui::Button BitBtn2{*this, "BitBtn2", "Aperçu"};
  ui::Button ok_bouton{*this, "ok_bouton", "OK"};
  ui::ColorDialog ColorDialog{*this, "ColorDialog"};

  // The style as last loaded; only centreAMG (at a save) and couleurAMG (colour button) change
  // between two loads, the other settings live in the controls until the next load.
  TStyleAccueilMenu styleAccueil;

  // Shows styleAccueil in the controls; a font the list lacks leaves its first item selected.
  void afficherStyle();
  // Writes menuG.inf from the controls. Throws platform::FileError.
  void sauver();

  void couleurBClick();
  void ok_boutonClick();
  void BitBtn2Click();

 private:
  app::Programme& p_;
};

}  // namespace design
