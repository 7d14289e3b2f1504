// The files the program ships, brought into a data folder that lacks them: the shipped bytes are
// the sources' own, a file the shop has is never replaced (whatever its letter case), and the
// folder then counts as having its support files.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "modele/publish/fournitures.h"
#include "modele/publish/mise_a_jour.h"
#include "platform/files.h"
#include "support/temp_folder.h"

namespace {

using publish::apporterFournitures;
using publish::fournitures;

TEST(Fournitures, ShipTheSourcesBytesUnderTheirDataFolderNames) {
  const std::string source = std::getenv("TARVIO_SOURCE_DIR");
  struct Cas {
    const char* chemin;
    const char* origine;
  } cas[] = {{"pix1x1.gif", "demo/pix1x1.gif"},
             {"boutons/bt007.gif", "demo/boutons/bt007.gif"},
             {"puces/promo.gif", "demo/puces/promo.gif"},
             {"menu_boutons/bleu.gif", "demo/menu_boutons/bleu.gif"},
             {"import/index2.php", "editeur/www/index2.php"},
             {"fleches/fl11.gif", "editeur/www/fl11.gif"}};
  for (const Cas& c : cas) {
    auto f = std::find_if(fournitures().begin(), fournitures().end(),
                          [&](const publish::Fourniture& x) { return x.chemin == c.chemin; });
    ASSERT_NE(f, fournitures().end()) << c.chemin;
    EXPECT_EQ(f->octets, platform::readFile(source + "/" + c.origine)) << c.chemin;
  }
}

TEST(Fournitures, BroughtWhereMissingNeverReplacingTheShopsOwn) {
  testing_support::TempFolder d;
  d.write("PIX1X1.GIF", "mien");
  d.write("puces/promo.gif", "ma puce");
  const platform::DataFolder donnees(d.path());
  EXPECT_FALSE(publish::supportsInstalles(d.path()));

  const std::vector<std::string> apportes = apporterFournitures(donnees);
  EXPECT_EQ(apportes.size(), fournitures().size() - 2);
  EXPECT_EQ(std::count(apportes.begin(), apportes.end(), "pix1x1.gif"), 0);
  EXPECT_EQ(d.read("PIX1X1.GIF"), "mien");
  EXPECT_FALSE(std::filesystem::exists(d / "pix1x1.gif"));
  EXPECT_EQ(d.read("puces/promo.gif"), "ma puce");
  EXPECT_TRUE(d.exists("boutons/bt007.gif"));
  EXPECT_TRUE(d.exists("fleches/fl1.gif"));
  EXPECT_TRUE(publish::supportsInstalles(d.path()));

  // Once there, nothing is written again.
  d.write("moteur.php", "le mien");
  EXPECT_EQ(apporterFournitures(donnees), std::vector<std::string>{});
  EXPECT_EQ(d.read("moteur.php"), "le mien");
}

}  // namespace
