// The left menu as the site frame generator writes it from the windows' settings.

#include <gtest/gtest.h>

#include <string>

#include "fenetres/app/fiche.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/frame/voir_menu.h"
#include "support/programme_test.h"

TEST(MenuGaucheCadres, GathersTheSettingsAndTheCategoriesOfTheShop) {
  testing_support::ProgrammeDeTest t;
  t.dossier.write("ident.opt", "nomE=Boutique\r\n");
  t.dossier.write("frames.inf", "frames=oui\r\n");
  // Thés has no theme: its entry must not borrow the page of the category before it.
  t.dossier.write("categories", "Vaisselle\r\nThés\r\nLivres\r\n");
  t.dossier.write("Vaisselle.cto", "Bols\r\n");
  t.dossier.write("Livres.cto", "Cuisine\r\n");
  for (const char* c : {"Vaisselle", "Thés", "Livres"})
    t.dossier.write(std::string(c) + ".fam", "famille=0\r\n");
  t.dossier.write("menu.opt", "famille_titre=0\r\nrecherche_top=menu\r\n");
  t.dossier.write("pub2_pub.opt", "<p>Soldes</p>\r\n");
  t.dossier.write("ref.gen", "");  // a catalogue: the menu editor lists its families
  auto& p = t.demarrer();
  p.styleP().articles.setText("Objets");
  p.main().pubMC.setChecked(true);
  auto menu = [&] {
    p.voir_menu1().faire_cadres();
    return t.dossier.read("ftp/menu2.htm");
  };
  const std::string page = menu();
  for (const char* ligne : {
           "<span class=\"Astyle\"><a href=\"vaisselle-bols-0.htm\" id=\"X_style\" "
           "target=\"principal\"><font color=\"#000080\">Vaisselle</font></a></span>",
           "<span class=\"Astyle\"><font color=\"#000080\">Thés</font></span>",
           "<a href=\"livres-cuisine-0.htm\" id=\"X_style\" target=\"principal\">",
           "<OPTION value=\"themes_Objets.html\">Thèmes Objets</OPTION>",
           "<BR>\r\n<p>Soldes</p>\r\n",
       })
    EXPECT_NE(page.find(ligne), std::string::npos) << ligne;
  for (const char* fichier : {"ftp/menucss.css", "ftp/menujs.js", "menu.htm", "menu_fin.txt"})
    EXPECT_TRUE(t.dossier.exists(fichier)) << fichier;

  // Single page: links to the whole window, the home entry to the entry page.
  t.dossier.write("menuG.inf", "aligneAMG=haut\r\n");
  t.dossier.write("menu.opt", "famille_titre=0\r\naccueil_menu=oui\r\n");
  p.main().options.frames = "non";
  EXPECT_NE(menu().find("<A HREF=\"index.htm\" target=\"_top\">"), std::string::npos);

  // The shop's own menu: the files of the earlier run stay.
  t.dossier.write("menu.opt", "famille_titre=0\r\nmenuHTM=oui\r\n");
  t.dossier.write("ftp/menu2.htm", "avant");
  EXPECT_EQ(menu(), "avant");
}
