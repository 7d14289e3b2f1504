#pragma once
// The window `Tgif_titres`: the button and bullet template picker of the menu editor. The chosen
// name of menu_boutons/ or puces/ goes into the image slot that the editor designates, which is
// drawn at once.

#include <string>

#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace design {

class Tgif_titres : public ui::Form {
 public:
  explicit Tgif_titres(app::Programme& programme);

  ui::Label RepL{*this, "RepL"};
  ui::FileListBox gifs_liste{*this, "gifs_liste", "*.gif"};
  ui::Button importerB{*this, "importerB", "Importer"};
  ui::Button okB{*this, "okB", "Ok"};
  ui::OpenDialog OpenImage{*this, "OpenImage", "Images|*.gif"};
  // Set by the menu editor before it shows the picker: "menu_titres", "menu_puce_titres", or a
  // top element ("logo", "delais", ...), with "_puce" for a bullet.
  std::string appelantImage;

  // Bullets for the tags ending in "_puce" and for "menu_puce_titres"; buttons otherwise.
  bool puces() const;

  void FormShow();
  void FormActivate();
  void FormDeactivate();
  void gifs_listeClick();
  void importerBClick();
  void okBClick();

 private:
  app::Programme& p_;
  bool choisi_ = false;  // a template was clicked since the picker opened
};

}  // namespace design
