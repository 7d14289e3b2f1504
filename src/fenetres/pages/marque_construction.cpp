#include "fenetres/pages/marque_construction.h"

namespace pages {

namespace {

constexpr const char* kMarque = "tmp/construction.en_cours";

}  // namespace

void marquerDebutConstruction(const platform::DataFolder& dossier) {
  platform::makeFolder(dossier.path("tmp"));
  platform::writeFileAtomic(dossier.path(kMarque), "");
}

void marquerFinConstruction(const platform::DataFolder& dossier) {
  const auto marque = dossier.path(kMarque);
  if (platform::fileExists(marque) && !platform::removeFile(marque))
    throw platform::FileError("Impossible de supprimer le fichier " + marque.string());
}

bool constructionInachevee(const platform::DataFolder& dossier) { return dossier.exists(kMarque); }

}  // namespace pages
