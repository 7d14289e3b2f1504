#include "modele/publish/noms_entames.h"

#include <algorithm>
#include <vector>

namespace publish {

namespace {
constexpr const char* kFichier = "tmp/transfert.entames";
}

NomsEntames lireNomsEntames(const platform::DataFolder& dossier) {
  if (!dossier.exists(kFichier)) return {};
  const auto lignes = platform::LineList::load(dossier.path(kFichier));
  NomsEntames noms;
  for (const auto& nom : lignes)
    if (!nom.empty()) noms.insert(nom);
  return noms;
}

void sauverNomsEntames(const platform::DataFolder& dossier, const NomsEntames& noms) {
  const auto fichier = dossier.path(kFichier);
  if (noms.empty()) {
    if (!platform::removeFile(fichier) && platform::fileExists(fichier))
      throw platform::FileError("Le fichier " + fichier.string() + " n'a pas pu être effacé");
    return;
  }
  std::vector<std::string> tries(noms.begin(), noms.end());
  std::sort(tries.begin(), tries.end());
  platform::LineList lignes;
  for (auto& nom : tries)
    if (nom.find_first_of("\r\n") == std::string::npos) lignes.add(std::move(nom));  // no room in a line
  // Synced when it changes only: a sync waits for everything the build left unwritten.
  try {
    if (platform::fileExists(fichier) && platform::readFile(fichier) == lignes.text()) return;
  } catch (const platform::FileError&) {
  }
  platform::makeFolder(dossier.path("tmp"));
  lignes.save(fichier);
}

}  // namespace publish
