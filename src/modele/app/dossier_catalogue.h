#pragma once
// One pass over the catalogue: the data folder listed once, its names found without regard to
// case in that listing, each sheet read once. The renames and the repair see the folder through
// it, so that their cost stays linear in the number of sheets.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/lines.h"

namespace app {

class DossierCatalogue {
 public:
  explicit DossierCatalogue(const platform::DataFolder& dossier);

  const platform::DataFolder& dossier() const { return dossier_; }
  // Every file of the folder itself, as listed (a renamed file keeps its place).
  const std::vector<std::string>& fichiers() const { return fichiers_; }
  // The sheets of the catalogue (fiches_catalogue.h: no new-product marker), in listing order.
  std::vector<std::string> fiches() const;
  // The listed name that `nom` names, letter case ignored.
  std::optional<std::string> trouver(std::string_view nom) const;
  // A listed file's lines.
  platform::LineList lire(const std::string& nom) const;
  // Never replaces a file; the listing follows. False when refused or failed.
  bool renommer(const std::string& ancien, const std::string& nouveau);

 private:
  const platform::DataFolder& dossier_;
  std::vector<std::string> fichiers_;  // in listing order until a rename
  bool renomme_ = false;
  std::map<std::string, std::string> parNom_;  // folded name -> listed name
};

}  // namespace app
