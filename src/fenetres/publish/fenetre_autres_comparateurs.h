#pragma once
// The window `Tautres_comp` ("Autres Comparateurs"): the accounts of the comparators the user
// adds, one file <tracking>.cox each, which the feed build copies and uploads.

#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace publish {

class Tautres_comp : public ui::Form {
 public:
  explicit Tautres_comp(app::Programme& programme);

  ui::FileListBox coxF{*this, "coxF", "*.cox"};
  ui::Edit trackingE{*this, "trackingE"};
  ui::Edit nomE{*this, "nomE"};
  ui::Edit serveurE{*this, "serveurE"};
  ui::Edit utilisateurE{*this, "utilisateurE"};
  ui::Edit repE{*this, "repE"};
  ui::Edit portE{*this, "portE"};
  ui::Edit passE{*this, "passE"};
  ui::Button BitBtn1{*this, "BitBtn1", "Ajouter/Modifier"};
  ui::Button BitBtn2{*this, "BitBtn2", "Supprimer"};
  ui::Button closeB{*this, "closeB", "Fermer"};

  void FormShow();
  void coxFClick();
  void BitBtn1Click();
  void BitBtn2Click();
  void closeBClick();

 private:
  app::Programme& p_;
};

}  // namespace publish
