#include "modele/frame/menu_statique.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "modele/design/menu_options.h"
#include "modele/frame/menu_gauche.h"
#include "platform/files.h"
#include "support/temp_folder.h"

using Lignes = std::vector<std::string>;

namespace {

const std::string kPix = "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=";

class MenuStatique : public ::testing::Test {
 protected:
  MenuStatique() : donnees(dossier.path()) {
    platform::makeFolder(dossier / "ftp");
    design::mettreDefautsMenu(e.menu, {});
    e.cibleLiens = "principal";
    e.largeurMenuInterieure = "118";
    e.titre_deroulant = "--- SELECTIONNER ---";
    e.familles = {"Produits", "Livres"};
    e.blocs = {{{"Vaisselle", "v.htm"}, {"Thés", "t.htm"}}, {{"Livres", "l.htm"}}};
    e.familleTitreListe = "0";
  }
  Lignes menu() {
    m = {};
    frame::menuStatique(e, donnees, m);
    return m.corps.lines();
  }
  // The lines from the first one equal to debut, as many as attendu holds.
  Lignes depuis(const std::string& debut, size_t n) {
    const Lignes l = menu();
    auto p = std::find(l.begin(), l.end(), debut);
    return Lignes(p, p + static_cast<long>(std::min<size_t>(n, l.end() - p)));
  }
  size_t compte(const std::string& texte) {
    const Lignes l = menu();
    return std::count_if(l.begin(), l.end(),
                         [&](const std::string& s) { return s.find(texte) != std::string::npos; });
  }
  testing_support::TempFolder dossier;
  platform::DataFolder donnees;
  frame::EntreesMenuGauche e;
  frame::EtatMenuGauche m;
};

}  // namespace

TEST_F(MenuStatique, DefaultsGiveTitleRowsAndTextLinksInASquareFrame) {
  const std::string trait =
      "<td colspan=5 bgcolor=\"#1781B3\">" + kPix + "5 HEIGHT=1 BORDER=0></td>";
  auto cote = [](const char* c, const char* w) {
    return std::string("<td bgcolor=\"") + c + "\" width=" + w + ">" + kPix + w +
           " HEIGHT=1 BORDER=0></td>";
  };
  Lignes attendu = {"<table border=0 cellspacing=0 cellpadding=0>"};
  auto rangee = [&](const char* fond, const char* td, const Lignes& contenu) {
    attendu.insert(attendu.end(), {"<tr>", cote("#1781B3", "1"), cote(fond, "5"), td});
    attendu.insert(attendu.end(), contenu.begin(), contenu.end());
    attendu.insert(attendu.end(), {"</td>", cote(fond, "5"), cote("#1781B3", "1"), "</tr>"});
  };
  auto titre = [&](const std::string& texte) {
    attendu.insert(attendu.end(), {"<tr>", trait, "</tr>"});
    rangee("#c4e1ff", "<td bgcolor=\"#c4e1ff\" nowrap align=\"center\" width=118>",
           {"<font face=\"\" color=\"#000080\"><span style=\"FONT-SIZE:13px\">",
            "<b>" + texte + "</b></span></font><br clear=\"all\">"});
    attendu.insert(attendu.end(), {"<tr>", trait, "</tr>"});
  };
  auto lien = [](const std::string& page, const std::string& nom) {
    return "<span class=\"Astyle\"><a href=\"" + page +
           "\" id=\"X_style\" target=\"principal\"><font color=\"#000080\">" + nom +
           "</font></a></span><br clear=\"all\">";
  };
  const char* td = "<td bgcolor=\"#FFFFFF\" align=\"left\" nowrap width=118>";
  titre("Produits");
  rangee("#FFFFFF", td, {lien("v.htm", "Vaisselle"), lien("t.htm", "Thés")});
  titre("Livres");
  rangee("#FFFFFF", td, {lien("l.htm", "Livres")});
  attendu.insert(attendu.end(), {"<tr>", trait, "</tr>", "</table>"});
  EXPECT_EQ(menu(), attendu);
}

TEST_F(MenuStatique, FrameKinds) {
  struct Cas {
    const char* cadre;
    size_t lignesTrait, espaceurs, coins, traitColore;
  } cas[] = {
      {"carre", 5, 0, 0, 13},
      {"aucun", 5, 0, 0, 0},        // the rows of "carre" in the fill colours
      {"rond", 3, 0, 4, 13},       // no line row above the first title nor at the bottom
      {"transparent", 2, 1, 0, 0},  // the rows under the titles are empty spacers
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.cadre);
    e.menu.encadrement_menu = c.cadre;
    EXPECT_EQ(compte("<td colspan=5") - compte("HEIGHT=4"), c.lignesTrait);
    EXPECT_EQ(compte("<tr><td colspan=5>" + kPix + "1 HEIGHT=4"), c.espaceurs);
    EXPECT_EQ(compte("SRC=\"menu_"), c.coins);
    EXPECT_EQ(compte("#1781B3"), c.traitColore);
  }
  EXPECT_EQ(compte("bgcolor"), 0u);  // transparent
}

TEST_F(MenuStatique, RollOverNamesAndButtonSizes) {
  e.familles = {"Produits"};
  e.blocs = {{{"Vaisselle", "v.htm"}, {"Thés", "t.htm"}, {"Livres", "l.htm"}}};
  auto& o = e.menu;
  o.image_menu_catego[0] = {"puce", "bouton", "bouton"};
  o.longueurp_menu_catego[0][0] = o.hauteurp_menu_catego[0][0] = "8";
  o.longueur_menu_catego[0] = o.hauteur_menu_catego[0] = {"", "20", "20"};
  o.puce2_menu_catego[0][0] = o.bouton2_menu_catego[0][1] = "x";
  o.over = "oui";
  Lignes attendu = {
      "<script language=\"JavaScript\">", "<!--", "pout0M0= new Image()",
      "pout0M0.src=\"pout0-0.gif\"", "pover0M0=new Image()", "pover0M0.src=\"pover0-0.gif\"",
      "// -->", "</script>",
      "<span class=\"Astyle\"><a href=\"v.htm\" id=\"X_style\" target=\"principal\" "
      "onmouseover=\"p0M0.src=pover0M0.src\" onmouseout=\"p0M0.src=pout0M0.src\"><IMG ALT=\"\" "
      "SRC=\"pout0-0.gif\" WIDTH=8 HEIGHT=8 name=\"p0M0\" BORDER=0 align=\"left\">Vaisselle</a>"
      "</span><br clear=\"all\">",
      "<script language=\"JavaScript\">", "<!--", "out0M1= new Image()",
      "out0M1.src=\"btout0-1.gif\"", "over0M1=new Image()", "over0M1.src=\"btover0-1.gif\"",
      "// -->", "</script>",
      // With a roll-over image the button loses its size.
      "<a href=\"t.htm\" target=\"principal\" onmouseover=\"bt0M1.src=over0M1.src\" "
      "onmouseout=\"bt0M1.src=out0M1.src\"><IMG ALT=\"Thés\" SRC=\"btout0-1.gif\" name=\"bt0M1\" "
      "BORDER=0></a><br>",
      "<a href=\"l.htm\" target=\"principal\"><IMG ALT=\"Livres\" SRC=\"btout0-2.gif\" WIDTH=20 "
      "HEIGHT=20 name=\"bt0M2\" BORDER=0></a><br>"};
  EXPECT_EQ(depuis(attendu[0], attendu.size()), attendu);
}

TEST_F(MenuStatique, DropDownListsPerFamily) {
  e.menu.liste_deroulante = "oui";
  e.menu.image_menu_bas[1] = "bouton";
  e.blocs[0][1].page = "";  // a category without a theme page
  for (auto [tirets, separateur] :
       {std::pair{"3", "----"}, {"1", "--"}, {"0", ""}, {"", ""}, {"-2", ""}, {"trois", ""}}) {
    SCOPED_TRACE(tirets);
    e.menu.tirets_listes = tirets;
    Lignes attendu = {
        "<form name=\"liste0\"><SELECT name=\"choix\" class=\"t1\"  "
        "onChange=\"charge_URL('liste0','choix','principal')\">",
        "<OPTION value=\"x\">--- SELECTIONNER ---</OPTION>",
        "<OPTION value=\"v.htm\">Vaisselle</OPTION>", "<OPTION value=\"x\">Thés</OPTION>"};
    if (*separateur)
      attendu.push_back(std::string("<OPTION value=\"x\">") + separateur + "</OPTION>");
    attendu.push_back("</SELECT></form>");
    EXPECT_EQ(depuis(attendu[0], attendu.size()), attendu);
    // No link inside the lists; the bottom image row is still written.
    EXPECT_EQ(compte("<a href"), 0u);
    EXPECT_EQ(compte("SRC=\"bas1.gif\""), 1u);
  }
}

TEST_F(MenuStatique, BlocksTitlesAndEmptyFamilies) {
  // famille_titre "1": one block with its top line row and no title.
  e.menu.famille_titre = e.familleTitreListe = "1";
  EXPECT_EQ(menu()[2], "<td colspan=5 bgcolor=\"#1781B3\">" + kPix + "5 HEIGHT=1 BORDER=0></td>");
  EXPECT_EQ(compte("X_style"), 2u);
  // Titles as loaded for the first block, as the family listing says for the later ones.
  e.menu.famille_titre = "0";
  EXPECT_EQ(compte("<b>Produits</b>") + compte("<b>Livres</b>"), 1u);
  // An empty family opens no list; no family line, no block at all.
  e.familleTitreListe = "0";
  e.menu.liste_deroulante = "oui";
  e.blocs[1].clear();
  EXPECT_EQ(compte("liste1"), 0u);
  e.familles.clear();
  EXPECT_EQ(menu().size(), 5u);
}

TEST_F(MenuStatique, CategoryWithoutThemePageHasNoLinkAndNamesAreEscapedInAttributes) {
  e.blocs[0] = {{"Thés \"verts\"", ""}, {"Bols \"XL\"", "b.htm"}};
  e.menu.image_menu_catego[0][1] = "bouton";
  EXPECT_EQ(depuis("<span class=\"Astyle\"><font color=\"#000080\">Thés \"verts\"</font></span>"
                   "<br clear=\"all\">",
                   1)
                .size(),
            1u);
  EXPECT_EQ(compte("ALT=\"Bols &quot;XL&quot;\""), 1u);
}

TEST_F(MenuStatique, ImagesAreCopiedAndNewProductsCloseTheMenu) {
  const Lignes images = {"menu_hg.gif", "menu_hd.gif", "menu_bg.gif", "menu_bd.gif", "pout0.gif"};
  for (const std::string& nom : images) dossier.write(nom, "GIF");
  e.menu.encadrement_menu = "rond";
  e.menu.image_menu_titre[0] = "puce";
  m.positionNouveautes = "bas";
  m.imageNouveautes = "nouveau.gif";
  m.lienNouveautes = "nouveautes.htm";
  frame::menuStatique(e, donnees, m);
  for (const std::string& nom : images) EXPECT_TRUE(dossier.exists("ftp/" + nom)) << nom;
  EXPECT_EQ(
      m.corps.lines().back(),
      "<a href=\"nouveautes.htm\" target=\"principal\"><IMG SRC=\"nouveau.gif\" border=0></a>");
}
