#include "modele/frame/page_unique.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace {

TEST(PageUnique, MenuCellCopyrightAndOwnHomePage) {
  struct Cas {
    const char *couleur, *image, *copyright, *accueilHTM, *cellule, *centre;
  } cas[] = {
      {"#FFFFFF", "f.gif", "", "non", "nowrap >",
       "<a href=\"x\"><font face=\"verdana\" size=1 color=\"#00F\">Tarvio</font></a></center>"},
      {"", "m.gif", "Chez Léa", "oui", "nowrap  background=\"m.gif\">",
       "<font face=\"Times New Roman\" size=1 color=\"navy\">&copy; Chez Léa</font>&nbsp;"},
  };
  testing_support::TempFolder d;
  d.write("menu.htm", "<p>menu</p>\r\n");
  d.write("ftp/accueil_iframe.htm", "<p>accueil</p>\r\n");
  d.write("fonds/f.gif", "GIF");
  d.write("catego.txt", "<a href=\"x.htm\">x</a>\r\n");
  for (const Cas& c : cas) {
    frame::EntreesPageUnique e{{}, "", {"<BODY>"}, 150, "600", c.couleur, c.image, "f.gif", "4",
                               "4", false, c.accueilHTM, "800", "500", "non", c.copyright, "navy",
                               c.copyright[0] ? "Times New Roman" : "Verdana", "#00F", "x", ""};
    frame::ecrirePagesUniques(e, platform::DataFolder(d.path()));
    const std::string page = d.read("ftp/index.htm");
    for (const std::string& ligne :
         {"<tr><td width=\"150\" height=\"600\" valign=\"top\" " + std::string(c.cellule) +
              "\r\n<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=4 BORDER=0><br>\r\n<p>menu",
          "</center>\r\n<center>\r\n" + std::string(c.centre) + "\r\n",
          std::string(c.accueilHTM[0] == 'o' ? "<IFRAME name=" : "<p>accueil</p>")})
      EXPECT_NE(page.find(ligne), std::string::npos) << ligne;
    EXPECT_EQ(d.exists("ftp/accueil2.htm"), c.accueilHTM[0] == 'o');
  }
  // The menu image is copied even when the page's; accueil2.htm has no category bar.
  EXPECT_TRUE(d.exists("ftp/f.gif") && platform::LineList::load(d / "ftp/accueil2.htm").size() == 3);
}

}  // namespace
