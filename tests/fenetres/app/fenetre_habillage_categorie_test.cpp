#include "fenetres/app/fenetre_habillage_categorie.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "support/programme_test.h"

using testing_support::ProgrammeDeTest;

namespace {

std::filesystem::path demo() {
  if (const char* racine = std::getenv("TARVIO_SOURCE_DIR"); racine && *racine)
    return std::filesystem::path(racine) / "demo";
  // Run by hand from <build>/tests: the build folder sits in the source tree.
  return std::filesystem::read_symlink("/proc/self/exe").parent_path() / ".." / ".." / "demo";
}

}  // namespace

// What the wrap-text editor saves is what the list pages of the category show, and an empty save
// takes it out of them.
TEST(Categotxt, ListPagesShowWhatTheEditorSaved) {
  ProgrammeDeTest t;
  std::filesystem::copy(demo(), t.dossier.path(), std::filesystem::copy_options::recursive);
  t.demarrer();
  app::Tmain& main = t.p().main();
  app::Tcategotxt& habillage = t.p().categotxt();
  auto construire = [&] {
    main.liste_fiches.clickItem(main.liste_fiches.indexOf("LIV01.ref"));
    main.html.click();
    return t.dossier.read("ftp/livres-cuisine-0.htm");
  };

  main.categotxtB.click();
  habillage.categoL.clickItem(habillage.categoL.indexOf("Livres"));
  habillage.memoD.setText("<i>Recettes de saison</i>");
  habillage.enrDB.click();
  EXPECT_NE(construire().find("<i>Recettes de saison</i>"), std::string::npos);

  main.categotxtB.click();
  habillage.categoL.clickItem(habillage.categoL.indexOf("Livres"));
  EXPECT_EQ(habillage.memoD.text(), "<i>Recettes de saison</i>");
  habillage.effacerDB.click();
  habillage.enrDB.click();
  EXPECT_FALSE(t.dossier.exists("livresd.txt"));
  EXPECT_EQ(construire().find("Recettes de saison"), std::string::npos);
  EXPECT_EQ(t.dialogs.messages().back(),
            (t.dossier.path() / "livresd.txt").string() + " supprimé");
}
