#include "modele/pages/dossier_construction.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <mutex>
#include <unordered_map>

#include "platform/files.h"
#include "platform/text.h"

namespace pages {

namespace fs = std::filesystem;

namespace {

// Files set aside, by folder: shared by every view, since the cards write with their own, on
// the card threads.
std::unordered_map<std::string, std::vector<fs::path>>& deCote() {
  static std::unordered_map<std::string, std::vector<fs::path>> fichiers;
  return fichiers;
}
std::mutex verrouDeCote;

// Held while a file is copied to a name: the page writer and a card may copy to one ftp/ name
// at once (a background and a sheet picture), and two copies into one file in place would
// interleave. One of a few locks by the folded name, so that copies to other names go on.
std::unique_lock<std::mutex> verrouCopie(std::string_view destination) {
  static std::mutex verrous[16];
  std::string cle = platform::foldFileName(destination);
  std::replace(cle.begin(), cle.end(), '\\', '/');
  const size_t n = std::hash<std::string>{}(cle) % std::size(verrous);
  return std::unique_lock(verrous[n]);
}

}  // namespace

DossierConstruction::DossierConstruction(fs::path racine) : racine_(std::move(racine)) {}

DossierConstruction::~DossierConstruction() {
  std::lock_guard garde(verrouDeCote);
  if (enPlace_) --vuesEnPlace_;
  for (const auto& dossier : dossiersDeCote_) {
    auto it = deCote().find(dossier);
    if (it == deCote().end()) continue;
    for (const auto& fichier : it->second) platform::removeFile(fichier);
    deCote().erase(it);
  }
}

void DossierConstruction::ecrireEnPlace() {
  std::lock_guard garde(verrouDeCote);
  if (!enPlace_) ++vuesEnPlace_;
  enPlace_ = true;
}

bool DossierConstruction::mettreDeCote(const fs::path& fichier) {
  // A file that has another name (a page and its copy) is only unlinked: reused, it would be
  // replaced anyway. A symbolic link is only removed too: reused, it would be written through.
  struct stat s {};
  if (::lstat(fichier.c_str(), &s) == 0 && (S_ISLNK(s.st_mode) || s.st_nlink > 1))
    return platform::removeFile(fichier);
  const std::string dossier = fichier.parent_path().string();
  std::lock_guard garde(verrouDeCote);
  auto& fichiers = deCote()[dossier];
  if (std::find(dossiersDeCote_.begin(), dossiersDeCote_.end(), dossier) == dossiersDeCote_.end())
    dossiersDeCote_.push_back(dossier);
  // Named as the platform names the build's temporaries, which listings skip; the pool holds
  // _1 to _n, the last taken first, so a new name is always free.
  const fs::path cache = fichier.parent_path() / (".decote.tmp" + std::to_string(::getpid()) + "_" +
                                                  std::to_string(fichiers.size() + 1));
  if (!platform::renameFileExact(fichier, cache)) return platform::removeFile(fichier);
  fichiers.push_back(cache);
  return true;
}

bool DossierConstruction::reprendre(const fs::path& cible) {
  std::lock_guard garde(verrouDeCote);
  auto it = deCote().find(cible.parent_path().string());
  if (it == deCote().end() || it->second.empty()) return false;
  std::error_code ec;
  if (fs::exists(cible, ec)) return false;
  if (repriseEssai) (*repriseEssai)(cible);
  // Another thread may have created the target meanwhile: the file then stays in the pool,
  // else it would outlive the build hidden in the site.
  if (!platform::renameFileExact(it->second.back(), cible)) return false;
  it->second.pop_back();
  return true;
}

bool DossierConstruction::enPlaceAdmis(const fs::path& fichier) const {
  if (vuesEnPlace_ == 0) return false;
  const fs::path relatif = fichier.lexically_relative(racine_);
  if (relatif.empty() || relatif.begin() == relatif.end()) return false;
  const std::string premier = relatif.begin()->string();
  return platform::fileNamesEqual(premier, "ftp") || platform::fileNamesEqual(premier, "tmp") ||
         (relatif == relatif.filename() && platform::fileNamesEqual(premier, "vignette.htm"));
}

bool DossierConstruction::ecritEnPlace(const fs::path& cible) {
  if (!enPlaceAdmis(cible)) return false;
  reprendre(cible);
  return true;
}

std::optional<platform::ResolvedPath> DossierConstruction::trouver(std::string_view nom) {
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
  platform::ResolvedPath trouve = platform::resolvePathKind(resultat);
  platform::refuseLinksOut(racine_, trouve.path);
  return trouve;
}

std::optional<fs::path> DossierConstruction::chemin(std::string_view nom) {
  auto trouve = trouver(nom);
  if (!trouve) return std::nullopt;
  return std::move(trouve->path);
}

bool DossierConstruction::existe(std::string_view nom) {
  auto c = trouver(nom);
  return c && c->kind == platform::PathKind::file;
}

std::optional<platform::LineList> DossierConstruction::lire(std::string_view nom) {
  auto c = trouver(nom);
  if (!c || c->kind != platform::PathKind::file) return std::nullopt;
  if (comptes) {
    static std::mutex verrouComptes;  // the card threads read too
    std::lock_guard garde(verrouComptes);
    ++comptes->lectures[c->path.lexically_relative(racine_).generic_string()];
  }
  return platform::LineList::load(c->path);
}

void DossierConstruction::ecrire(std::string_view nom, const platform::LineList& lignes) {
  auto cible = chemin(nom);
  if (!cible) throw platform::FileError("Nom de fichier refusé : " + std::string(nom));
  platform::writeGeneratedFile(*cible, lignes.text(), ecritEnPlace(*cible));
}

fs::path DossierConstruction::cheminAvecDossier(std::string_view nom) {
  auto cible = chemin(nom);
  if (!cible) throw platform::FileError("Nom de fichier refusé : " + std::string(nom));
  if (!platform::makeFolder(cible->parent_path()))
    throw platform::FileError("Impossible de créer le dossier " + cible->parent_path().string());
  return std::move(*cible);
}

void DossierConstruction::ecrireOctets(std::string_view nom, std::string_view octets) {
  const fs::path cible = cheminAvecDossier(nom);
  platform::writeGeneratedFile(cible, octets, ecritEnPlace(cible));
}

void DossierConstruction::doubler(std::string_view source, std::string_view destination) {
  auto s = trouver(source);
  if (!s) throw platform::FileError("Nom de fichier refusé : " + std::string(source));
  const fs::path d = cheminAvecDossier(destination);
  if (s->kind != platform::PathKind::file || !platform::linkGeneratedFile(s->path, d))
    throw platform::FileError("Impossible d'écrire le fichier " + d.string());
}

bool DossierConstruction::supprimer(std::string_view nom) {
  auto c = trouver(nom);
  if (!c || c->kind != platform::PathKind::file) return false;
  return enPlaceAdmis(c->path) ? mettreDeCote(c->path) : platform::removeFile(c->path);
}

bool DossierConstruction::renommer(std::string_view ancien, std::string_view nouveau) {
  auto a = chemin(ancien);
  auto n = chemin(nouveau);
  return a && n && platform::renameFile(*a, *n);
}

bool DossierConstruction::copier(std::string_view source, std::string_view destination) {
  auto verrou = verrouCopie(destination);
  auto s = trouver(source);
  if (!s || s->kind != platform::PathKind::file) return false;
  auto d = trouver(destination);
  if (!d) return false;
  std::error_code ec;
  if (d->kind != platform::PathKind::missing && fs::equivalent(s->path, d->path, ec)) return true;
  return platform::copyGeneratedFile(s->path, d->path, ecritEnPlace(d->path));
}

void DossierConstruction::copierOuEchouer(std::string_view source, std::string_view destination) {
  auto verrou = verrouCopie(destination);
  auto s = trouver(source);
  auto d = trouver(destination);
  if (!s || !d) throw platform::FileError("Nom de fichier refusé : " + std::string(s ? destination : source));
  if (d->kind == platform::PathKind::missing && !platform::makeFolder(d->path.parent_path()))
    throw platform::FileError("Impossible de créer le dossier " + d->path.parent_path().string());
  std::error_code ec;
  if (d->kind != platform::PathKind::missing && fs::equivalent(s->path, d->path, ec)) return;
  if (!platform::copyGeneratedFile(s->path, d->path, ecritEnPlace(d->path)))
    throw platform::FileError("Impossible d'écrire le fichier " + d->path.string());
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
