#pragma once
// The window `Tlivre1` "Liste des Produits": every title of the catalogue index in French order;
// choosing one opens its sheet in the main window's editor.

#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Tlivre1 : public ui::Form {
 public:
  explicit Tlivre1(app::Programme& programme);

  ui::Label nombre{*this, "nombre"};
  ui::ListBox liste{*this, "liste"};
  ui::ListBox Tligne{*this, "Tligne"};  // "<title>#<reference>.ref", sorted
  ui::Button BitBtn1{*this, "BitBtn1", "Fermer"};

  void FormShow();
  void listeClick();
  void BitBtn1Click();

 private:
  app::Programme& p_;
};

}  // namespace app
