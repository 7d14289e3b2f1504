#include "app/fiche_images.h"

#include "platform/image.h"

namespace app {

std::optional<std::filesystem::path> fichierPresent(const platform::DataFolder& dossier,
                                                    std::string_view nom) {
  if (nom.empty()) return std::nullopt;
  try {
    auto chemin = dossier.path(nom);
    if (platform::fileExists(chemin)) return chemin;
  } catch (const platform::FileError&) {
  }
  return std::nullopt;
}

std::pair<int, int> montrerImage(ui::Image& apercu, const std::filesystem::path& fichier) {
  auto taille = platform::imageSize(fichier).value_or(std::pair{0, 0});
  apercu.loadPicture(fichier);
  apercu.setBounds(apercu.left(), apercu.top(), taille.first, taille.second);
  return taille;
}

}  // namespace app
