#include "modele/app/dossier_catalogue.h"

#include <algorithm>

#include "modele/app/fiches_catalogue.h"
#include "platform/text.h"

namespace app {

DossierCatalogue::DossierCatalogue(const platform::DataFolder& dossier)
    : dossier_(dossier), fichiers_(platform::listFiles(dossier.root())) {
  for (const auto& nom : fichiers_) parNom_.emplace(platform::foldFileName(nom), nom);
}

std::vector<std::string> DossierCatalogue::fiches() const {
  std::vector<std::pair<std::string, std::string>> fiches;  // folded name, name
  for (const auto& nom : fichiers_)
    if (platform::matchesMask(nom, "*.ref")) fiches.emplace_back(platform::foldFileName(nom), nom);
  // A rename may have put a name out of place: the listing's own order, by folded name, then by
  // bytes.
  if (renomme_) std::sort(fiches.begin(), fiches.end());
  std::vector<std::string> noms;
  for (auto& f : fiches) noms.push_back(std::move(f.second));
  return sansMarqueurs(dossier_, std::move(noms));
}

std::optional<std::string> DossierCatalogue::trouver(std::string_view nom) const {
  auto it = parNom_.find(platform::foldFileName(nom));
  if (it == parNom_.end()) return std::nullopt;
  return it->second;
}

platform::LineList DossierCatalogue::lire(const std::string& nom) const {
  return platform::LineList::load(dossier_.root() / nom);
}

bool DossierCatalogue::renommer(const std::string& ancien, const std::string& nouveau) {
  // Another file under the new name in another letter case is never replaced; the file itself
  // may change its case.
  auto present = trouver(nouveau);
  if (present && !platform::fileNamesEqual(*present, ancien)) return false;
  if (!platform::renameFileExact(dossier_.root() / ancien, dossier_.root() / nouveau)) return false;
  parNom_.erase(platform::foldFileName(ancien));
  parNom_[platform::foldFileName(nouveau)] = nouveau;
  std::replace(fichiers_.begin(), fichiers_.end(), ancien, nouveau);
  renomme_ = true;
  return true;
}

}  // namespace app
