#pragma once
// The window `Ttarvioupdate` ("UpDate"): fetches the support files of the generated site from the
// maker's server into the data folder.

#include "platform/ftp.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace publish {

class Ttarvioupdate : public ui::Form {
 public:
  explicit Ttarvioupdate(app::Programme& programme);

  ui::Label version{*this, "version"};
  ui::Memo Memo1{*this, "Memo1"};
  ui::Panel mss{*this, "mss", "Téléchargement en cours. Merci de patienter..."};
  ui::Button BitBtn2{*this, "BitBtn2", "Mettre à jour"};
  ui::Button BitBtn1{*this, "BitBtn1", "Annuler"};
  platform::FtpSession FTP1;

  void FormActivate();
  void BitBtn2Click();
  void BitBtn1Click() { close(); }

 private:
  app::Programme& p_;
};

}  // namespace publish
