#pragma once
// The window `Ttri_cat`: sort or delete categories.

#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Ttri_cat : public ui::Form {
 public:
  explicit Ttri_cat(app::Programme& programme);

  ui::ListBox tri_catego{*this, "tri_catego"};  // filled by the main window's category load
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
