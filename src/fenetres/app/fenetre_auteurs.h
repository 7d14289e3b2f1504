#pragma once
// The window `Tauteurs`: authors (or performers) of the catalogue and the titles of the chosen
// one; choosing a title opens its sheet in the main window's editor. It reads only `ref.gen` and
// the categories' family files.

#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Tauteurs : public ui::Form {
 public:
  explicit Tauteurs(app::Programme& programme);

  ui::Label nomA{*this, "nomA"};
  ui::ListBox liste_auteurs{*this, "liste_auteurs"};
  ui::Label titresL{*this, "titresL", "Titres"};
  ui::ListBox liste_titres{*this, "liste_titres"};
  ui::ListBox liste_gen{*this, "liste_gen"};
  ui::ListBox liste_ref{*this, "liste_ref"};
  ui::Button BitBtn1{*this, "BitBtn1", "Fermer"};

  // "Auteurs" and "Chanteurs" open the window through this, in the main window's mode, every
  // time: the lists are read again and the first author's first title opens. A repaint changes
  // nothing, so that uncovering the window keeps the user's choice and the sheet being edited.
  void ouvrir();
  void chargerAuteurs();
  void listerTitres();
  void liste_auteursClick();
  void liste_titresClick();
  void BitBtn1Click();

 private:
  void disposer();
  void chargerTitre();

  app::Programme& p_;
};

}  // namespace app
