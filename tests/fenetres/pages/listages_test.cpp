// What keeps start-up, a whole build and a save linear in the catalogue: every folder is listed
// a fixed number of times, counted at the platform layer whoever asks (timings are in bench/).

#include <gtest/gtest.h>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "support/folder_listings.h"
#include "support/programme_test.h"

namespace {

using testing_support::ProgrammeDeTest;

// Listings per folder of the data folder over a start-up, a whole build, then one sheet opened,
// changed and saved, on 2 categories of 2 themes of `parTheme` sheets each; some sheets have
// side files, none has the others (missing names are the common case).
std::map<std::string, int> listages(int parTheme) {
  ProgrammeDeTest t;
  for (const char* f : {"menu.opt", "accueil.opt", "cv.opt"}) t.dossier.write(f, "x=1\r\n");
  t.dossier.write("ident.opt", "nomE=Boutique\r\n");
  t.dossier.write("tarvio.ini", "articles_trouves=oui\r\nvig_visual=oui\r\n");
  t.dossier.write("categories", "Cat0\r\nCat1\r\n");
  for (const std::string cat : {"Cat0", "Cat1"}) {
    t.dossier.write(cat + ".cto", "Th0\r\nTh1\r\n");
    t.dossier.write(cat + ".fam", "famille=1\r\n");
    for (const std::string theme : {"Th0", "Th1"})
      for (int s = 0; s < parTheme; ++s) {
        const std::string ref = cat + theme + "_" + std::to_string(s);
        t.dossier.write(ref + ".ref", "categorie=" + cat + "\r\nreference=" + ref +
                                          "\r\ndescription=Titre\r\nprix=10\r\nmot_cle=" + theme +
                                          "\r\nimage=" + ref + ".jpg\r\n");
        t.dossier.write(ref + ".jpg", "jpeg");
        if (s % 2 == 0) t.dossier.write(ref + ".sup", "Gravure=4\r\n");
      }
  }
  testing_support::FolderListings compte(t.dossier.path());
  app::Tmain& m = t.demarrer().main();
  m.html.setEnabled(true);
  m.html.click();
  EXPECT_TRUE(t.dossier.exists("ftp/Cat1Th1_" + std::to_string(parTheme - 1) + ".jpg"));
  m.liste_fiches.clickItem(1);
  m.descriptionT.type("Autre titre");
  m.sauver.click();
  EXPECT_NE(t.dossier.read(m.fiche.reference + ".ref").find("Autre titre"), std::string::npos);
  EXPECT_EQ(t.dialogs.messages(), std::vector<std::string>{});
  return compte.stop();
}

}  // namespace

TEST(Listages, StartUpBuildAndSaveListEachFolderAFixedNumberOfTimes) {
  const auto petit = listages(2);
  const auto grand = listages(20);
  EXPECT_EQ(grand, petit);
  // The data folder itself once, however many names are asked for.
  EXPECT_EQ(petit.at("."), 1);
}
