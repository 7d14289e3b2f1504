#pragma once
// The window `Tmodifcat1`: rename categories.

#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Tmodifcat1 : public ui::Form {
 public:
  explicit Tmodifcat1(app::Programme& programme);

  ui::ListBox modif_catego{*this, "modif_catego"};
  ui::GroupBox texte{*this, "texte", "Modifier"};
  ui::Edit edit{texte, "edit"};
  ui::Button fermer{*this, "fermer", "Fermer"};
  ui::Button ok{*this, "ok", "OK"};
  ui::ListBox fiches{*this, "fiches"};  // hidden: the sheets rewritten by the last rename
  ui::ListBox ouvrir{*this, "ouvrir"};  // hidden

  void FormShow();
  void modif_categoClick();
  void okClick();

 private:
  app::Programme& p_;
};

}  // namespace app
