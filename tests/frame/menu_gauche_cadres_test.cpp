// The left menu as the site frame generator writes it from the windows' settings.

#include <gtest/gtest.h>

#include <string>

#include "app/fiche.h"
#include "design/style_principal.h"
#include "frame/voir_menu.h"
#include "support/programme_test.h"

using testing_support::ProgrammeDeTest;

namespace {

class MenuGaucheCadres : public ::testing::Test {
 protected:
  MenuGaucheCadres() {
    t.dossier.write("ident.opt", "nomE=Boutique\r\n");
    t.dossier.write("frames.inf", "frames=oui\r\n");
    // Thés has no theme: its link must not borrow the page of the category before it.
    t.dossier.write("categories", "Vaisselle\r\nThés\r\nLivres\r\n");
    t.dossier.write("Vaisselle.cto", "Bols\r\n");
    t.dossier.write("Livres.cto", "Cuisine\r\n");
    for (const char* c : {"Vaisselle", "Thés", "Livres"})
      t.dossier.write(std::string(c) + ".fam", "famille=0\r\n");
    t.dossier.write("menu.opt", "famille_titre=0\r\nrecherche_top=menu\r\n");
    t.demarrer();
  }
  std::string lancer() {
    t.p().voir_menu1().faire_cadres();
    return t.dossier.read("ftp/menu2.htm");
  }
  bool contient(const std::string& texte) { return lancer().find(texte) != std::string::npos; }
  ProgrammeDeTest t;
};

}  // namespace

TEST_F(MenuGaucheCadres, CategoriesLinkTheirOwnFirstPage) {
  const std::string page = lancer();
  EXPECT_NE(page.find("<a href=\"vaisselle-bols-0.htm\" id=\"X_style\" target=\"principal\">"
                      "<font color=\"#000080\">Vaisselle</font></a>"),
            std::string::npos);
  EXPECT_NE(page.find("<span class=\"Astyle\"><font color=\"#000080\">Thés</font></span>"),
            std::string::npos);
  EXPECT_NE(page.find("<a href=\"livres-cuisine-0.htm\""), std::string::npos);
  for (const char* fichier : {"ftp/menucss.css", "ftp/menujs.js", "menu.htm", "menu_fin.txt"})
    EXPECT_TRUE(t.dossier.exists(fichier)) << fichier;
}

TEST_F(MenuGaucheCadres, ReadsTheWordsAndBoxesAsTheyStand) {
  t.p().styleP().articles.setText("Objets");
  t.p().main().pubMC.setChecked(true);
  t.dossier.write("pub2_pub.opt", "<p>Soldes</p>\r\n");
  const std::string page = lancer();
  EXPECT_NE(page.find("<OPTION value=\"themes_Objets.html\">Thèmes Objets</OPTION>"),
            std::string::npos);
  EXPECT_NE(t.dossier.read("menu_fin.txt").find("<BR>\r\n<p>Soldes</p>\r\n"), std::string::npos);
}

TEST_F(MenuGaucheCadres, SinglePageLinksTheWholeWindowAndTheEntryPage) {
  t.dossier.write("menuG.inf", "aligneAMG=haut\r\n");
  t.dossier.write("menu.opt", "famille_titre=0\r\naccueil_menu=oui\r\n");
  t.p().main().options.frames = "non";
  const std::string page = lancer();
  EXPECT_NE(page.find("<A HREF=\"index.htm\" target=\"_top\">"), std::string::npos);
  EXPECT_NE(page.find("target=\"_top\"><font color=\"#000080\">Vaisselle"), std::string::npos);
  EXPECT_NE(page.find("<BODY marginheight=0 topmargin=0>"), std::string::npos);
}

TEST_F(MenuGaucheCadres, OwnMenuLeavesTheFilesOfAnEarlierRun) {
  lancer();
  t.dossier.write("menu.opt", "famille_titre=0\r\nmenuHTM=oui\r\n");
  t.dossier.write("ftp/menu2.htm", "avant");
  EXPECT_EQ(lancer(), "avant");
}
