#pragma once
// The window `TForm3`, never shown: holder of the additive scrambler of the stored FTP settings
// and of the maker's server password. The pure functions do the work; the window keeps the
// shared texts for callers written to them (store chaineSource, call, read the result at once).

#include <string>

#include "modele/publish/brouillage.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace publish {

class TForm3 : public ui::Form {
 public:
  explicit TForm3(app::Programme& programme);

  std::string chaineSource;
  std::string chaineCryptee;
  std::string chaineDecryptee;

  void p_crypter() { chaineCryptee = crypter(chaineSource); }
  void p_decrypter() { chaineDecryptee = decrypter(chaineSource); }

 private:
  app::Programme& p_;
};

}  // namespace publish
