#include "modele/app/fiches_catalogue.h"

#include <algorithm>
#include <unordered_set>

#include "modele/app/fiche_produit.h"
#include "modele/app/nouveautes.h"
#include "platform/lines.h"
#include "platform/text.h"

namespace app {

namespace {

using platform::DataFolder;
using platform::LineList;

bool tientUneFiche(const DataFolder& dossier, const std::string& nom) {
  const auto lignes = chargerLignesFiche(dossier.path(nom));
  return lignes && !platform::trim(lireFicheProduit(*lignes).reference).empty();
}

// Folded names of the files to leave out, among the markers that stand in the folder.
std::unordered_set<std::string> exclus(const DataFolder& dossier, Usage usage) {
  std::vector<std::string> marqueurs{"newprod.ref"};
  const auto reglages = chargerReglagesNouveautes(dossier);
  if (reglages && !reglages->multi.empty() && platform::safeRelativePath(reglages->multi) &&
      dossier.exists(reglages->multi))
    for (const std::string& ligne : LineList::load(dossier.path(reglages->multi)))
      marqueurs.push_back(platform::trim(ligne) + ".ref");
  std::unordered_set<std::string> noms{platform::foldFileName(".ref")};
  for (const std::string& nom : marqueurs) {
    if (!platform::safeRelativePath(nom) || !dossier.exists(nom)) continue;
    if (usage == Usage::produits || !tientUneFiche(dossier, nom))
      noms.insert(platform::foldFileName(nom));
  }
  return noms;
}

}  // namespace

std::vector<std::string> sansMarqueurs(const DataFolder& dossier, std::vector<std::string> noms,
                                       Usage usage) {
  const auto horsCatalogue = exclus(dossier, usage);
  std::erase_if(noms, [&](const std::string& nom) {
    return horsCatalogue.contains(platform::foldFileName(nom));
  });
  return noms;
}

std::vector<std::string> fichesCatalogue(const DataFolder& dossier, Usage usage) {
  return sansMarqueurs(dossier, platform::listFiles(dossier.root(), "*.ref"), usage);
}

}  // namespace app
