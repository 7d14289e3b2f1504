#include "modele/publish/fournitures.h"

namespace publish {

std::vector<std::string> apporterFournitures(const platform::DataFolder& donnees) {
  std::vector<std::string> apportes;
  for (const Fourniture& f : fournitures()) {
    if (donnees.exists(f.chemin)) continue;
    const std::filesystem::path chemin = donnees.path(f.chemin);
    platform::makeFolder(chemin.parent_path());
    platform::writeFileAtomic(chemin, f.octets);
    apportes.emplace_back(f.chemin);
  }
  return apportes;
}

}  // namespace publish
