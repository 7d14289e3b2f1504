// gen-catalogue N [DIR]: a data folder of N sheets for measures (see docs/PERFORMANCE.md).

#include <cstdlib>
#include <iostream>
#include <string>

#include "catalogue_synthetique.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3 || std::atoi(argv[1]) < 1) {
    std::cerr << "usage: gen-catalogue N [DIR]\n";
    return 2;
  }
  const int n = std::atoi(argv[1]);
  const std::string dossier = argc == 3 ? argv[2] : "catalogue-" + std::to_string(n);
  const auto ecrit = bench::genererCatalogue(dossier, n);
  std::cout << dossier << ": " << ecrit.fiches << " fiches, " << ecrit.images << " images, "
            << ecrit.annexes << " annexes, " << ecrit.promotions << " promotions\n";
}
