#include "fenetres/app/fiche_images.h"

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

bool imageLisible(ui::Dialogs& dialogues, const std::filesystem::path& fichier) {
  if (platform::imageSize(fichier)) return true;
  dialogues.showMessage("Le fichier " + fichier.filename().string() +
                        " n'est pas une image lisible (JPEG ou GIF)");
  return false;
}

std::pair<int, int> montrerImage(ui::Image& apercu, const std::filesystem::path& fichier) {
  auto taille = platform::imageSize(fichier).value_or(std::pair{0, 0});
  apercu.loadPicture(fichier);
  apercu.setBounds(apercu.left(), apercu.top(), taille.first, taille.second);
  return taille;
}

}  // namespace app
