#include "frame/menu_fichiers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/menu_options.h"
#include "frame/menu_gauche.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "support/temp_folder.h"

using Lignes = std::vector<std::string>;

namespace {

const char* const kItems = "FONT-FAMILY: Verdana; FONT-SIZE: 13px; COLOR: #000080; ";
const char* const kSurvol = "FONT-FAMILY: Verdana; FONT-SIZE: 13px; BACKGROUND-COLOR: #BBBBBB; ";

class MenuFichiers : public ::testing::Test {
 protected:
  MenuFichiers() : donnees(dossier.path()) {
    platform::makeFolder(dossier / "ftp");
    design::mettreDefautsMenu(e.menu, {});
    e.frames = true;
    e.styleItems = kItems;
    e.styleItemsSurvol = kSurvol;
    e.esp_M = "4";
  }
  void ecrire() {
    m = {};
    m.corps.add("<CENTER>");
    m.corps.add("<p>menu</p>");
    frame::fichiersMenu(e, donnees, m);
  }
  Lignes lire(const char* nom) { return platform::LineList::load(dossier / nom).lines(); }
  Lignes css() {
    ecrire();
    return lire("ftp/menucss.css");
  }
  testing_support::TempFolder dossier;
  platform::DataFolder donnees;
  frame::EntreesMenuGauche e;
  frame::EtatMenuGauche m;
};

}  // namespace

TEST_F(MenuFichiers, StyleSheet) {
  e.menu.police_items = e.menu.police_recherche = "Arial";
  e.menu.gras_items = "oui";
  e.menu.souligne_items = "";
  e.menu.italique_items = "non";
  e.coul_scroll = "#EEEEEE";
  const std::string items = kItems;
  EXPECT_EQ(css(), (Lignes{
                       ".Astyle{" + items + "}",
                       "A#X_style:LINK {" + items + "}",
                       "A#X_style:VISITED {" + items + "}",
                       "A#X_style:ACTIVE {" + items + "}",
                       ".t1{",
                       "FONT-FAMILY: Arial; FONT-SIZE: 13px; COLOR: #000080; BACKGROUND-COLOR: "
                       "#CCCCEE; FONT-WEIGHT: bold; FONT-STYLE: normal; ",
                       "}",
                       ".rech{",
                       "FONT-FAMILY: Arial; FONT-SIZE: 13px; COLOR: #0000FF; BACKGROUND-COLOR: "
                       "#F9F8FF; FONT-WEIGHT: normal; TEXT-DECORATION: none; FONT-STYLE: normal; ",
                       "}",
                       "BODY {scrollbar-base-color: #EEEEEE;}",
                   }));
}

TEST_F(MenuFichiers, HoverAndBackgroundRules) {
  struct Cas {
    const char* over;
    const char* couleur;
    const char* image;
    const char* fixe;
    bool frames;
    const char* imagePage;
    const char* regle;  // the rule after ACTIVE, or "" when the .t1 block follows
  } cas[] = {
      {"oui", "", "", "non", true, "",
       "A#X_style:HOVER{FONT-FAMILY: Verdana; FONT-SIZE: 13px; BACKGROUND-COLOR: #BBBBBB; }"},
      {"non", "#FFEEDD", "", "non", true, "", "BODY {background: #FFEEDD ;}"},
      // The image replaces the colour.
      {"non", "#FFEEDD", "papier.jpg", "oui", true, "",
       "BODY {background: url(papier.jpg) fixed;}"},
      {"non", "", "", "oui", false, "", "BODY {background: fixed;}"},
      // The page's own background shows through the menu's frame.
      {"non", "", "papier.jpg", "non", false, "papier.jpg", "BODY {background-color:transparent;}"},
      {"non", "", "papier.jpg", "non", true, "papier.jpg", "BODY {background: url(papier.jpg) ;}"},
      {"non", "", "", "non", true, "", ".t1{"},
  };
  dossier.write("fonds/papier.jpg", "JPG");
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.regle);
    e.menu.over = c.over;
    e.menu.fond_couleur_menu = c.couleur;
    e.menu.image_menu = c.image;
    e.menu.fixe_menu = c.fixe;
    e.frames = c.frames;
    e.image_page = c.imagePage;
    EXPECT_EQ(css()[4], c.regle);
  }
  EXPECT_EQ(dossier.read("ftp/papier.jpg"), "JPG");
}

TEST_F(MenuFichiers, ScriptOfTheDropDownLists) {
  ecrire();
  const Lignes js = lire("ftp/menujs.js");
  ASSERT_EQ(js.size(), 15u);
  EXPECT_EQ(js[1], "CSBVers = parseInt(CSAg.charAt(CSAg.indexOf(\"/\")+1),10);");
  EXPECT_EQ(js[5], "\t\telem = CSFindElement(n,curDoc.layers[i]); if (elem) return elem; }}");
  EXPECT_EQ(js[9], "var form  = CSFindElement(formName);");
  EXPECT_EQ(js[12], "if (url!=\"x\") {window.open(url, target);}");
  EXPECT_EQ(js, frame::scriptListes().lines());
}

TEST_F(MenuFichiers, MenuPageAndWorkingCopies) {
  e.menu_titre = "Notre menu";
  ecrire();
  const Lignes tete = {"<HTML>",
                       "<HEAD>",
                       "<TITLE>Notre menu</TITLE>",
                       "<link rel=\"stylesheet\" type=\"text/css\" href=\"menucss.css\">",
                       "<script SRC=\"menujs.js\"></script>",
                       "</HEAD>"};
  Lignes page = tete;
  page.insert(page.end(), {"<BODY marginheight=2 topmargin=8>", "<CENTER>", "<p>menu</p>",
                           "</CENTER>", "</BODY></HTML>"});
  EXPECT_EQ(lire("ftp/menu2.htm"), page);
  EXPECT_EQ(lire("menu.htm"), (Lignes{"<CENTER>", "<p>menu</p>", "</CENTER>"}));
  EXPECT_EQ(lire("menu_fin.txt"), Lignes{"</CENTER>"});
  EXPECT_EQ(dossier.read("menu_fin.txt"), "</CENTER>\r\n");

  // Single page, no title, reference pages on: the link ends all three files.
  e.frames = false;
  e.menu_titre = "";
  e.menu.menu_centre = "non";
  dossier.write("ref.ini", "");
  ecrire();
  const std::string ref =
      "<br><center><a href=\"ref.html\" target=\"_top\"><font face=\"verdana\" size=1 "
      "color=\"gray\">ref.html</a></center>";
  page = {"<HTML>", "<HEAD>", "<TITLE>menu</TITLE>"};
  page.insert(page.end(), tete.begin() + 3, tete.end());
  page.insert(page.end(), {"<BODY marginheight=0 topmargin=0>",
                           "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=4 BORDER=0><br>",
                           "<CENTER>", "<p>menu</p>", "</BODY></HTML>", ref});
  EXPECT_EQ(lire("ftp/menu2.htm"), page);
  EXPECT_EQ(lire("menu.htm"), (Lignes{"<CENTER>", "<p>menu</p>", ref}));
  EXPECT_EQ(lire("menu_fin.txt"), Lignes{ref});
}
