#pragma once
// The window `TstyleP`: main site settings.

#include "ui/form.h"
#include "ui/controls.h"

namespace app {
class Programme;
}

namespace design {

class TstyleP : public ui::Form {
 public:
  explicit TstyleP(app::Programme& programme);

  ui::Edit auteur{*this, "auteur", "Auteur"};
  ui::Edit chanteur{*this, "chanteur", "Interprète"};
  ui::Edit url_cgi{*this, "url_cgi"};
  ui::CheckBox multC{*this, "multC"};
  ui::CheckBox imagespanierC{*this, "imagespanierC"};

 private:
  app::Programme& p_;
};

}  // namespace design
