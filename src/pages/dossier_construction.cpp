#include "pages/dossier_construction.h"

#include "platform/files.h"
#include "platform/text.h"

namespace pages {

namespace fs = std::filesystem;

DossierConstruction::DossierConstruction(fs::path racine) : racine_(std::move(racine)) {}

std::optional<fs::path> DossierConstruction::chemin(std::string_view nom) {
  auto relatif = platform::safeRelativePath(nom);
  if (!relatif) return std::nullopt;
  fs::path resultat = racine_;
  for (const auto& partie : *relatif) {
    // The shop's folder named files as its first system did, which drops blanks and dots at the
    // end of a name: "Livres-Romans " (a theme line ending in a blank) is "Livres-Romans".
    std::string nom = partie.string();
    while (!nom.empty() && (nom.back() == ' ' || nom.back() == '.')) nom.pop_back();
    if (nom.empty() || nom == "." || nom == "..") return std::nullopt;
    resultat /= nom;
  }
  return platform::resolvePath(resultat);
}

bool DossierConstruction::existe(std::string_view nom) {
  auto c = chemin(nom);
  std::error_code ec;
  return c && fs::is_regular_file(*c, ec);
}

std::optional<platform::LineList> DossierConstruction::lire(std::string_view nom) {
  auto c = chemin(nom);
  std::error_code ec;
  if (!c || !fs::is_regular_file(*c, ec)) return std::nullopt;
  if (comptes) ++comptes->lectures[c->lexically_relative(racine_).generic_string()];
  return platform::LineList::fromText(platform::readFile(*c));
}

bool DossierConstruction::enPlace(const fs::path& fichier) const {
  return dossierEnPlace_ && fichier.parent_path() == *dossierEnPlace_;
}

void DossierConstruction::ecrire(std::string_view nom, const platform::LineList& lignes) {
  auto cible = chemin(nom);
  if (!cible) throw platform::FileError("Nom de fichier refusé : " + std::string(nom));
  platform::writeGeneratedFile(*cible, lignes.text(), enPlace(*cible));
}

void DossierConstruction::ecrireOctets(std::string_view nom, std::string_view octets) {
  auto cible = chemin(nom);
  if (!cible) throw platform::FileError("Nom de fichier refusé : " + std::string(nom));
  const fs::path dossier = cible->parent_path();
  if (!platform::makeFolder(dossier))
    throw platform::FileError("Impossible de créer le dossier " + dossier.string());
  platform::writeGeneratedFile(*cible, octets, enPlace(*cible));
}

void DossierConstruction::ecrireEnPlace(std::string_view dossier) { dossierEnPlace_ = chemin(dossier); }

bool DossierConstruction::supprimer(std::string_view nom) {
  auto c = chemin(nom);
  return c && platform::removeFile(*c);
}

bool DossierConstruction::renommer(std::string_view ancien, std::string_view nouveau) {
  auto a = chemin(ancien);
  auto n = chemin(nouveau);
  return a && n && platform::renameFile(*a, *n);
}

bool DossierConstruction::copier(std::string_view source, std::string_view destination) {
  auto s = chemin(source);
  std::error_code ec;
  if (!s || !fs::is_regular_file(*s, ec)) return false;
  auto d = chemin(destination);
  if (!d) return false;
  if (fs::exists(*d, ec) && fs::equivalent(*s, *d, ec)) return true;
  return platform::copyGeneratedFile(*s, *d, enPlace(*d));
}

std::vector<std::string> DossierConstruction::lister(std::string_view dossier,
                                                     std::string_view masques) {
  auto c = chemin(dossier);
  if (!c) return {};
  return platform::listFiles(*c, masques);
}

void DossierConstruction::creerDossier(std::string_view dossier) {
  auto c = chemin(dossier);
  if (!c) throw platform::FileError("Nom de dossier refusé : " + std::string(dossier));
  if (!platform::makeFolder(*c))
    throw platform::FileError("Impossible de créer le dossier " + c->string());
}

}  // namespace pages
