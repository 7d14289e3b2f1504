// Which support files count as installed, what an update fetches, and the announced version.

#include "publish/mise_a_jour.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/temp_folder.h"

namespace publish {
namespace {

TEST(MiseAJour, SupportFileCheck) {
  const std::string index = "<?php\r\n  $a = $_GET['a'];\r\n";
  struct Cas {
    const char* nom;
    std::vector<std::pair<std::string, std::string>> fichiers;
    bool installe;
  };
  const std::vector<std::pair<std::string, std::string>> complet{
      {"import/index2.php", index}, {"version.exe", "MZ"}, {"fleches/fl1.gif", "GIF"}};
  auto avec = [&](std::vector<std::pair<std::string, std::string>> plus) {
    auto f = complet;
    f.insert(f.end(), plus.begin(), plus.end());
    return f;
  };
  Cas cas[] = {
      {"neither script: current", complet, true},
      {"no index2.php", {{"version.exe", "MZ"}, {"fleches/fl1.gif", "GIF"}}, false},
      {"index2.php without $_GET", {{"import/index2.php", "<?php\r\n"}, {"version.exe", "MZ"}, {"fleches/fl1.gif", "GIF"}}, false},
      {"no version.exe", {{"import/index2.php", index}, {"fleches/fl1.gif", "GIF"}}, false},
      {"no fleches", {{"import/index2.php", index}, {"version.exe", "MZ"}}, false},
      {"stale moteur.php", avec({{"moteur.php", "// version 1.5\r\n"}}), false},
      {"current moteur.php", avec({{"moteur.php", "// version 1.6\r\n"}}), true},
      {"choix_liste.php decides", avec({{"moteur.php", "old\r\n"}, {"choix_liste.php", "// version 1.03\r\n"}}), true},
      {"stale choix_liste.php", avec({{"moteur.php", "// version 1.6\r\n"}, {"choix_liste.php", "x\r\n"}}), false},
  };
  for (const auto& c : cas) {
    testing_support::TempFolder dossier;
    for (const auto& [nom, contenu] : c.fichiers) {
      std::filesystem::create_directories((dossier.path() / nom).parent_path());
      platform::writeFileAtomic(dossier.path() / nom, contenu);
    }
    EXPECT_EQ(supportsInstalles(dossier.path()), c.installe) << c.nom;
  }
}

TEST(MiseAJour, AnnouncedVersion) {
  std::pair<platform::LineList, std::string> cas[] = {
      {{"<html>", "<p>Nouvelle VERSION  5,12 disponible</p>"}, "5.12"},
      {{"version 6.0", "version 7.0"}, "6.0"},
      {{"aucune"}, ""},
      {{"version "}, "0"},
  };
  for (const auto& [page, version] : cas) EXPECT_EQ(versionAnnoncee(page), version) << page.text();
}

}  // namespace
}  // namespace publish
