#include "frame/menu_statique.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/menu_options.h"
#include "frame/menu_gauche.h"
#include "platform/files.h"
#include "support/temp_folder.h"

using frame::CategorieMenu;
using Lignes = std::vector<std::string>;

namespace {

const char* const kPix1 = "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=1 BORDER=0></td>";
const char* const kPix5 = "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=5 HEIGHT=1 BORDER=0></td>";

std::string trait(const char* c) {
  return std::string("<td colspan=5 bgcolor=\"") + c + "\">" + kPix5;
}
std::string cellule1(const char* c) {
  return std::string("<td bgcolor=\"") + c + "\" width=1>" + kPix1;
}
std::string cellule5(const char* c) {
  return std::string("<td bgcolor=\"") + c + "\" width=5>" + kPix5;
}

class MenuStatique : public ::testing::Test {
 protected:
  MenuStatique() : donnees(dossier.path()) {
    platform::makeFolder(dossier / "ftp");
    design::mettreDefautsMenu(e.menu, {});
    e.cibleLiens = "principal";
    e.largeurMenuInterieure = "118";
    e.titre_deroulant = "--- SELECTIONNER ---";
    e.familles = {"Produits", "Livres"};
    e.blocs = {{{"Vaisselle", "vaisselle-bols-0.htm"}, {"Infusions", "infusions-plantes-0.htm"}},
               {{"Livres", "livres-cuisine-0.htm"}}};
    e.familleTitreListe = "0";
  }
  Lignes menu() {
    frame::EtatMenuGauche m;
    frame::menuStatique(e, donnees, m);
    return m.corps.lines();
  }
  // The lines of the menu that hold a text.
  Lignes avec(const std::string& texte) {
    Lignes r;
    for (const std::string& l : menu())
      if (l.find(texte) != std::string::npos) r.push_back(l);
    return r;
  }
  testing_support::TempFolder dossier;
  platform::DataFolder donnees;
  frame::EntreesMenuGauche e;
};

std::string lienTexte(const char* page, const char* nom) {
  return std::string("<span class=\"Astyle\"><a href=\"") + page +
         "\" id=\"X_style\" target=\"principal\"><font color=\"#000080\">" + nom +
         "</font></a></span><br clear=\"all\">";
}

}  // namespace

TEST_F(MenuStatique, DefaultsGiveTitleRowsAndTextLinksInASquareFrame) {
  Lignes attendu = {"<table border=0 cellspacing=0 cellpadding=0>"};
  auto ligneTrait = [&] { attendu.insert(attendu.end(), {"<tr>", trait("#1781B3"), "</tr>"}); };
  auto titre = [&](const char* texte) {
    ligneTrait();
    attendu.insert(attendu.end(),
                   {"<tr>", cellule1("#1781B3"), cellule5("#c4e1ff"),
                    "<td bgcolor=\"#c4e1ff\" nowrap align=\"center\" width=118>",
                    "<font face=\"\" color=\"#000080\"><span style=\"FONT-SIZE:13px\">",
                    std::string("<b>") + texte + "</b></span></font><br clear=\"all\">", "</td>",
                    cellule5("#c4e1ff"), cellule1("#1781B3"), "</tr>"});
    ligneTrait();
  };
  auto categories = [&](const Lignes& liens) {
    attendu.insert(attendu.end(), {"<tr>", cellule1("#1781B3"), cellule5("#FFFFFF"),
                                   "<td bgcolor=\"#FFFFFF\" align=\"left\" nowrap width=118>"});
    attendu.insert(attendu.end(), liens.begin(), liens.end());
    attendu.insert(attendu.end(), {"</td>", cellule5("#FFFFFF"), cellule1("#1781B3"), "</tr>"});
  };
  titre("Produits");
  categories({lienTexte("vaisselle-bols-0.htm", "Vaisselle"),
              lienTexte("infusions-plantes-0.htm", "Infusions")});
  titre("Livres");
  categories({lienTexte("livres-cuisine-0.htm", "Livres")});
  ligneTrait();
  attendu.push_back("</table>");
  EXPECT_EQ(menu(), attendu);
}

TEST_F(MenuStatique, FrameKinds) {
  struct Cas {
    const char* cadre;
    size_t lignesTrait;  // line rows of the whole menu
    size_t espaceurs;    // 4-pixel rows above the later titles
    bool coins;          // rounded bands above and below
    const char* premiereLigne;
  } cas[] = {
      {"carre", 5, 0, false, "<table border=0 cellspacing=0 cellpadding=0>"},
      // "aucun": the rows of "carre", painted in the fill colours.
      {"aucun", 5, 0, false, "<table border=0 cellspacing=0 cellpadding=0>"},
      // No line row above the first title nor at the bottom.
      {"rond", 3, 0, true, "<table border=0 cellspacing=0 cellpadding=0>"},
      // Empty line rows under the titles are the spacers of an unframed menu.
      {"transparent", 2, 1, false, "<table border=0 cellspacing=0 cellpadding=0>"},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.cadre);
    e.menu.encadrement_menu = c.cadre;
    const Lignes l = menu();
    size_t lignesTrait = 0, espaceurs = 0, coins = 0, bgcolor = 0;
    for (const std::string& ligne : l) {
      lignesTrait +=
          ligne.starts_with("<td colspan=5") && ligne.find("WIDTH=5 HEIGHT=1") != std::string::npos;
      espaceurs +=
          ligne ==
          "<tr><td colspan=5><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=4 BORDER=0></td></tr>";
      coins += ligne.find("SRC=\"menu_") != std::string::npos;
      bgcolor += ligne.find("bgcolor=\"#1781B3\"") != std::string::npos;
    }
    EXPECT_EQ(l.front(), c.premiereLigne);
    EXPECT_EQ(lignesTrait, c.lignesTrait);
    EXPECT_EQ(espaceurs, c.espaceurs);
    EXPECT_EQ(coins, c.coins ? 4u : 0u);
    if (std::string(c.cadre) == "aucun" || std::string(c.cadre) == "transparent")
      EXPECT_EQ(bgcolor, 0u);
    if (std::string(c.cadre) == "transparent") EXPECT_EQ(avec("bgcolor").size(), 0u);
  }
}

TEST_F(MenuStatique, RollOverNamesAndButtonSizes) {
  e.familles = {"Produits"};
  e.blocs = {{{"Vaisselle", "v.htm"}, {"Infusions", "i.htm"}, {"Livres", "l.htm"}}};
  auto& o = e.menu;
  o.image_menu_catego[0][0] = "puce";
  o.longueurp_menu_catego[0][0] = "8";
  o.hauteurp_menu_catego[0][0] = "9";
  o.puce2_menu_catego[0][0] = "x";
  o.image_menu_catego[0][1] = "bouton";
  o.longueur_menu_catego[0][1] = "100";
  o.hauteur_menu_catego[0][1] = "20";
  o.bouton2_menu_catego[0][1] = "x";
  o.image_menu_catego[0][2] = "bouton";
  o.longueur_menu_catego[0][2] = "100";
  o.hauteur_menu_catego[0][2] = "20";
  o.over = "oui";
  const Lignes l = menu();
  auto script = [](const std::string& a, const std::string& b, const std::string& ia,
                   const std::string& ib) {
    return Lignes{"<script language=\"JavaScript\">",
                  "<!--",
                  a + "= new Image()",
                  a + ".src=\"" + ia + "\"",
                  b + "=new Image()",
                  b + ".src=\"" + ib + "\"",
                  "// -->",
                  "</script>"};
  };
  Lignes attendu = script("pout0M0", "pover0M0", "pout0-0.gif", "pover0-0.gif");
  attendu.push_back(
      "<span class=\"Astyle\"><a href=\"v.htm\" id=\"X_style\" target=\"principal\" "
      "onmouseover=\"p0M0.src=pover0M0.src\" onmouseout=\"p0M0.src=pout0M0.src\"><IMG ALT=\"\" "
      "SRC=\"pout0-0.gif\" WIDTH=8 HEIGHT=9 name=\"p0M0\" BORDER=0 align=\"left\">Vaisselle</a>"
      "</span><br clear=\"all\">");
  for (const std::string& s : script("out0M1", "over0M1", "btout0-1.gif", "btover0-1.gif"))
    attendu.push_back(s);
  // With a roll-over image the button has no size.
  attendu.push_back(
      "<a href=\"i.htm\" target=\"principal\" onmouseover=\"bt0M1.src=over0M1.src\" "
      "onmouseout=\"bt0M1.src=out0M1.src\"><IMG ALT=\"Infusions\" SRC=\"btout0-1.gif\" "
      "name=\"bt0M1\" BORDER=0></a><br>");
  attendu.push_back(
      "<a href=\"l.htm\" target=\"principal\"><IMG ALT=\"Livres\" SRC=\"btout0-2.gif\" WIDTH=100 "
      "HEIGHT=20 name=\"bt0M2\" BORDER=0></a><br>");
  auto debut = std::find(l.begin(), l.end(), "<script language=\"JavaScript\">");
  ASSERT_NE(debut, l.end());
  EXPECT_EQ(Lignes(debut, debut + static_cast<long>(attendu.size())), attendu);
}

TEST_F(MenuStatique, DropDownListsPerFamily) {
  e.menu.liste_deroulante = "oui";
  e.menu.image_menu_bas[1] = "bouton";
  e.blocs[0][1].page = "";  // a category without a theme page
  struct Cas {
    const char* tirets;
    const char* separateur;  // "" for none
  } cas[] = {{"3", "----"}, {"1", "--"}, {"0", ""}, {"", ""}, {"-2", ""}, {"trois", ""}};
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.tirets);
    e.menu.tirets_listes = c.tirets;
    Lignes attendu = {
        "<form name=\"liste0\"><SELECT name=\"choix\" class=\"t1\"  "
        "onChange=\"charge_URL('liste0','choix','principal')\">",
        "<OPTION value=\"x\">--- SELECTIONNER ---</OPTION>",
        "<OPTION value=\"vaisselle-bols-0.htm\">Vaisselle</OPTION>",
        "<OPTION value=\"x\">Infusions</OPTION>"};
    if (*c.separateur)
      attendu.push_back(std::string("<OPTION value=\"x\">") + c.separateur + "</OPTION>");
    attendu.push_back("</SELECT></form>");
    const Lignes l = menu();
    auto debut = std::find(l.begin(), l.end(), attendu.front());
    ASSERT_NE(debut, l.end());
    EXPECT_EQ(Lignes(debut, debut + static_cast<long>(attendu.size())), attendu);
    // No link or image inside the lists; the bottom image row is still written.
    EXPECT_TRUE(avec("<a href").empty());
    EXPECT_EQ(avec("SRC=\"bas1.gif\"").size(), 1u);
  }
}

TEST_F(MenuStatique, BlocksWithoutTitlesOrWithoutCategories) {
  // famille_titre "1": one block with every category, its top line row, no title.
  e.menu.famille_titre = "1";
  e.familleTitreListe = "1";
  Lignes l = menu();
  EXPECT_TRUE(avec("Produits").empty());
  EXPECT_EQ(l[1], "<tr>");
  EXPECT_EQ(l[2], trait("#1781B3"));
  EXPECT_EQ(avec("X_style").size(), 2u);

  // Titles as loaded, none as the family listing says for the later blocks.
  e.menu.famille_titre = "0";
  EXPECT_EQ(avec("<b>Produits</b>").size(), 1u);
  EXPECT_TRUE(avec("<b>Livres</b>").empty());

  // An empty family keeps its cell and opens no list; no family line writes no block at all.
  e.familleTitreListe = "0";
  e.menu.liste_deroulante = "oui";
  e.blocs[1].clear();
  EXPECT_TRUE(avec("liste1").empty());
  e.familles.clear();
  EXPECT_EQ(menu(), (Lignes{"<table border=0 cellspacing=0 cellpadding=0>", "<tr>",
                            trait("#1781B3"), "</tr>", "</table>"}));
}

TEST_F(MenuStatique, CategoryWithoutThemePageHasNoLinkAndNamesAreEscapedInAttributes) {
  e.blocs = {{{"Thés \"verts\"", ""}, {"Bols", "bols-0.htm"}}};
  e.familles = {"Produits"};
  e.menu.image_menu_catego[0][1] = "bouton";
  e.blocs[0][1].nom = "Bols \"XL\"";
  EXPECT_EQ(avec("verts").front(),
            "<span class=\"Astyle\"><font color=\"#000080\">Thés \"verts\"</font></span><br "
            "clear=\"all\">");
  EXPECT_NE(avec("XL").front().find("ALT=\"Bols &quot;XL&quot;\""), std::string::npos);
}

TEST_F(MenuStatique, ImagesAreCopiedAndNewProductsCloseTheMenu) {
  for (const char* nom : {"menu_hg.gif", "menu_hd.gif", "menu_bg.gif", "menu_bd.gif", "pout0.gif"})
    dossier.write(nom, "GIF");
  e.menu.encadrement_menu = "rond";
  e.menu.image_menu_titre[0] = "puce";
  frame::EtatMenuGauche m;
  m.positionNouveautes = "bas";
  m.imageNouveautes = "nouveau.gif";
  m.lienNouveautes = "nouveautes.htm";
  frame::menuStatique(e, donnees, m);
  for (const char* nom : {"menu_hg.gif", "menu_hd.gif", "menu_bg.gif", "menu_bd.gif", "pout0.gif"})
    EXPECT_TRUE(dossier.exists(std::string("ftp/") + nom)) << nom;
  EXPECT_EQ(
      m.corps.lines().back(),
      "<a href=\"nouveautes.htm\" target=\"principal\"><IMG SRC=\"nouveau.gif\" border=0></a>");
}
