#pragma once
// The window `Tcategotxt`: category dressing texts, shown left (<name>.txt) and right
// (<name>d.txt) of the category's pages.

#include <string>

#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Tcategotxt : public ui::Form {
 public:
  explicit Tcategotxt(app::Programme& programme);

  ui::ListBox categoL{*this, "categoL"};
  ui::Label categL{*this, "categL"};
  ui::GroupBox gaucheG{*this, "gaucheG", "GAUCHE"};
  ui::Memo memoG{gaucheG, "memoG"};
  ui::Button enrGB{gaucheG, "enrGB", "Enregistrer Gauche"};
  ui::Button effacerGB{gaucheG, "effacerGB", "Effacer"};
  ui::GroupBox droiteG{*this, "droiteG", "DROITE"};
  ui::Memo memoD{droiteG, "memoD"};
  ui::Button enrDB{droiteG, "enrDB", "Enregistrer Droite"};
  ui::Button effacerDB{droiteG, "effacerDB", "Effacer"};
  ui::Button BitBtn1{*this, "BitBtn1", "Fermer"};

  void FormActivate();
  void categoLClick();
  void enrGBClick();
  void enrDBClick();
  void effacerGBClick();
  void effacerDBClick();
  void BitBtn1Click();

 private:
  void disposer();
  // The chosen category's nomURL name, shown in categL; "" when none is chosen.
  std::string nomChoisi();
  void enregistrer(ui::Memo& memo, std::string (*fichier)(std::string_view));

  app::Programme& p_;
};

}  // namespace app
