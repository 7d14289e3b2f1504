#include "modele/publish/transfert_ordre.h"

#include "platform/text.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <unordered_map>

namespace publish {

namespace {

std::string extensionDerniere(std::string_view nom) {
  const size_t point = nom.rfind('.');
  return point == std::string_view::npos ? std::string() : platform::lowerAscii(nom.substr(point + 1));
}

// A byte that can be part of a file name as pages write it; "/", quotes, "=", "?", "#" and
// blanks end a name, so "images/a.jpg" and "index2.php?url_principal=a.htm" give their names.
bool octetDeNom(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '.' ||
         c == '_' || c == '-' || c == '~' || c >= 0x80;
}

}  // namespace

bool pageEntree(std::string_view nom) {
  const std::string bas = platform::lowerAscii(nom);
  return bas.starts_with("index") || bas.starts_with("accueil");
}

bool peutNommerDesFichiers(std::string_view nom) {
  const std::string extension = extensionDerniere(nom);
  return extension == "htm" || extension == "html" || extension == "php" || extension == "js" ||
         extension == "css";
}

std::vector<std::string> ordreEnvoi(
    const std::vector<std::string>& noms, const std::unordered_set<std::string>& nouveaux,
    const std::function<std::optional<std::string>(const std::string&)>& texte) {
  // The files a page must wait for: new ones of this upload, entry pages aside (they go last).
  std::unordered_map<std::string_view, size_t> attendus;
  size_t plusCourt = std::string::npos, plusLong = 0;
  for (size_t i = 0; i < noms.size(); ++i)
    if (nouveaux.count(noms[i]) && !pageEntree(noms[i])) {
      attendus.emplace(noms[i], i);
      plusCourt = std::min(plusCourt, noms[i].size());
      plusLong = std::max(plusLong, noms[i].size());
    }

  std::vector<std::vector<size_t>> liens(noms.size());
  auto lire = [&](size_t i) {
    if (!peutNommerDesFichiers(noms[i])) return;
    const std::optional<std::string> contenu = texte(noms[i]);
    if (!contenu) return;
    std::unordered_set<size_t> vus;
    const std::string_view t = *contenu;
    for (size_t debut = 0; debut < t.size();) {
      size_t fin = debut;
      while (fin < t.size() && octetDeNom(static_cast<unsigned char>(t[fin]))) ++fin;
      if (fin == debut) {
        ++debut;
        continue;
      }
      const size_t longueur = fin - debut;
      if (longueur >= plusCourt && longueur <= plusLong) {
        auto cible = attendus.find(t.substr(debut, longueur));
        if (cible != attendus.end() && cible->second != i && vus.insert(cible->second).second)
          liens[i].push_back(cible->second);
      }
      debut = fin;
    }
  };
  // A first publication reads every page of the site: the pages are read on a few threads, each
  // filling the links of its own pages.
  if (!attendus.empty()) {
    const size_t equipe = std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 4);
    std::atomic<size_t> prochain{0};
    std::exception_ptr erreur;
    std::mutex verrou;
    auto travailler = [&] {
      try {
        for (size_t i; (i = prochain.fetch_add(1)) < noms.size();) lire(i);
      } catch (...) {
        std::lock_guard garde(verrou);
        if (!erreur) erreur = std::current_exception();
        prochain = noms.size();
      }
    };
    std::vector<std::thread> fils;
    for (size_t k = 1; k < equipe; ++k) fils.emplace_back(travailler);
    travailler();
    for (auto& f : fils) f.join();
    if (erreur) std::rethrow_exception(erreur);
  }

  // Depth first, each file after what it names; the entry pages after every other file.
  std::vector<std::string> ordre;
  ordre.reserve(noms.size());
  std::vector<char> etat(noms.size(), 0);  // 0 not met, 1 on the way, 2 placed
  auto placer = [&](size_t depart) {
    std::vector<std::pair<size_t, size_t>> pile{{depart, 0}};
    etat[depart] = 1;
    while (!pile.empty()) {
      auto& [i, suivant] = pile.back();
      if (suivant < liens[i].size()) {
        const size_t cible = liens[i][suivant++];
        if (etat[cible] == 0) {
          etat[cible] = 1;
          pile.emplace_back(cible, 0);
        }
        continue;
      }
      etat[i] = 2;
      ordre.push_back(noms[i]);
      pile.pop_back();
    }
  };
  for (bool entrees : {false, true})
    for (size_t i = 0; i < noms.size(); ++i)
      if (etat[i] == 0 && pageEntree(noms[i]) == entrees) placer(i);
  return ordre;
}

}  // namespace publish
