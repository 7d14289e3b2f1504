#include "modele/pages/dossier_construction.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "support/temp_folder.h"

namespace pages::test {

using testing_support::TempFolder;

// Every name in a folder, hidden ones included.
std::set<std::string> contenu(const std::filesystem::path& dossier) {
  std::set<std::string> noms;
  for (const auto& entree : std::filesystem::directory_iterator(dossier))
    noms.insert(entree.path().filename().string());
  return noms;
}

// A file set aside whose new name another thread took meanwhile stays in the pool: the build
// writes what it meant to, and no hidden file of the old site survives the view.
TEST(DossierConstruction, AFileSetAsideThatCannotTakeItsNameIsStillDeletedWithTheView) {
  TempFolder dir;
  dir.write("ftp/ancienne.htm", "une ancienne page du site");
  std::function<void(const std::filesystem::path&)> autreFil = [](const auto& cible) {
    platform::writeGeneratedFile(cible, "d'un autre fil", false);
  };
  {
    DossierConstruction dossier(dir.path());
    dossier.ecrireEnPlace();
    ASSERT_TRUE(dossier.supprimer("ftp/ancienne.htm"));
    DossierConstruction::repriseEssai = &autreFil;
    dossier.ecrireOctets("ftp/nouvelle.htm", "la nouvelle");
    DossierConstruction::repriseEssai = nullptr;
    EXPECT_EQ(dir.read("ftp/nouvelle.htm"), "la nouvelle");
    // The file set aside is still there to be reused.
    dossier.ecrireOctets("ftp/autre.htm", "encore");
    EXPECT_EQ(contenu(dir / "ftp"), (std::set<std::string>{"autre.htm", "nouvelle.htm"}));
  }
  EXPECT_EQ(contenu(dir / "ftp"), (std::set<std::string>{"autre.htm", "nouvelle.htm"}));
}

}  // namespace pages::test
