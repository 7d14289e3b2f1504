#pragma once
// The window `TForm3`, never shown: holder of the additive scrambler of the stored FTP settings
// and of the maker's server password. The pure functions do the work; the window keeps the
// shared texts for callers written to them (store chaineSource, call, read the result at once).

#include <string>
#include <string_view>

#include "ui/form.h"

namespace app {
class Programme;
}

namespace publish {

// Each byte j of the first (length modulo 256) bytes gains the key byte j modulo 8, modulo 256;
// the bytes after them are kept. The length never changes.
std::string crypter(std::string_view clair);
// The reverse walk.
std::string decrypter(std::string_view crypte);

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
