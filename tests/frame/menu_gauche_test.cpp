#include "frame/menu_gauche.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "design/menu_options.h"
#include "platform/files.h"
#include "support/temp_folder.h"

using Lignes = std::vector<std::string>;

namespace {

const char* const kAccueil =
    "<table border=0 width=\"100%\"><tr><td align=\"center\"><A HREF=\"accueil2.htm\" "
    "target=\"principal\"><font face=\"Verdana\" size=\"2\" color=\"#0000FF\"><u><B>Accueil</B>"
    "</u></font></a></td></tr></table><br>";

class MenuGauche : public ::testing::Test {
 protected:
  MenuGauche() : donnees(dossier.path()) {
    platform::makeFolder(dossier / "ftp");
    design::mettreDefautsMenu(e.menu, {});
    e.accueil = {"Accueil", "oui", "oui", "non", "#0000FF", "2", "center", "bas", "Verdana"};
    e.frames = true;
    e.cibleLiens = "principal";
    e.largeurMenuInterieure = "118";
    e.lienAccueil = "accueil2.htm";
    e.mot_recherche = "Recherche mot-clé";
    e.articles = "Articles";
    e.listeP = "Auteurs";
    e.themesP = "Thèmes";
    e.url_moteur_recherche = "moteur.php";
  }
  // The menu body of the head stage.
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
  testing_support::TempFolder dossier;
  platform::DataFolder donnees;
  frame::EntreesMenuGauche e;
  frame::EtatMenuGauche m;
};

}  // namespace

TEST_F(MenuGauche, HeadBlocksInPageOrder) {
  EXPECT_EQ(debut(), Lignes{"<CENTER>"});  // the logo is in the top frame by default

  e.menu.logo_top = "non";
  e.menu.logo_texte = "Chez Léa";
  e.menu.accueil_menu = "oui";
  e.accueil.aligneAMG = "haut";
  e.image_fond_menu = "fond.gif";
  dossier.write("liste_recherche.ini", "menug=oui\r\n");
  dossier.write("recherche_base_gauche.tmp", "<form name=\"rapide\">\r\n</form>\r\n");
  dossier.write("newprod.ini", "position= haut \r\nimage=nouveau.gif\r\n");
  dossier.write("listeHTM.tmp", "NEWPROD=nouveautes.htm\r\n");
  const Lignes l = debut();
  auto position = [&](const std::string& ligne) {
    return std::find(l.begin(), l.end(), ligne) - l.begin();
  };
  const auto logo = position("<b>Chez Léa</b></span></font><br clear=\"all\">");
  const auto espaceur = position("<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=4 BORDER=0><br>");
  const auto rapide = position("<form name=\"rapide\">");
  const auto nouveautes = position(
      "<a href=\"nouveautes.htm\" target=\"principal\"><IMG SRC=\"nouveau.gif\" border=0></a>");
  const auto accueil = position(kAccueil);
  EXPECT_EQ(l.front(), "<CENTER>");
  EXPECT_LT(logo, espaceur);
  EXPECT_EQ(rapide, espaceur + 1);
  EXPECT_EQ(nouveautes, rapide + 2);
  EXPECT_EQ(accueil, nouveautes + 1);
  EXPECT_EQ(l.back(), "<table border=0 background=\"fond.gif\"><tr><td>");
  EXPECT_EQ(accueil, static_cast<long>(l.size()) - 2);

  // The drop-down menu as loaded leaves the quick list out, even in the frameset.
  e.menu.liste_dynamique = "oui";
  const Lignes sansListe = debut();
  EXPECT_EQ(std::count(sansListe.begin(), sansListe.end(), "<form name=\"rapide\">"), 0);
}

TEST_F(MenuGauche, NewProductsNeedAnImageAndAreNotCopied) {
  dossier.write("nouveau.gif", "GIF");
  dossier.write("newprod.ini", "position=haut\r\nimage=\r\n");
  EXPECT_EQ(debut(), Lignes{"<CENTER>"});
  dossier.write("newprod.ini", "position=bas\r\nimage=nouveau.gif\r\n");
  EXPECT_EQ(debut(), Lignes{"<CENTER>"});
  EXPECT_EQ(m.positionNouveautes, "bas");
  EXPECT_EQ(m.lienNouveautes, "");  // no listeHTM.tmp
  EXPECT_FALSE(dossier.exists("ftp/nouveau.gif"));
}

TEST_F(MenuGauche, HomeEntryDecorations) {
  e.menu.accueil_menu = "oui";
  struct Cas {
    const char* centre;
    const char* souligne;
    const char* gras;
    const char* italique;
    const char* attendu;
  } cas[] = {
      {"oui", "oui", "oui", "non",
       "align=\"center\"><A HREF=\"accueil2.htm\" target=\"principal\"><font face=\"Verdana\" "
       "size=\"2\" color=\"#0000FF\"><u><B>Accueil</B></u></font>"},
      {" ", "non", "non", "",
       "align=\"left\"><A HREF=\"accueil2.htm\" target=\"principal\"><font face=\"Verdana\" "
       "size=\"2\" color=\"#0000FF\"><SPAN STYLE=\"TEXT-DECORATION: "
       "none\"><i>Accueil</i></SPAN></font>"},
      {"right", "", "", "oui",
       "align=\"right\"><A HREF=\"accueil2.htm\" target=\"principal\"><font face=\"Verdana\" "
       "size=\"2\" color=\"#0000FF\"><u><i><B>Accueil</B></i></u></font>"},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.centre);
    e.accueil.centreAMG = c.centre;
    e.accueil.souligneAMG = c.souligne;
    e.accueil.grasAMG = c.gras;
    e.accueil.italiqueAMG = c.italique;
    debut();
    EXPECT_NE(m.entreeAccueilMenu.find(c.attendu), std::string::npos) << m.entreeAccueilMenu;
  }
  EXPECT_EQ(frame::lienAccueil(true, "oui"), "accueil.htm");
  EXPECT_EQ(frame::lienAccueil(true, "non"), "accueil2.htm");
  EXPECT_EQ(frame::lienAccueil(false, "oui"), "index.htm");
}

TEST_F(MenuGauche, SelectionFormBodyAndEnd) {
  e.menu.recherche_top = "menu";
  e.menu.accueil_menu = "oui";
  e.moteur_recherche = "oui";
  e.image_fond_menu = "fond.gif";
  dossier.write("ftp/ArticlesA.html", "a-z");
  const Lignes form = {
      "</td></tr></table>",
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
  };
  const Lignes fin = {"</SELECT>", "</td>", "</tr>", "</form>", "</table>", "<br>", kAccueil};
  Lignes corps = form;
  corps.push_back("<OPTION value=\"moteur.php\">Recherche mot-clé</OPTION>");
  corps.insert(corps.end(), fin.begin(), fin.end());
  Lignes finMenu = form;
  finMenu.insert(finMenu.end(), fin.begin(), fin.end());
  // Frameset: the search option goes to the menu body only.
  selection();
  EXPECT_EQ(m.corps.lines(), corps);
  EXPECT_EQ(m.fin.lines(), finMenu);

  // Single page: the search option carries "?iframe=oui" in both lists; A-Z pages only when
  // they exist and az_top is not "non".
  e.frames = false;
  e.cibleLiens = "_top";
  e.lienAccueil = "index.htm";
  selection();
  EXPECT_EQ(m.fin.lines()[10],
            "<OPTION value=\"moteur.php?iframe=oui\">Recherche mot-clé</OPTION>");
  EXPECT_EQ(m.corps.lines(), m.fin.lines());
  e.menu.az_top = "non";
  selection();
  EXPECT_EQ(m.fin.lines()[9], "<OPTION value=\"moteur.php?iframe=oui\">Recherche mot-clé</OPTION>");
}

TEST_F(MenuGauche, WhatFollowsTheForm) {
  // Default recherche_top "top": no form; home entry at the top: nothing here.
  e.menu.accueil_menu = "oui";
  e.accueil.aligneAMG = "haut";
  e.menu.liste_deroulante = "oui";
  e.pubMC = true;
  dossier.write("pub2_pub.opt", "<p>Soldes</p>\r\n");
  selection();
  EXPECT_EQ(m.corps.lines(), (Lignes{"<NOSCRIPT>", "</NOSCRIPT>", "<BR>", "<p>Soldes</p>"}));
  EXPECT_EQ(m.fin.lines(), (Lignes{"<BR>", "<p>Soldes</p>"}));

  dossier.write("catego.txt", "<a href=\"v.htm\">Vaisselle</a>\r\n");
  dossier.write("pub2_pub.opt", "");
  e.pubMC = true;
  selection();
  EXPECT_EQ(m.corps.lines(),
            (Lignes{"<NOSCRIPT>", "<a href=\"v.htm\">Vaisselle</a>", "</NOSCRIPT>"}));
  EXPECT_TRUE(m.fin.empty());
}

TEST_F(MenuGauche, NamesFromSettingsStayInsideTheirAttributes) {
  e.menu.recherche_top = "menu";
  e.articles = "Objets \"rares\"";
  selection();
  EXPECT_EQ(
      m.corps.lines()[7],
      "<OPTION value=\"themes_Objets &quot;rares&quot;.html\">Thèmes Objets \"rares\"</OPTION>");
  // A word that would lead out of the data folder names no letter page.
  e.articles = "../x";
  EXPECT_NO_THROW(selection());
}

TEST(MenuGaucheBlocs, CountOfBlocks) {
  EXPECT_EQ(frame::nombreBlocsMenu("0", 0), 0);
  EXPECT_EQ(frame::nombreBlocsMenu("1", 0), 0);
  EXPECT_EQ(frame::nombreBlocsMenu("1", 3), 1);
  EXPECT_EQ(frame::nombreBlocsMenu("0", 3), 3);
  EXPECT_EQ(frame::nombreBlocsMenu("", 6), 4);
}
