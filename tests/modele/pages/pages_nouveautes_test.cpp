#include "modele/pages/pages_nouveautes.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "support/temp_folder.h"

namespace {

struct Boutique {
  testing_support::TempFolder t;
  pages::DossierConstruction d{t.path()};
  pages::EntreesNouveautes e;
  Boutique() {
    for (int i = 1; i <= 7; ++i) {
      const std::string r = "r" + std::to_string(i);
      t.write(r + ".ref", "reference=" + r + "\r\ndescription=(w:2) Titre " + r +
                              "\r\nimage=" + r + ".jpg\r\n");
      e.pagesProduits[r] = "p" + std::to_string(i) + ".htm";
    }
    t.write("vignettes/r2-v.png", "x");
    t.write("vignettes/r2-v.gif", "x");
    d.creerDossier("ftp");
    e.police_defaut = "Verdana";
    e.vig_visual = true;
  }
  std::string ecrire(const std::string& ini) {
    e.options = pages::lireOptionsNouveautes(platform::LineList::fromText(ini), "blue", "Verdana");
    pages::ecrirePagesNouveautes(e, d);
    return t.exists("ftp/nouv-0.htm") ? t.read("ftp/nouv-0.htm") : "";
  }
};

TEST(PagesNouveautes, SingleListNewestFirstInRows) {
  Boutique b;
  b.t.write("tmp/NEWPROD.htm", "<HTML>\r\n***  NEWPROD=autre.tmp\r\n***  NEWPROD=nouv-0.tmp\r\n</HTML>\r\n");
  b.t.write("newprodrefs.new", "r1\r\nr2\r\nmanque\r\nr3\r\nr4\r\nr5\r\nr6\r\nr7\r\n");
  const std::string page = b.ecrire("col=3\r\nliens=defaut\r\ncoul_ref=defaut\r\n");
  EXPECT_EQ(page, b.t.read("tmp/nouv-0.htm"));
  // The last marker is the place; an earlier one is the template's text.
  EXPECT_EQ(page.substr(0, 32), "<HTML>\r\n***  NEWPROD=autre.tmp\r\n");
  EXPECT_EQ(page.find("nouv-0.tmp"), std::string::npos);
  // r7 r6 r5 | r4 r3 (missing) | r2 r1: the missing sheet keeps its cell's place.
  size_t r7 = page.find("[r7]"), r4 = page.find("[r4]"), r2 = page.find("[r2]");
  const std::string rang = "</tr><tr valign=\"top\">";
  EXPECT_LT(r7, page.find(rang));
  EXPECT_LT(page.find(rang), r4);
  EXPECT_LT(page.find(rang, r4), r2);
  EXPECT_NE(page.find("<a href=\"p2.htm\" target=\"_top\"><IMG SRC=\"r2-v.gif\" border=0></a><br>"),
            std::string::npos);
  EXPECT_NE(page.find("<font face=\"Verdana\" size= color=\"blue\">Titre r7</font></a>&nbsp;"),
            std::string::npos);
  EXPECT_NE(page.find("size=1 color=\"gray\">[r1]</font>"), std::string::npos);
}

TEST(PagesNouveautes, Settings) {
  const std::tuple<const char*, int, bool> cas[] = {
      {"col=2\r\nref=oui", 2, true}, {"col=\r\nref=non", 3, false}, {"COL=0\r\nref=", 3, true}};
  for (auto [ini, col, ref] : cas) {
    auto o = pages::lireOptionsNouveautes(platform::LineList::fromText(ini), "", "");
    EXPECT_EQ(o.col, col) << ini;
    EXPECT_EQ(o.ref, ref) << ini;
  }
  // A count that is no whole number stops the build with the conversion error.
  for (const char* ini : {"col=x", "col=2.5", "col=3 colonnes"})
    EXPECT_THROW(pages::lireOptionsNouveautes(platform::LineList::fromText(ini), "", ""),
                 platform::IntegerError)
        << ini;
}

TEST(PagesNouveautes, NamedListsAndTemplatesWithoutMarker) {
  Boutique b;
  b.e.multi = true;
  b.e.noms = {"jouets", "livres"};
  b.t.write("tmp/NEWPROD.htm", "***  NEWPROD=nouv-0.tmp\r\n");
  b.t.write("tmp/jouetsNEWPROD.htm", "haut\r\n***  jouets=jouets-0.tmp\r\nbas\r\n");
  b.t.write("jouetsrefs.new", "r1\r\n");
  b.t.write("tmp/livresNEWPROD.htm", "sans marque\r\n");
  EXPECT_EQ(b.ecrire("multi=listes\r\n"), "");  // the single list is not used
  const std::string jouets = b.t.read("ftp/jouets-0.htm");
  EXPECT_EQ(jouets.find("[r2]"), std::string::npos);
  EXPECT_NE(jouets.find("[r1]"), std::string::npos);
  EXPECT_EQ(jouets.substr(jouets.size() - 5), "bas\r\n");
  EXPECT_EQ(b.t.read("tmp/livresNEWPROD.htm"), "sans marque\r\n");
  EXPECT_FALSE(b.t.exists("ftp/.htm"));
}

}  // namespace
