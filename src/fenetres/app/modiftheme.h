#pragma once
// The window `Tmodiftheme1`: rename themes.

#include <string>

#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Tmodiftheme1 : public ui::Form {
 public:
  explicit Tmodiftheme1(app::Programme& programme);

  ui::ListBox themes{*this, "themes"};
  ui::GroupBox cadre{*this, "cadre", "Modifier"};
  ui::Edit edit{cadre, "edit"};
  ui::Button fermer{*this, "fermer", "Fermer"};
  ui::Button ok{*this, "ok", "OK"};
  ui::ListBox fiches{*this, "fiches"};  // hidden: the sheets rewritten by the last rename
  ui::ListBox ouvrir{*this, "ouvrir"};  // hidden

  std::string ancienTheme;  // the theme being renamed

  void FormShow();
  void FormActivate();
  void themesClick();
  void okClick();

 private:
  // The themes of the category the main window shows, taken when the list is filled: a change of
  // category in the main window while the dialog is open fills it again.
  void lister();
  std::string categorie_;
  app::Programme& p_;
};

}  // namespace app
