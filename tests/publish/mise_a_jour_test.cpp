// Which support files count as installed, and the version the maker's page announces.

#include "publish/mise_a_jour.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/text.h"
#include "support/temp_folder.h"

namespace publish {
namespace {

TEST(MiseAJour, SupportFileCheck) {
  const std::string tout = "import/index2.php=$_GET version.exe=MZ fleches/a.gif=GIF ";
  std::pair<std::string, bool> cas[] = {
      {tout, true},  // neither script: current
      {"version.exe=MZ fleches/a.gif=GIF", false},
      {"import/index2.php=<?php version.exe=MZ fleches/a.gif=GIF", false},
      {"import/index2.php=$_GET fleches/a.gif=GIF", false},
      {"import/index2.php=$_GET version.exe=MZ", false},
      {tout + "moteur.php=version~1.5", false},
      {tout + "moteur.php=version~1.6", true},
      {tout + "moteur.php=vieux choix_liste.php=version~1.03", true},
      {tout + "moteur.php=version~1.6 choix_liste.php=vieux", false},
  };
  for (const auto& [fichiers, installe] : cas) {
    testing_support::TempFolder dossier;
    for (const auto& f : platform::split(fichiers, ' ')) {
      if (f.empty()) continue;
      auto egal = f.find('='), blanc = f.find('~');
      std::filesystem::create_directories((dossier.path() / f.substr(0, egal)).parent_path());
      std::string contenu = f.substr(egal + 1);
      if (blanc != std::string::npos) contenu[blanc - egal - 1] = ' ';
      platform::writeFileAtomic(dossier.path() / f.substr(0, egal), contenu + "\r\n");
    }
    EXPECT_EQ(supportsInstalles(dossier.path()), installe) << fichiers;
  }
}

TEST(MiseAJour, AnnouncedVersion) {
  EXPECT_EQ(versionAnnoncee({"<html>", "<p>Nouvelle VERSION  5,12 disponible</p>", "version 7"}), "5.12");
  EXPECT_EQ(versionAnnoncee({"aucune"}), "");
  EXPECT_EQ(versionAnnoncee({"version "}), "0");
}

}  // namespace
}  // namespace publish
