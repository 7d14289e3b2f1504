#include "modele/app/reparation.h"

#include <map>
#include <set>
#include <string>
#include <vector>

#include "modele/app/categories_fichiers.h"
#include "modele/app/dossier_catalogue.h"
#include "modele/app/ref_gen.h"
#include "modele/app/renommage_journal.h"
#include "platform/lines.h"
#include "platform/text.h"

namespace app {

namespace {

using platform::DataFolder;
using platform::FileError;
using platform::LineList;

// Blanks around a value go; the key stays as written (a key with blanks is no key the reader
// knows, and trimming it would make it one).
bool trimmerValeurs(LineList& lignes) {
  bool change = false;
  for (auto& ligne : lignes) {
    const size_t egal = ligne.find('=');
    if (egal == std::string::npos) continue;
    std::string nouvelle = ligne.substr(0, egal + 1) + platform::trim(ligne.substr(egal + 1));
    if (nouvelle != ligne) {
      ligne = std::move(nouvelle);
      change = true;
    }
  }
  return change;
}

void trimmerNomsFichiers(DossierCatalogue& vue) {
  const std::vector<std::string> noms = vue.fichiers();
  for (const auto& nom : noms) {
    if (nom.empty() || nom[0] == '.') continue;  // hidden
    const std::string trimme = platform::trim(nom);
    // A padded name whose trimmed name is taken stays as it is: nothing is replaced.
    if (trimme.empty() || trimme == nom || vue.trouver(trimme)) continue;
    vue.renommer(nom, trimme);
  }
}

// A category or theme name that can stand in a file name of the data folder itself.
bool nomDeFichier(const std::string& nom) {
  return !nom.empty() && nom.find('/') == std::string::npos && nom.find('\\') == std::string::npos;
}

void reconstruireListes(const DataFolder& dossier, const LineList& index) {
  std::vector<std::string> categories;
  std::map<std::string, size_t> rang;  // folded category -> its place
  std::vector<std::vector<std::string>> themes;
  std::vector<std::set<std::string>> themesVus;
  for (const auto& ligne : index) {
    auto e = lireEntreeRefGen(ligne);
    if (!e) continue;
    const std::string categorie = platform::trim(e->categorie);
    if (!nomDeFichier(categorie)) continue;  // a sheet without category makes no category
    auto [it, nouvelle] = rang.emplace(platform::foldFileName(categorie), categories.size());
    if (nouvelle) {
      categories.push_back(categorie);
      themes.emplace_back();
      themesVus.emplace_back();
    }
    const std::string theme = platform::trim(e->theme);
    if (!theme.empty() && themesVus[it->second].insert(platform::foldFileName(theme)).second)
      themes[it->second].push_back(theme);
  }
  if (categories.empty()) return;  // the old list stays
  sauverListeCategories(dossier, categories);
  // Every .cto is gone: the exact name needs no case-blind lookup.
  for (size_t i = 0; i < categories.size(); ++i)
    if (!themes[i].empty()) LineList(themes[i]).saveExact(dossier.root() / (categories[i] + ".cto"));
}

void oublierOrdreFamilles(const DataFolder& dossier) {
  if (!dossier.exists("menu.opt")) return;
  const auto chemin = dossier.path("menu.opt");
  LineList menu = LineList::load(chemin);
  for (auto& ligne : menu)
    for (const char* cle : {"fam0=", "fam1=", "fam2=", "fam3="})
      if (ligne.compare(0, 5, cle) == 0) ligne = "***";
  menu.save(chemin);
}

}  // namespace

void reparerCatalogueFichiers(const DataFolder& dossier,
                              const std::function<void(int n, int total)>& progression) {
  // A rename cut short is completed first: its sheets alone would split the category in two.
  reprendreRenommage(dossier);
  DossierCatalogue vue(dossier);
  trimmerNomsFichiers(vue);
  const auto fiches = vue.fiches();
  const int total = static_cast<int>(fiches.size());
  int n = 0;
  LineList index;
  for (const auto& nom : fiches) {
    if (progression) progression(++n, total);
    LineList lignes = vue.lire(nom);
    if (trimmerValeurs(lignes)) lignes.saveExact(dossier.root() / nom);
    index.add(formaterEntreeRefGen(entreeRefGenDeFiche(lignes)));
  }
  // The index is written before the theme lists go: a sheet that cannot be read stops the repair
  // with every list still in place.
  index.save(dossier.path("ref.gen"));
  for (const auto& nom : vue.fichiers())
    if (platform::matchesMask(nom, "*.cto") && !platform::removeFile(dossier.root() / nom))
      throw FileError("Impossible de supprimer le fichier " + nom);
  reconstruireListes(dossier, index);
  oublierOrdreFamilles(dossier);
}

void retirerClesFamille(const DataFolder& dossier) {
  DossierCatalogue vue(dossier);
  for (const auto& nom : vue.fiches()) {
    const LineList lignes = vue.lire(nom);
    LineList gardees;
    for (const auto& ligne : lignes) {
      const size_t egal = ligne.find('=');
      if (egal != std::string::npos && ligne.compare(0, egal, "famille") != 0) gardees.add(ligne);
    }
    if (!(gardees == lignes)) gardees.saveExact(dossier.root() / nom);
  }
}

}  // namespace app
