#include "pages/dossier_construction.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files.h"
#include "platform/text.h"

namespace pages {

namespace fs = std::filesystem;

DossierConstruction::DossierConstruction(fs::path racine) : racine_(std::move(racine)) {}

void DossierConstruction::compter(std::map<std::string, int> Comptes::*quoi,
                                  const fs::path& chemin) const {
  if (comptes) ++(comptes->*quoi)[chemin.lexically_relative(racine_).generic_string()];
}

DossierConstruction::Repertoire& DossierConstruction::repertoire(const fs::path& dossier) {
  Repertoire& r = repertoires_[dossier.generic_string()];
  if (!r.lu) {
    r.lu = true;
    compter(&Comptes::listages, dossier);
    std::error_code ec;
    for (fs::directory_iterator it(dossier, ec), fin; !ec && it != fin; it.increment(ec)) {
      std::string nom = it->path().filename().string();
      auto [place, nouveau] = r.noms.emplace(platform::foldFileName(nom), nom);
      // Two names differing only by case: the first in byte order, as the platform resolves.
      if (!nouveau && nom < place->second) place->second = nom;
    }
  }
  return r;
}

std::string DossierConstruction::trouver(const fs::path& dossier, const std::string& nom) {
  std::error_code ec;
  if (fs::exists(dossier / nom, ec)) return nom;
  Repertoire& r = repertoire(dossier);
  auto it = r.noms.find(platform::foldFileName(nom));
  if (it != r.noms.end() && fs::exists(dossier / it->second, ec)) return it->second;
  return nom;
}

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
    resultat /= trouver(resultat, nom);
  }
  return resultat;
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
  compter(&Comptes::lectures, *c);
  return platform::LineList::load(*c);
}

void DossierConstruction::noter(const fs::path& fichier) {
  Repertoire& r = repertoires_[fichier.parent_path().generic_string()];
  if (r.lu) {
    std::string nom = fichier.filename().string();
    r.noms.emplace(platform::foldFileName(nom), nom);
  }
}

void DossierConstruction::oublier(const fs::path& fichier) {
  auto it = repertoires_.find(fichier.parent_path().generic_string());
  if (it == repertoires_.end() || !it->second.lu) return;
  auto& noms = it->second.noms;
  auto n = noms.find(platform::foldFileName(fichier.filename().string()));
  if (n != noms.end() && n->second == fichier.filename().string()) noms.erase(n);
}

void DossierConstruction::ecrireChemin(const fs::path& cible, std::string_view octets) {
  // Named as the platform names its temporaries, which folder listings skip.
  const fs::path temporaire =
      cible.parent_path() / ("." + cible.filename().string() + ".tmp" + std::to_string(::getpid()) +
                             "_" + std::to_string(++compteur_));
  int fd = ::open(temporaire.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  bool ok = fd >= 0;
  const char* donnees = octets.data();
  size_t reste = octets.size();
  while (ok && reste > 0) {
    ssize_t n = ::write(fd, donnees, reste);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ok = false;
      break;
    }
    donnees += n;
    reste -= static_cast<size_t>(n);
  }
  if (fd >= 0 && ::close(fd) != 0) ok = false;
  if (ok && ::rename(temporaire.c_str(), cible.c_str()) != 0) ok = false;
  if (!ok) {
    if (fd >= 0) ::unlink(temporaire.c_str());
    throw platform::FileError("Impossible d'écrire le fichier " + cible.string());
  }
  noter(cible);
}

void DossierConstruction::ecrire(std::string_view nom, const platform::LineList& lignes) {
  auto cible = chemin(nom);
  if (!cible) throw platform::FileError("Nom de fichier refusé : " + std::string(nom));
  ecrireChemin(*cible, lignes.text());
}

void DossierConstruction::ecrireOctets(std::string_view nom, std::string_view octets) {
  auto cible = chemin(nom);
  if (!cible) throw platform::FileError("Nom de fichier refusé : " + std::string(nom));
  std::error_code ec;
  const fs::path dossier = cible->parent_path();
  if (!fs::is_directory(dossier, ec)) {
    if (!platform::makeFolder(dossier))
      throw platform::FileError("Impossible de créer le dossier " + dossier.string());
    noter(dossier);
  }
  ecrireChemin(*cible, octets);
}

void DossierConstruction::oublierDossier(std::string_view dossier) {
  if (auto c = chemin(dossier)) repertoires_.erase(c->generic_string());
}

bool DossierConstruction::supprimer(std::string_view nom) {
  auto c = chemin(nom);
  std::error_code ec;
  if (!c || !fs::is_regular_file(*c, ec)) return false;
  if (!fs::remove(*c, ec)) return false;
  oublier(*c);
  return true;
}

bool DossierConstruction::renommer(std::string_view ancien, std::string_view nouveau) {
  auto a = chemin(ancien);
  auto n = chemin(nouveau);
  if (!a || !n || !platform::renameFile(*a, *n)) return false;
  oublier(*a);
  noter(*n);
  return true;
}

bool DossierConstruction::copier(std::string_view source, std::string_view destination) {
  auto s = chemin(source);
  std::error_code ec;
  if (!s || !fs::is_regular_file(*s, ec)) return false;
  auto d = chemin(destination);
  if (!d) return false;
  if (fs::exists(*d, ec) && fs::equivalent(*s, *d, ec)) return true;
  try {
    ecrireChemin(*d, platform::readFile(*s));
  } catch (const platform::FileError&) {
    return false;
  }
  return true;
}

std::vector<std::string> DossierConstruction::lister(std::string_view dossier,
                                                     std::string_view masques) {
  auto c = chemin(dossier);
  if (!c) return {};
  compter(&Comptes::listages, *c);
  return platform::listFiles(*c, masques);
}

void DossierConstruction::creerDossier(std::string_view dossier) {
  auto c = chemin(dossier);
  if (!c) throw platform::FileError("Nom de dossier refusé : " + std::string(dossier));
  if (!platform::makeFolder(*c))
    throw platform::FileError("Impossible de créer le dossier " + c->string());
  noter(*c);
}

}  // namespace pages
