#include "modele/app/organigramme_fiches.h"

#include <algorithm>
#include <numeric>
#include <unordered_set>

#include "modele/app/categories_fichiers.h"
#include "platform/text.h"

namespace app {

namespace {

std::string cle(std::string_view nom) { return platform::lowerAscii(platform::trim(nom)); }

std::string sansPoids(std::string texte) {
  if (texte.rfind("(w:", 0) == 0) {
    const size_t fin = texte.find(')');
    if (fin != std::string::npos) texte = platform::trim(std::string_view(texte).substr(fin + 1));
  }
  return texte;
}

// The sheet a line of the order list names; nullopt for a missing file or one outside the folder.
std::optional<TFicheProduit> ficheDeLigne(const platform::DataFolder& dossier,
                                          const std::string& fichier) {
  if (!platform::safeRelativePath(fichier)) return std::nullopt;
  auto lignes = chargerLignesFiche(dossier.path(fichier));
  if (!lignes) return std::nullopt;
  return lireFicheProduit(*lignes);
}

}  // namespace

std::string libelleFicheTheme(const TFicheProduit& fiche, bool parAuteur) {
  std::string libelle = sansPoids(fiche.description);
  if (!fiche.image.empty()) libelle += " [image]";
  if (!fiche.auteur.empty())
    libelle = parAuteur ? fiche.auteur + " " + libelle : libelle + " " + fiche.auteur;
  return libelle;
}

std::vector<FicheTheme> listerFichesTheme(const platform::DataFolder& dossier,
                                          const EntreesFichesTheme& e,
                                          const std::vector<TEntreeRefGen>& index) {
  std::vector<FicheTheme> fiches;
  std::unordered_set<std::string> listees;
  const std::string categorie = cle(e.categorie), theme = cle(e.theme);
  for (const std::string& fichier : chargerListeTheme(dossier, e.categorie, e.theme, e.sepurl)) {
    auto fiche = ficheDeLigne(dossier, fichier);
    // The build leaves such a sheet to the theme it is saved under; so does the organiser.
    if (!fiche || cle(fiche->mot_cle) != theme || cle(fiche->categorie) != categorie) continue;
    if (!listees.insert(fichier).second) continue;
    const std::string libelle = libelleFicheTheme(*fiche, e.parAuteur);
    fiches.push_back({libelle, libelle + " " + fiche->reference, fichier});
  }
  for (const TEntreeRefGen& entree : index) {
    if (cle(entree.categorie) != categorie || cle(entree.theme) != theme) continue;
    std::string fichier = entree.reference + ".ref";
    if (!listees.insert(fichier).second) continue;
    std::string libelle = entree.titre;
    if (!entree.image.empty()) libelle += " [image]";
    std::string tri = libelle + " " + entree.auteur + " " + entree.reference;
    fiches.push_back({std::move(libelle), std::move(tri), std::move(fichier)});
  }
  return fiches;
}

void trierFichesAlpha(std::vector<std::string>& tri, std::vector<std::string>& fichiers) {
  std::vector<size_t> ordre(tri.size());
  std::iota(ordre.begin(), ordre.end(), size_t{0});
  std::stable_sort(ordre.begin(), ordre.end(), [&](size_t a, size_t b) {
    return platform::compareFrench(tri[a], tri[b]) < 0;
  });
  std::vector<std::string> triNouveau, fichiersNouveaux;
  for (size_t i : ordre) {
    triNouveau.push_back(std::move(tri[i]));
    fichiersNouveaux.push_back(std::move(fichiers[i]));
  }
  tri = std::move(triNouveau);
  fichiers = std::move(fichiersNouveaux);
}

}  // namespace app
