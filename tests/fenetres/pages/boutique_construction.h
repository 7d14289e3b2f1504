#pragma once
// A shop whose whole site the tests build with the main window's command, and what they look for
// in its pages.

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "platform/text.h"
#include "support/programme_test.h"

namespace pages::test {

using Lignes = std::vector<std::string>;

inline std::string crlf(const Lignes& lignes) {
  std::string s;
  for (const auto& l : lignes) s += l + "\r\n";
  return s;
}

// A shop whose site can be built, on its own data folder.
class Boutique {
 public:
  Boutique() {
    for (const char* f : {"menu.opt", "accueil.opt", "cv.opt"}) ecrire(f, {"x=1"});
    ecrire("ident.opt", {"nomE=Boutique"});
  }

  void ecrire(const std::string& nom, const Lignes& lignes) { t.dossier.write(nom, crlf(lignes)); }
  void fiche(const std::string& ref, const std::string& categorie, const std::string& theme,
             const std::string& titre, const std::string& auteur, const Lignes& plus = {}) {
    Lignes l{"categorie=" + categorie, "reference=" + ref, "description=" + titre,
             "auteur=" + auteur,       "prix=10",          "mot_cle=" + theme};
    l.insert(l.end(), plus.begin(), plus.end());
    ecrire(ref + ".ref", l);
  }
  // Livres: Romans (three sheets, two per page) and Poésie (none); Disques: Jazz (one sheet).
  void catalogue() {
    ecrire("categories", {"Livres", "Disques"});
    ecrire("Livres.cto", {"Romans", "Poésie"});
    ecrire("Disques.cto", {"Jazz"});
    fiche("a1", "Livres", "Romans", "Le Rouge", "Stendhal");
    fiche("a2", "Livres", "Romans", "Nana", "Zola");
    fiche("a3", "Livres", "Romans", "Germinal", "Zola");
    fiche("b1", "Disques", "Jazz", "Kind of Blue", "Davis");
  }

  app::Programme& p() {
    if (!t.programme) t.demarrer();
    return t.p();
  }
  // The command as the user runs it.
  void construire() {
    p().main().html.setEnabled(true);
    t.dialogs.clear();
    p().main().html.click();
  }
  std::string lire(const std::string& nom) const { return t.dossier.read(nom); }
  Lignes lignes(const std::string& nom) const {
    return platform::LineList::fromText(lire(nom)).lines();
  }
  bool existe(const std::string& nom) const { return t.dossier.exists(nom); }
  Lignes messages() const { return t.dialogs.messages(); }

  testing_support::ProgrammeDeTest t;
};

// The page with each card's own lines left out: what stays is the page writer's.
inline Lignes sansCartes(const Lignes& page) {
  Lignes r;
  bool carte = false;
  for (const auto& l : page) {
    if (platform::startsWith(l, "<!--//FIN//")) carte = false;
    if (!carte) r.push_back(l);
    if (platform::startsWith(l, "<!--//DEBUT//")) carte = true;
  }
  return r;
}

// The page holds these lines one after the other.
inline bool contient(const Lignes& page, const Lignes& bloc) {
  return std::search(page.begin(), page.end(), bloc.begin(), bloc.end()) != page.end();
}

// The line of a page that begins with debut, "" when none.
inline std::string ligneDebutant(const Lignes& page, const std::string& debut) {
  for (const auto& l : page)
    if (platform::startsWith(l, debut)) return l;
  return "";
}

// Every entry of a folder with its bytes, hidden ones included.
inline std::map<std::string, std::string> contenu(const std::filesystem::path& dossier) {
  std::map<std::string, std::string> r;
  for (const auto& e : std::filesystem::directory_iterator(dossier))
    if (e.is_regular_file()) r[e.path().filename().string()] = platform::readFile(e.path());
  return r;
}

}  // namespace pages::test
