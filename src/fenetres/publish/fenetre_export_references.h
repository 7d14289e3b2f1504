#pragma once
// The window `Texport_ref` ("Exportation des références"): the catalogue exported as one
// tab-separated file of the data folder, with the column order and sort chosen.

#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace publish {

class Texport_ref : public ui::Form {
 public:
  explicit Texport_ref(app::Programme& programme);

  ui::Edit nom_fichierE{*this, "nom_fichierE", "tarvio_ref.txt"};
  ui::RadioGroup triG{*this, "triG", "Tri"};
  ui::Gauge gauge{*this, "gauge"};
  ui::Button BitBtn1{*this, "BitBtn1", "Exporter"};
  ui::Button BitBtn5{*this, "BitBtn5", "Fermer"};
  ui::FileListBox refL{*this, "refL", "*.ref"};
  ui::ListBox listeB{*this, "listeB"};

  void BitBtn1Click();
  void BitBtn5Click();

 private:
  app::Programme& p_;
};

}  // namespace publish
