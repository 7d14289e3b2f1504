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
  // nom|taille|temps|hash
  for (const std::string& ligne : *lignes) {
    const auto champs = platform::split(ligne, '|');
    if (champs.size() != 4) continue;
    auto taille = platform::toInteger(champs[1]);
    auto temps = platform::toInteger(champs[2]);
    if (!taille || !temps) continue;
    connues_[champs[0]] = {*taille, *temps, std::strtoull(champs[3].c_str(), nullptr, 16)};
  }
}

std::optional<EmpreintesPages::Empreinte> EmpreintesPages::surDisque(const std::string& nom) {
  auto chemin = dossier_.chemin(nom);
  struct stat s {};
  if (!chemin || ::stat(chemin->c_str(), &s) != 0 || !S_ISREG(s.st_mode)) return std::nullopt;
  return Empreinte{static_cast<long long>(s.st_size),
                   static_cast<long long>(s.st_mtim.tv_sec) * 1000000000LL + s.st_mtim.tv_nsec, 0};
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
  char hash[17];
  for (const auto& [nom, h] : notees_) {
    auto e = surDisque(nom);
    if (!e) continue;
    std::snprintf(hash, sizeof hash, "%016llx", h);
    lignes.add(nom + "|" + std::to_string(e->taille) + "|" + std::to_string(e->temps) + "|" + hash);
  }
  dossier_.ecrire(kFichier, lignes);
}

}  // namespace pages
