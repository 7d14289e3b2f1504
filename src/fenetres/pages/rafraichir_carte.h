#pragma once
// The window `Tpage`: routine holder of the card refresher. Never shown.

#include <string>

#include "ui/form.h"

namespace app {
class Programme;
}

namespace pages {

// Said when the open sheet's page holds no card of it between markers.
std::string messageCarteAbsente(const std::string& reference, const std::string& page);

class Tpage : public ui::Form {
 public:
  explicit Tpage(app::Programme& programme);

  // Writes the open sheet's card again into the generated page that holds it, rewrites the
  // frame, home and conditions pages and opens the site. Throws platform::FileError.
  void majVignettePage();

 private:
  app::Programme& p_;
};

}  // namespace pages
