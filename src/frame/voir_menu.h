#pragma once
// The window `Tvoir_menu1`: routine holder of the site frame generator.

#include "platform/files.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace frame {

class Tvoir_menu1 : public ui::Form {
 public:
  explicit Tvoir_menu1(app::Programme& programme);

 private:
  app::Programme& p_;
};

// Makes the order links of the user's import/top.htm and import/accueil.htm carry the visitor's
// session, so that a cart survives the frames.
void adapterPagesImport(const platform::DataFolder& dossier);

}  // namespace frame
