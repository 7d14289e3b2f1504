#include "modele/app/ref_gen.h"

#include <algorithm>
#include <unordered_set>

#include "modele/app/fiche_produit.h"
#include "modele/app/fiches_catalogue.h"
#include "platform/text.h"

namespace app {

namespace {

using platform::DataFolder;
using platform::LineList;

LineList chargerLignes(const DataFolder& dossier) {
  auto chemin = dossier.path("ref.gen");
  return platform::fileExists(chemin) ? LineList::load(chemin) : LineList{};
}

}  // namespace

std::string formaterEntreeRefGen(const TEntreeRefGen& e) {
  return e.reference + "#" + e.categorie + "#" + e.theme + "#" + e.titre + "#" + e.auteur + "#" +
         e.image;
}

std::optional<TEntreeRefGen> lireEntreeRefGen(std::string_view ligne) {
  if (ligne.find('#') == std::string_view::npos) return std::nullopt;
  TEntreeRefGen e;
  std::string* champs[] = {&e.reference, &e.categorie, &e.theme, &e.titre, &e.auteur};
  std::string_view reste = ligne;
  for (std::string* champ : champs) {
    size_t diese = reste.find('#');
    if (diese == std::string_view::npos) {
      *champ = std::string(reste);
      return e;
    }
    *champ = std::string(reste.substr(0, diese));
    reste.remove_prefix(diese + 1);
  }
  e.image = std::string(reste);
  return e;
}

std::optional<std::string> cleRefGen(std::string_view ligne) {
  size_t diese = ligne.find('#');
  if (diese == std::string_view::npos) return std::nullopt;
  return platform::trim(ligne.substr(0, diese));
}

LineList filtrerRefGen(const LineList& lignes, std::string_view reference) {
  const std::string cle = platform::trim(reference);
  LineList gardees;
  for (const auto& ligne : lignes) {
    auto c = cleRefGen(ligne);
    if (c && *c != cle) gardees.add(ligne);
  }
  return gardees;
}

std::vector<TEntreeRefGen> chargerRefGen(const DataFolder& dossier) {
  std::vector<TEntreeRefGen> entrees;
  for (const auto& ligne : chargerLignes(dossier))
    if (auto e = lireEntreeRefGen(ligne)) entrees.push_back(std::move(*e));
  return entrees;
}

void remplacerEntreeRefGen(const DataFolder& dossier, const TEntreeRefGen& entree) {
  LineList lignes = filtrerRefGen(chargerLignes(dossier), entree.reference);
  lignes.add(formaterEntreeRefGen(entree));
  lignes.save(dossier.path("ref.gen"));
}

void retirerEntreeRefGen(const DataFolder& dossier, std::string_view reference) {
  filtrerRefGen(chargerLignes(dossier), reference).save(dossier.path("ref.gen"));
}

TEntreeRefGen entreeRefGenDeFiche(const LineList& lignes) {
  // Plain reading with an empty start: a key missing from the sheet leaves its field empty.
  TFicheProduit f;
  lireFicheProduit(lignes, f);
  return {f.reference, f.categorie, f.mot_cle, f.description, f.auteur, f.image};
}

void sauverRefGen(const DataFolder& dossier, const std::vector<TEntreeRefGen>& entrees) {
  LineList index;
  for (const auto& e : entrees) index.add(formaterEntreeRefGen(e));
  index.save(dossier.path("ref.gen"));
}

bool refGenEnRetard(const DataFolder& dossier) {
  const auto fiches = fichesCatalogue(dossier);
  const auto index = dossier.path("ref.gen");
  if (!platform::fileExists(index)) return !fiches.empty();
  LineList lues;
  try {
    lues = LineList::load(index);
  } catch (const platform::FileError&) {
    return true;  // unreadable: rebuilt from the sheets like a missing one
  }
  std::unordered_set<std::string> nomsFiches;
  for (const auto& nom : fiches) nomsFiches.insert(platform::foldFileName(nom));
  std::unordered_set<std::string> nommees;  // the sheets a line names
  std::unordered_multiset<std::string> sansFiche;  // the keys of the lines that name none
  size_t lignes = 0;
  // Only a line with its six fields counts: a damaged line is a missing one. Every line a
  // rebuild writes has them, whatever its fields hold.
  for (const auto& ligne : lues) {
    if (std::count(ligne.begin(), ligne.end(), '#') < 5) continue;
    ++lignes;
    const std::string cle = *cleRefGen(ligne);
    const std::string fiche = platform::foldFileName(cle + ".ref");
    if (nomsFiches.count(fiche))
      nommees.insert(fiche);
    else
      sansFiche.insert(cle);
  }
  // Fewer lines than sheets: a new sheet's line is missing. A rebuild writes one line per sheet,
  // so this never asks for a rebuild twice.
  if (lignes < fiches.size()) return true;
  // A line whose sheet is gone (a deletion stopped before the index was written). A sheet whose
  // reference is not its file name gives such a line too, as a rebuild writes it: only the
  // sheets no line names are read, and each accounts for the line of its reference.
  for (const auto& nom : fiches) {
    if (sansFiche.empty()) break;
    if (nommees.count(platform::foldFileName(nom))) continue;
    std::string reference;
    try {
      reference = platform::trim(entreeRefGenDeFiche(LineList::load(dossier.root() / nom)).reference);
    } catch (const platform::FileError&) {
      return true;  // the rebuild names it
    }
    auto ligne = sansFiche.find(reference);
    if (ligne == sansFiche.end()) return true;  // its line is missing
    sansFiche.erase(ligne);
  }
  if (!sansFiche.empty()) return true;
  std::error_code erreur;
  const auto dateIndex = std::filesystem::last_write_time(index, erreur);
  if (erreur) return true;
  for (const auto& nom : fiches) {
    const auto date = std::filesystem::last_write_time(dossier.root() / nom, erreur);
    if (erreur || date > dateIndex) return true;
  }
  return false;
}

void reconstruireFichierRefGen(const DataFolder& dossier,
                               const std::function<void(int n, int total)>& progression) {
  const auto fiches = fichesCatalogue(dossier);
  const int total = static_cast<int>(fiches.size());
  LineList index;
  int n = 0;
  for (const auto& nom : fiches) {
    if (progression) progression(++n, total);
    index.add(formaterEntreeRefGen(entreeRefGenDeFiche(LineList::load(dossier.root() / nom))));
  }
  index.save(dossier.path("ref.gen"));
}

}  // namespace app
