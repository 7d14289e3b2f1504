#include "frame/page_unique.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"

namespace {

frame::EntreesPageUnique entrees() {
  frame::EntreesPageUnique e;
  e.cadre = {"<BODY>", "<table>"};
  e.largeurColonneMenu = 150;
  e.hauteur_frame = "600";
  e.esp_M = e.esp_P = "4";
  e.accueilHTM = "non";
  e.accueilLf = "800";
  e.accueilHf = "500";
  e.police_defaut = "Verdana";
  e.couleur_copyr = "navy";
  e.coul_liens = "#0000FF";
  e.adresseCredit = "https://www.tarvio.fr/";
  return e;
}

std::string ligneApres(const platform::LineList& page, const std::string& debut, int decalage) {
  for (size_t i = 0; i < page.size(); ++i)
    if (page[i].rfind(debut, 0) == 0) return page[i + static_cast<size_t>(decalage)];
  return "(absente)";
}

TEST(PageUnique, MenuCellAttributes) {
  struct Cas {
    const char *couleur, *image, *imagePage, *cellule;
  } cas[] = {
      {"", "", "", "<tr><td width=\"150\" height=\"600\" valign=\"top\" nowrap >"},
      {"#FFFFFF", "f.gif", "f.gif", "<tr><td width=\"150\" height=\"600\" valign=\"top\" nowrap >"},
      {"", "m.gif", "f.gif",
       "<tr><td width=\"150\" height=\"600\" valign=\"top\" nowrap  background=\"m.gif\">"},
      {"#FFF", "", "", "<tr><td width=\"150\" height=\"600\" valign=\"top\" nowrap  bgcolor=\"#FFF\">"},
  };
  testing_support::TempFolder dossier;
  dossier.write("menu.htm", "<p>menu</p>\r\n");
  dossier.write("ftp/accueil_iframe.htm", "<p>accueil</p>\r\n");
  dossier.write("fonds/f.gif", "GIF");
  platform::DataFolder donnees(dossier.path());
  for (const Cas& c : cas) {
    frame::EntreesPageUnique e = entrees();
    e.fond_couleur_menu = c.couleur;
    e.image_menu = c.image;
    e.image_page = c.imagePage;
    frame::ecrirePagesUniques(e, donnees);
    platform::LineList page = platform::LineList::load(dossier / "ftp/index.htm");
    EXPECT_EQ(ligneApres(page, "<tr><td", 0), c.cellule);
    EXPECT_EQ(ligneApres(page, "<tr><td", 2), "<p>menu</p>");
    EXPECT_EQ(ligneApres(page, "</td><td", 2), "<p>accueil</p>");
  }
  // The menu image is copied even when the cell drops it for the page's.
  EXPECT_TRUE(dossier.exists("ftp/f.gif"));
  EXPECT_FALSE(dossier.exists("ftp/accueil2.htm"));
  EXPECT_EQ(dossier.read("ftp/index3.html").find("<frame name=\"principal\" src=\"\" noresize>") !=
                std::string::npos,
            true);
}

TEST(PageUnique, CopyrightCreditAndOwnHomePage) {
  testing_support::TempFolder dossier;
  dossier.write("catego.txt", "<a href=\"x.htm\">x</a>\r\n");
  platform::DataFolder donnees(dossier.path());
  frame::EntreesPageUnique e = entrees();
  platform::LineList page = frame::pageIndexUnique(e, donnees);
  // Without a copyright the credit link closes the centring.
  EXPECT_EQ(ligneApres(page, "</td></tr></table></center>", 2),
            "<a href=\"https://www.tarvio.fr/\"><font face=\"verdana\" size=1 "
            "color=\"#0000FF\">Tarvio</font></a></center>");
  e.copyright = "Chez Léa";
  e.police_defaut = "Times New Roman";
  e.accueilHTM = "oui";
  page = frame::pageIndexUnique(e, donnees);
  EXPECT_EQ(ligneApres(page, "</td></tr></table></center>", 2),
            "<font face=\"Times New Roman\" size=1 color=\"navy\">&copy; Chez Léa</font>&nbsp;");
  EXPECT_EQ(ligneApres(page, "</td><td", 2),
            "<IFRAME name=\"principal\" src=\"accueil.htm\" framespacing=0 border=0 width=\"100%\" "
            "height=\"500\" scrolling=\"no\" frameborder=0></IFRAME><br>");
  // The own home page's frame: no skin, the category bar only while menubp_c is not "non".
  EXPECT_EQ(frame::pageAccueilEncadre(e, donnees).size(), 6u);
  e.menubp_c = "non";
  platform::LineList accueil = frame::pageAccueilEncadre(e, donnees);
  EXPECT_EQ(accueil[0].substr(0, 50), "<IFRAME name=\"principal\" src=\"accueil.htm\" framesp");
  EXPECT_EQ(accueil.size(), 3u);
}

}  // namespace
