#pragma once
// A whole data folder for measures: the demo shop's settings and a catalogue of n sheets over
// 10 categories of 10 themes, the same bytes for the same n.

#include <filesystem>

namespace bench {

struct CatalogueEcrit {
  int fiches = 0;
  int images = 0;
  int annexes = 0;  // .sup and .acc files
  int promotions = 0;
};

// `dossier` is created when missing; its catalogue files are replaced.
CatalogueEcrit genererCatalogue(const std::filesystem::path& dossier, int n);

}  // namespace bench
