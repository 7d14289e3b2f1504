#pragma once
// The window `TForm1`: product-sheet style editor.

#include "ui/form.h"
#include <string>

namespace app {
class Programme;
}

namespace design {

class TForm1 : public ui::Form {
 public:
  explicit TForm1(app::Programme& programme);

  // The names the editor shows for the sheet it styles.
  std::string themeStyle;
  std::string libelleTitre;
  std::string libelleAuteur;
  std::string referenceStyle;

 private:
  app::Programme& p_;
};

}  // namespace design
