#include "modele/publish/transfert_ordre.h"

#include "platform/text.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
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

// A name a file names, and whether it is the value of a src attribute: a frame, a script or a
// picture the page shows inside itself, rather than a page it links to. Eight bytes: a first
// publication holds millions of them.
struct Lien {
  uint32_t cible;
  bool montre;
};

bool valeurDeSrc(std::string_view t, size_t debut) {
  size_t k = debut;
  auto blanc = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (k > 0 && (t[k - 1] == '"' || t[k - 1] == '\'' || blanc(t[k - 1]))) --k;
  if (k == 0 || t[k - 1] != '=') return false;
  --k;
  while (k > 0 && blanc(t[k - 1])) --k;
  return k >= 3 && platform::lowerAscii(t.substr(k - 3, 3)) == "src";
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
    const std::function<std::optional<std::string>(const std::string&)>& texte,
    std::vector<std::vector<std::string>>* cercles) {
  // The files a page must wait for: new ones of this upload, entry pages aside (they go last).
  std::unordered_map<std::string_view, size_t> attendus;
  size_t plusCourt = std::string::npos, plusLong = 0;
  for (size_t i = 0; i < noms.size(); ++i)
    if (nouveaux.count(noms[i]) && !pageEntree(noms[i])) {
      attendus.emplace(noms[i], i);
      plusCourt = std::min(plusCourt, noms[i].size());
      plusLong = std::max(plusLong, noms[i].size());
    }

  std::vector<std::vector<Lien>> liens(noms.size());
  auto lire = [&](size_t i) {
    if (!peutNommerDesFichiers(noms[i])) return;
    const std::optional<std::string> contenu = texte(noms[i]);
    if (!contenu) return;
    std::unordered_map<size_t, size_t> vus;  // a name's place in liens[i]
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
        if (cible != attendus.end() && cible->second != i) {
          const bool montre = valeurDeSrc(t, debut);
          // Linked to as well as shown: a link.
          if (auto [vu, premier] = vus.emplace(cible->second, liens[i].size()); premier)
            liens[i].push_back({static_cast<uint32_t>(cible->second), montre});
          else if (!montre)
            liens[i][vu->second].montre = false;
        }
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

  // Each file after the groups it names (Tarjan's strongly connected components, depth first);
  // the entry pages after every other file.
  constexpr size_t kAucun = std::string::npos;
  std::vector<std::string> ordre;
  ordre.reserve(noms.size());
  std::vector<size_t> rang(noms.size(), kAucun), bas(noms.size(), 0);
  std::vector<char> surPile(noms.size(), 0);
  std::vector<size_t> pile;
  size_t compteur = 0;
  std::vector<char> dansGroupe(noms.size(), 0), place(noms.size(), 0);
  // Files that name each other in a circle: a page after the pages it links to, the frames,
  // scripts and pictures it shows giving way. The list's order among the rest.
  auto placerGroupe = [&](std::vector<size_t> groupe) {
    std::sort(groupe.begin(), groupe.end());
    const size_t debut = ordre.size();
    for (size_t m : groupe) dansGroupe[m] = 1;
    for (size_t racine : groupe) {
      if (place[racine]) continue;
      std::vector<std::pair<size_t, size_t>> chemin{{racine, 0}};
      place[racine] = 1;
      while (!chemin.empty()) {
        auto& [i, suivant] = chemin.back();
        if (suivant < liens[i].size()) {
          const Lien l = liens[i][suivant++];
          if (!l.montre && dansGroupe[l.cible] && !place[l.cible]) {
            place[l.cible] = 1;
            chemin.emplace_back(l.cible, 0);
          }
          continue;
        }
        ordre.push_back(noms[i]);
        chemin.pop_back();
      }
    }
    for (size_t m : groupe) dansGroupe[m] = 0;
    if (cercles && groupe.size() > 1) cercles->emplace_back(ordre.begin() + debut, ordre.end());
  };
  auto placer = [&](size_t depart) {
    std::vector<std::pair<size_t, size_t>> appels{{depart, 0}};
    rang[depart] = bas[depart] = compteur++;
    pile.push_back(depart);
    surPile[depart] = 1;
    while (!appels.empty()) {
      auto& [i, suivant] = appels.back();
      if (suivant < liens[i].size()) {
        const size_t cible = liens[i][suivant++].cible;
        if (rang[cible] == kAucun) {
          rang[cible] = bas[cible] = compteur++;
          pile.push_back(cible);
          surPile[cible] = 1;
          appels.emplace_back(cible, 0);
        } else if (surPile[cible]) {
          bas[i] = std::min(bas[i], rang[cible]);
        }
        continue;
      }
      const size_t fini = i;
      appels.pop_back();
      if (!appels.empty()) bas[appels.back().first] = std::min(bas[appels.back().first], bas[fini]);
      if (bas[fini] != rang[fini]) continue;
      std::vector<size_t> groupe;
      for (size_t m = kAucun; m != fini;) {
        m = pile.back();
        pile.pop_back();
        surPile[m] = 0;
        groupe.push_back(m);
      }
      placerGroupe(std::move(groupe));
    }
  };
  for (bool entrees : {false, true})
    for (size_t i = 0; i < noms.size(); ++i)
      if (rang[i] == kAucun && pageEntree(noms[i]) == entrees) placer(i);
  return ordre;
}

}  // namespace publish
