#include <gtest/gtest.h>

#include <iostream>

#include "app/fiche.h"
#include "app/programme.h"
#include "support/programme_test.h"

using testing_support::ProgrammeDeTest;

namespace {

std::string crlf(std::initializer_list<std::string> lignes) {
  std::string s;
  for (const auto& l : lignes) s += l + "\r\n";
  return s;
}

TEST(Exploration, Dump) {
  ProgrammeDeTest t;
  auto& d = t.dossier;
  d.write("ident.opt", crlf({"nomE=Boutique"}));
  d.write("menu.opt", crlf({"x=1"}));
  d.write("accueil.opt", crlf({"x=1"}));
  d.write("cv.opt", crlf({"x=1"}));
  d.write("frames.inf", crlf({"frames=oui"}));
  d.write("categories", crlf({"Livres", "Disques"}));
  d.write("Livres.cto", crlf({"Romans", "Poésie"}));
  d.write("Disques.cto", crlf({"Jazz"}));
  d.write("a1.ref", crlf({"categorie=Livres", "reference=a1", "description=Le Rouge", "auteur=Stendhal", "mot_cle=Romans", "prix=10"}));
  d.write("a2.ref", crlf({"categorie=Livres", "reference=a2", "description=Nana", "auteur=Zola", "mot_cle=Romans", "prix=12"}));
  d.write("a3.ref", crlf({"categorie=Livres", "reference=a3", "description=Germinal", "auteur=Zola", "mot_cle=Romans", "prix=12"}));
  d.write("b1.ref", crlf({"categorie=Disques", "reference=b1", "description=Kind of Blue", "auteur=Davis", "mot_cle=Jazz", "prix=15"}));
  d.write("ftp/sitemap.xml", "x");
  d.write("ftp/vieux.htm", "x");
  t.demarrer();
  t.p().main().html.setEnabled(true);
  t.p().main().html.click();
  for (auto& m : t.dialogs.messages()) std::cout << "MSG " << m << "\n";
  for (auto& e : std::filesystem::recursive_directory_iterator(d.path())) std::cout << e.path().lexically_relative(d.path()).string() << "\n";
  std::cout << d.read("ftp/livres-romans-0.htm");
  std::cout << d.read("catego.txt") << d.read("listeHTM.tmp") << d.read("Livres-Romans.nth");
}

}  // namespace
namespace {
TEST(Exploration, Grand) {
  ProgrammeDeTest t;
  auto& d = t.dossier;
  d.write("ident.opt", crlf({"nomE=Boutique"}));
  d.write("menu.opt", crlf({"x=1"}));
  d.write("accueil.opt", crlf({"x=1"}));
  d.write("cv.opt", crlf({"x=1"}));
  std::string cats;
  const int C = 4, T = 5, S = 25;
  for (int c = 0; c < C; ++c) {
    cats += "Cat" + std::to_string(c) + "\r\n";
    std::string themes;
    for (int th = 0; th < T; ++th) {
      themes += "Theme" + std::to_string(th) + "\r\n";
      for (int s = 0; s < S; ++s) {
        std::string ref = "r" + std::to_string(c) + "_" + std::to_string(th) + "_" + std::to_string(s);
        d.write(ref + ".ref", crlf({"categorie=Cat" + std::to_string(c), "reference=" + ref, "description=Titre " + ref, "auteur=Auteur" + std::to_string(s), "mot_cle=Theme" + std::to_string(th), "prix=10"}));
      }
    }
    d.write("Cat" + std::to_string(c) + ".cto", themes);
  }
  d.write("categories", cats);
  t.demarrer();
  auto debut = std::chrono::steady_clock::now();
  t.p().main().html.setEnabled(true);
  t.p().main().html.click();
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - debut).count();
  std::cout << "ms " << ms << "\n";
  for (auto& m : t.dialogs.messages()) std::cout << "MSG " << m << "\n";
  auto debut2 = std::chrono::steady_clock::now();
  t.p().main().html.click();
  std::cout << "ms2 " << std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - debut2).count() << "\n";
}
}
