#pragma once
// The window `TForm2`: never shown, it holds the loader of the product-sheet style.

#include "ui/form.h"

namespace app {
class Programme;
}

namespace design {

class TForm2 : public ui::Form {
 public:
  explicit TForm2(app::Programme& programme);

  // Loads the style editor's fields (TForm1) from the cascade of the sheet the editor names:
  // defaults, defaut.typ, theme, sheet, imposed theme, model. Unticks "Quantité" with the default
  // of quantite_style. Callers then run TForm1::elements for the corner tiles. The theme the
  // editor's "Thème" button imposes is read last only in the editor's own loads (editeur): the
  // sheet editor and the card writer always load a sheet's own cascade.
  void chargerStyleFiche(bool editeur = false);

 private:
  app::Programme& p_;
};

}  // namespace design
