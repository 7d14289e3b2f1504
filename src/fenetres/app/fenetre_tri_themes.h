#pragma once
// The window `Ttri_thems`: sort or delete themes.

#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Ttri_thems : public ui::Form {
 public:
  explicit Ttri_thems(app::Programme& programme);

  // Filled by the main window's theme load, for the category named in nom_cat.
  ui::Label nom_cat{*this, "nom_cat"};
  ui::ListBox tri_themes{*this, "tri_themes"};
  ui::Button alpha{*this, "alpha", "Alpha"};
  ui::Button haut{*this, "haut", "Haut"};
  ui::Button bas{*this, "bas", "Bas"};
  ui::Button supprimer{*this, "supprimer", "Supprimer"};
  ui::Button ok{*this, "ok", "OK"};
  ui::Button annuler{*this, "annuler", "Annuler"};

  void alphaClick();
  void hautClick();
  void basClick();
  void supprimerClick();
  void okClick();
  void annulerClick();

 private:
  app::Programme& p_;
};

}  // namespace app
