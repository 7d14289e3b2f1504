#include "modele/frame/menu_gauche.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "modele/design/menu_options.h"
#include "modele/frame/menu_fichiers.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "support/temp_folder.h"

using Lignes = std::vector<std::string>;

namespace {

const char* const kAccueil =
    "<table border=0 width=\"100%\"><tr><td align=\"center\"><A HREF=\"accueil2.htm\" "
    "target=\"principal\"><font face=\"Verdana\" size=\"2\" color=\"#00F\"><u><B>Accueil</B>"
    "</u></font></a></td></tr></table><br>";

class MenuGauche : public ::testing::Test {
 protected:
  MenuGauche() : donnees(dossier.path()) {
    platform::makeFolder(dossier / "ftp");
    design::mettreDefautsMenu(e.menu, {});
    e.accueil = {"Accueil", "oui", "oui", "non", "#00F", "2", "center", "bas", "Verdana"};
    e.frames = true;
    e.cibleLiens = "principal";
    e.largeurMenuInterieure = "118";
    e.lienAccueil = "accueil2.htm";
    e.mot_recherche = "Recherche";
    e.articles = "Articles";
    e.listeP = "Auteurs";
    e.themesP = "Thèmes";
    e.url_moteur_recherche = "moteur.php";
    e.styleItems = "COLOR: red; ";
    e.esp_M = "4";
  }
  Lignes debut() {
    m = {};
    frame::debutMenuGauche(e, donnees, m);
    return m.corps.lines();
  }
  void selection() {
    debut();
    m.corps.clear();
    frame::selectionMenu(e, donnees, m);
  }
  Lignes lire(const char* nom) { return platform::LineList::load(dossier / nom).lines(); }
  testing_support::TempFolder dossier;
  platform::DataFolder donnees;
  frame::EntreesMenuGauche e;
  frame::EtatMenuGauche m;
};

}  // namespace

TEST_F(MenuGauche, HeadBlocksInPageOrder) {
  EXPECT_EQ(debut(), Lignes{"<CENTER>"});  // the logo is in the top frame by default
  e.menu.logo_top = "non";
  e.menu.accueil_menu = "oui";
  e.accueil.aligneAMG = "haut";
  e.image_fond_menu = "fond.gif";
  dossier.write("liste_recherche.ini", "");
  dossier.write("recherche_base_gauche.tmp", "<form name=\"rapide\"></form>\r\n");
  dossier.write("newprod.ini", "position= haut \r\nimage=nouveau.gif\r\n");
  dossier.write("listeHTM.tmp", "NEWPROD=nouveautes.htm\r\n");
  const Lignes l = debut();
  const Lignes fin = {
      "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=4 BORDER=0><br>",
      "<form name=\"rapide\"></form>",
      "<a href=\"nouveautes.htm\" target=\"principal\"><IMG SRC=\"nouveau.gif\" border=0></a>",
      kAccueil, "<table border=0 background=\"fond.gif\"><tr><td>"};
  EXPECT_EQ(l[1], "<table border=0 cellspacing=0 cellpadding=0>");  // the logo box
  EXPECT_EQ(Lignes(l.end() - 5, l.end()), fin);
  // The drop-down menu as loaded leaves the quick list out, even in the frameset.
  e.menu.liste_dynamique = "oui";
  EXPECT_EQ(debut().size(), l.size() - 1);
  // New products need an image; a home entry placed at the bottom waits for the form.
  dossier.write("newprod.ini", "position=haut\r\n");
  e.accueil.aligneAMG = "bas";
  EXPECT_EQ(debut().size(), l.size() - 3);
}

TEST_F(MenuGauche, HomeEntryDecorations) {
  e.menu.accueil_menu = "oui";
  e.accueil.centreAMG = " ";
  e.accueil.souligneAMG = e.accueil.grasAMG = "non";
  e.accueil.italiqueAMG = "";
  debut();
  EXPECT_NE(
      m.entreeAccueilMenu.find("<td align=\"left\"><A HREF=\"accueil2.htm\" target=\"principal\">"
                               "<font face=\"Verdana\" size=\"2\" color=\"#00F\"><SPAN STYLE="
                               "\"TEXT-DECORATION: none\"><i>Accueil</i></SPAN></font></a>"),
      std::string::npos);
  EXPECT_EQ(frame::lienAccueil(true, "oui"), "accueil.htm");
  EXPECT_EQ(frame::lienAccueil(false, "oui"), "index.htm");
}

TEST_F(MenuGauche, SelectionFormBodyAndEnd) {
  e.menu.recherche_top = "menu";
  e.menu.accueil_menu = "oui";
  e.moteur_recherche = "oui";
  e.image_fond_menu = "fond.gif";
  dossier.write("ftp/ArticlesA.html", "a-z");
  Lignes fin = {"</td></tr></table>",
                "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=8 BORDER=0><br>",
                "<table border=0 cellpadding=0 cellspacing=0>",
                "<FORM name=\"selection\">",
                "<tr valign=\"middle\">",
                "<td align=\"left\" nowrap width=118>",
                "<SELECT name=\"choix\" class=\"rech\" "
                "onChange=\"charge_URL('selection','choix','principal')\">",
                "<OPTION value=\"x\">RECHERCHE</OPTION>",
                "<OPTION value=\"themes_Articles.html\">Thèmes Articles</OPTION>",
                "<OPTION value=\"ArticlesA.html\">Articles A-Z</OPTION>",
                "</SELECT>",
                "</td>",
                "</tr>",
                "</form>",
                "</table>",
                "<br>",
                kAccueil};
  // Frameset: the search option goes to the menu body only.
  selection();
  EXPECT_EQ(m.fin.lines(), fin);
  fin.insert(fin.begin() + 10, "<OPTION value=\"moteur.php\">Recherche</OPTION>");
  EXPECT_EQ(m.corps.lines(), fin);
  // Single page: "?iframe=oui" in both lists; az_top "non" leaves out the letter pages.
  e.frames = false;
  e.menu.az_top = "non";
  selection();
  EXPECT_EQ(m.fin.lines()[9], "<OPTION value=\"moteur.php?iframe=oui\">Recherche</OPTION>");
  EXPECT_EQ(m.corps.lines(), m.fin.lines());
  // A word with a quote stays inside its attribute.
  e.articles = "Objets \"rares\"";
  selection();
  EXPECT_EQ(
      m.fin.lines()[8],
      "<OPTION value=\"themes_Objets &quot;rares&quot;.html\">Thèmes Objets \"rares\"</OPTION>");
}

TEST_F(MenuGauche, CategoryBarAndAdvertising) {
  e.menu.liste_deroulante = "oui";
  e.pubMC = true;
  dossier.write("pub2_pub.opt", "<p>Soldes</p>\r\n");
  selection();
  EXPECT_EQ(m.corps.lines(), (Lignes{"<NOSCRIPT>", "</NOSCRIPT>", "<BR>", "<p>Soldes</p>"}));
  EXPECT_EQ(m.fin.lines(), (Lignes{"<BR>", "<p>Soldes</p>"}));
  dossier.write("catego.txt", "<a href=\"v.htm\">V</a>\r\n");
  dossier.write("pub2_pub.opt", "");
  selection();
  EXPECT_EQ(m.corps.lines(), (Lignes{"<NOSCRIPT>", "<a href=\"v.htm\">V</a>", "</NOSCRIPT>"}));
  EXPECT_TRUE(m.fin.empty());
}

TEST_F(MenuGauche, StyleSheetRules) {
  struct Cas {
    const char *over, *couleur, *image, *fixe;
    bool frames;
    const char* regle;  // the rule after the three X_style rules
  } cas[] = {
      {"oui", "", "", "non", true, "A#X_style:HOVER{}"},
      {"non", "#FED", "", "non", true, "BODY {background: #FED ;}"},
      {"non", "#FED", "papier.jpg", "oui", true, "BODY {background: url(papier.jpg) fixed;}"},
      {"non", "", "", "oui", false, "BODY {background: fixed;}"},
      // The page's own background shows through the menu's frame.
      {"non", "", "fond.jpg", "non", false, "BODY {background-color:transparent;}"},
      {"non", "", "", "non", true, ".t1{"},
  };
  dossier.write("fonds/papier.jpg", "JPG");
  e.image_page = "fond.jpg";
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.regle);
    e.menu.over = c.over;
    e.menu.fond_couleur_menu = c.couleur;
    e.menu.image_menu = c.image;
    e.menu.fixe_menu = c.fixe;
    e.frames = c.frames;
    debut();
    frame::fichiersMenu(e, donnees, m);
    const Lignes css = lire("ftp/menucss.css");
    EXPECT_EQ(css[0], ".Astyle{COLOR: red; }");
    EXPECT_EQ(css[3], "A#X_style:ACTIVE {COLOR: red; }");
    EXPECT_EQ(css[4], c.regle);
  }
  EXPECT_EQ(dossier.read("ftp/papier.jpg"), "JPG");
  EXPECT_EQ(frame::drapeauxCss("oui", "", "non"), "FONT-WEIGHT: bold; FONT-STYLE: normal; ");
}

TEST_F(MenuGauche, MenuPageAndWorkingCopies) {
  e.menu_titre = "Notre menu";
  debut();
  frame::fichiersMenu(e, donnees, m);
  const Lignes tete = {"<HTML>",
                       "<HEAD>",
                       "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">",
                       "<TITLE>Notre menu</TITLE>",
                       "<link rel=\"stylesheet\" type=\"text/css\" href=\"menucss.css\">",
                       "<script SRC=\"menujs.js\"></script>",
                       "</HEAD>"};
  Lignes page = tete;
  page.insert(page.end(),
              {"<BODY marginheight=2 topmargin=8>", "<CENTER>", "</CENTER>", "</BODY></HTML>"});
  EXPECT_EQ(lire("ftp/menu2.htm"), page);
  EXPECT_EQ(lire("menu.htm"), (Lignes{"<CENTER>", "</CENTER>"}));
  EXPECT_EQ(dossier.read("menu_fin.txt"), "</CENTER>\r\n");
  EXPECT_EQ(lire("ftp/menujs.js"), frame::scriptListes().lines());
  EXPECT_EQ(frame::scriptListes()[5],
            "\t\telem = CSFindElement(n,curDoc.layers[i]); if (elem) return elem; }}");

  // Single page, reference pages on: the link ends all three files.
  e.frames = false;
  dossier.write("ref.ini", "");
  debut();
  frame::fichiersMenu(e, donnees, m);
  const std::string ref =
      "<br><center><a href=\"ref.html\" target=\"_top\"><font face=\"verdana\" size=1 "
      "color=\"gray\">ref.html</a></center>";
  page = tete;
  page.insert(page.end(), {"<BODY marginheight=0 topmargin=0>",
                           "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=4 BORDER=0><br>",
                           "<CENTER>", "</CENTER>", "</BODY></HTML>", ref});
  EXPECT_EQ(lire("ftp/menu2.htm"), page);
  EXPECT_EQ(lire("menu_fin.txt"), (Lignes{"</CENTER>", ref}));
}
