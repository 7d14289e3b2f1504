#include "publish/transfert_regles.h"

#include "atelier_publication.h"
#include "platform/files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace publish {
namespace {

using testing_support::TempFolder;

TEST(FichiersIdentiques, ComparesBytesNotDatesOrSizesAlone) {
  TempFolder d;
  struct Cas {
    const char* nom;
    std::string a, b;
    bool identiques;
  } cas[] = {
      {"same bytes", "abc\r\n\x1A\xE9", "abc\r\n\x1A\xE9", true},
      {"same size, one byte differs", "abcdef", "abcdeF", false},
      {"different size", "abc", "abcd", false},
      {"both empty", "", "", true},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    platform::writeFileAtomic(d.path() / "a", c.a);
    platform::writeFileAtomic(d.path() / "b", c.b);
    EXPECT_EQ(fichiersIdentiques(d.path() / "a", d.path() / "b"), c.identiques);
  }
  EXPECT_FALSE(fichiersIdentiques(d.path() / "a", d.path() / "absent"));
}

TEST(PageRedirection, TwentyLinesBelowTheRedirectThreshold) {
  TempFolder d;
  pageRedirection("index.htm", "Verdana").save(d.path() / "redir.txt");
  const std::string texte = platform::readFile(d.path() / "redir.txt");
  EXPECT_EQ(texte.size(), 408u);  // far below 500: a redirected page is never redirected again
  auto lignes = pageRedirection("accueil.htm", "Arial");
  ASSERT_EQ(lignes.size(), 20u);
  EXPECT_EQ(lignes[8], "location.replace(\"index2.php?url_principal=accueil.htm\");");
  EXPECT_EQ(lignes[13], "<BODY OnLoad=\"reframe()\" Marginwidth=0 marginheight=0 leftmargin=0 topmargin=8>");
  EXPECT_EQ(lignes[16], "<font face=\"Arial\"><b>PAGE D'ACCUEIL</b></font>");
}

TEST(PlanSite, WhichPagesEnter) {
  struct Cas {
    const char* nom;
    bool frames;
    bool entre;
  } cas[] = {
      {"produits.htm", false, true},  {"page.html", false, true},     {"liste.php", false, true},
      {"image.gif", false, false},    {"cv.htm", true, false},        {"index2.htm", true, false},
      {"index3.html", true, false},   {"cvf.htm", true, false},       {"accueil_iframe.htm", true, false},
      {"accueil.htm", false, false},  {"accueil.htm", true, true},    {"accueil2.htm", false, false},
      {"accueil2.htm", true, true},   {"a.b.htm", false, false},      {"PAGE.HTM", false, false},
      {"sansextension", false, false}, {"index.htm", false, true},
  };
  for (const auto& c : cas)
    EXPECT_EQ(entreDansPlanSite(c.nom, c.frames), c.entre) << c.nom << " frames " << c.frames;
}

TEST(PlanSite, MergeKeepsNewLinesFirstThenOldOnesNotReplacedOrExcluded) {
  const std::string u = "http://www.boutik.example";
  platform::LineList nouvelles{u + "/produits.htm lastmod=2026-03-15", u + "/neuf.htm lastmod=2026-03-15"};
  platform::LineList anciennes{
      u + "/vieux.htm lastmod=2025-01-02",   u + "/produits.htm lastmod=2025-01-01",
      u + "/cv.htm lastmod=2025-01-01",      u + "/accueil.htm lastmod=2025-01-01",
      "ligne-sans-blanc",                    u + "/autre.php lastmod=2025-05-05"};
  auto sansFrames = fusionnerPlanSite(nouvelles, anciennes, u, false);
  EXPECT_EQ(sansFrames, (platform::LineList{nouvelles[0], nouvelles[1], anciennes[0],
                                            "ligne-sans-blanc", anciennes[5]}));
  auto avecFrames = fusionnerPlanSite(nouvelles, anciennes, u, true);
  EXPECT_EQ(avecFrames, (platform::LineList{nouvelles[0], nouvelles[1], anciennes[0], anciennes[3],
                                            "ligne-sans-blanc", anciennes[5]}));
}

TEST(Tailles, GroupsOfThreeWithoutDecimals) {
  EXPECT_EQ(formaterTaille(0), "0");
  EXPECT_EQ(formaterTaille(235567), "235 567");
  // Past the 32-bit limit the total stays right.
  EXPECT_EQ(formaterTaille(3000000000LL), "3 000 000 000");
}

TEST(Date, ZeroPaddedLocalDay) {
  EXPECT_EQ(texteDate(std::chrono::system_clock::time_point(std::chrono::seconds(test::kMidi15Mars2026))),
            "lastmod=2026-03-15");
}

}  // namespace
}  // namespace publish
