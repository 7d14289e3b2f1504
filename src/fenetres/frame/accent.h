#pragma once
// The window `Taccents1`: routine holder of the HTML-entity converter. Never shown; its table is
// filled when it is created.

#include <string>

#include "modele/frame/table_accents.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace frame {

class Taccents1 : public ui::Form {
 public:
  explicit Taccents1(app::Programme& programme);

  TTableAccents table;
  // Names relative to the data folder, set by the caller before each conversion.
  std::string fichierEntree;
  std::string fichierSortie;

  // Copies fichierEntree to fichierSortie with the entities, then deletes fichierEntree. Nothing
  // happens when the source is missing. Throws platform::FileError; the source is then kept.
  void convertirAccents();

  void FormCreate();

 private:
  app::Programme& p_;
};

}  // namespace frame
