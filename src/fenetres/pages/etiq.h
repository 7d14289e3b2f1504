#pragma once
// The window `Tetiq1`: progress window of the site build. Its memo holds one line per stage
// ("1." sheets, "2." themes, "3." pages), its caption the count of the stage running.

#include <string>

#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace pages {

class Tetiq1 : public ui::Form {
 public:
  explicit Tetiq1(app::Programme& programme);

  ui::Memo etiquette{*this, "etiquette"};

  // Line i (from 0) of the memo becomes texte; missing lines before it are added empty.
  void ligne(size_t i, std::string texte);

 private:
  app::Programme& p_;
};

}  // namespace pages
