#pragma once
// The shared shape of the two price-list dialogs of a sheet (supplements `Tsupp`, different
// prices `Tprixdiff`): the reference, the list in a memo, save and erase. They differ only in
// the file's extension and their texts.

#include <string>

#include "platform/lines.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class EditeurListePrix : public ui::Form {
 public:
  struct Textes {
    const char* classe;
    const char* unite;
    const char* titre;
    const char* extension;  // ".sup" or ".dif"
    const char* modele;     // the line pattern shown above the memo
    const char* note;       // "" when none
    const char* question;   // asked at a close with typed lines
  };
  EditeurListePrix(app::Programme& programme, const Textes& textes);

  ui::Label refL{*this, "refL"};
  ui::Label modeleL{*this, "modeleL"};
  ui::Memo memo{*this, "memo"};
  ui::Label noteL{*this, "noteL"};
  ui::Button enrB{*this, "enrB", "OK / Enregistrer"};
  ui::Button effacer{*this, "effacer", "Effacer"};

  void FormShow();
  void FormClose();
  // Another window rewrote the file ("Définitif" the models' prices): shown again, unless the
  // user typed in it.
  void relire();
  void enrBClick();
  void effacerClick();

  // The file the dialog edits: the reference taken when it was shown, and the extension.
  std::string fichier() const { return refL.caption() + extension_; }

 protected:
  app::Programme& p_;

 private:
  // False when an amount is refused (its message said why).
  bool enregistrer();

  std::string extension_;
  std::string question_;
  platform::LineList lues_;  // the lines shown at the start, to tell typed edits
};

}  // namespace app
