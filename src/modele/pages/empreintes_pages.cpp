#include "modele/pages/empreintes_pages.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "platform/text.h"

namespace pages {

namespace {

constexpr const char* kFichier = "tmp/pages.emp";

unsigned long long hashDe(std::string_view octets) { return std::hash<std::string_view>{}(octets); }

}  // namespace

EmpreintesPages::EmpreintesPages(DossierConstruction& dossier) : dossier_(dossier) {
  auto lignes = dossier_.lire(kFichier);
  if (!lignes) return;
  for (const std::string& ligne : *lignes)
    if (auto lue = lireLigne(ligne)) connues_.insert_or_assign(std::move(lue->first), lue->second);
}

std::optional<std::pair<std::string, EmpreintesPages::Empreinte>> EmpreintesPages::lireLigne(
    const std::string& ligne) {
  const auto champs = platform::split(ligne, '|');
  if (champs.size() != 4) return std::nullopt;
  const auto taille = platform::toInteger(champs[1]);
  const auto temps = platform::toInteger(champs[2]);
  // The hash always has its 16 digits: a line cut short by a crash is refused, not misread.
  const std::string& hash = champs[3];
  if (!taille || !temps || hash.size() != 16 ||
      hash.find_first_not_of("0123456789abcdef") != std::string::npos)
    return std::nullopt;
  return std::pair{champs[0], Empreinte{*taille, *temps, std::strtoull(hash.c_str(), nullptr, 16)}};
}

std::string EmpreintesPages::ligne(const std::string& nom, const Empreinte& e) {
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx", e.hash);
  return nom + "|" + std::to_string(e.taille) + "|" + std::to_string(e.temps) + "|" + hash;
}

std::optional<EmpreintesPages::Empreinte> EmpreintesPages::etat(const std::filesystem::path& chemin) {
  struct stat s {};
  if (::stat(chemin.c_str(), &s) != 0 || !S_ISREG(s.st_mode)) return std::nullopt;
  return Empreinte{static_cast<long long>(s.st_size),
                   static_cast<long long>(s.st_mtim.tv_sec) * 1000000000LL + s.st_mtim.tv_nsec, 0};
}

std::optional<EmpreintesPages::Empreinte> EmpreintesPages::surDisque(const std::string& nom) {
  auto chemin = dossier_.chemin(nom);
  if (!chemin) return std::nullopt;
  return etat(*chemin);
}

EmpreintesPages::Octets EmpreintesPages::mesurer(std::string_view contenu) {
  return {static_cast<long long>(contenu.size()), hashDe(contenu)};
}

EmpreintesPages::Copie EmpreintesPages::comparer(const std::string& nom, const Octets& page) {
  auto connue = connues_.find(nom);
  if (connue == connues_.end()) return Copie::inconnue;
  auto disque = surDisque(nom);
  if (!disque) return Copie::differente;
  if (disque->taille != connue->second.taille || disque->temps != connue->second.temps)
    return Copie::inconnue;
  return page.taille == connue->second.taille && page.hash == connue->second.hash
             ? Copie::identique
             : Copie::differente;
}

void EmpreintesPages::noter(const std::string& nom, const Octets& page) { notees_[nom] = page.hash; }

void EmpreintesPages::enregistrer() {
  platform::LineList lignes;
  for (const auto& [nom, h] : notees_) {
    auto e = surDisque(nom);
    if (!e) continue;
    e->hash = h;
    lignes.add(ligne(nom, *e));
  }
  dossier_.ecrire(kFichier, lignes);
}

}  // namespace pages
