#include "frame/menu_dynamique_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/temp_folder.h"

using Lignes = std::vector<std::string>;

namespace {

// The lines of the rule opened by selecteur, its closing brace excluded.
Lignes regle(const platform::LineList& feuille, const std::string& selecteur) {
  auto debut = std::find(feuille.begin(), feuille.end(), selecteur);
  return Lignes(debut + 1, std::find(debut, feuille.end(), std::string("}")));
}

}  // namespace

TEST(MenuDynamique, BordersAndBackgroundsFollowLineModeAndTransparency) {
  const std::string b = " #C 2px solid;";
  struct Cas { const char *trait, *pop, *transparent; Lignes dl, dd; };
  const Cas cas[] = {
      {"encadrement", "encadrement", "non",
       {"BORDER-COLOR: #C; BORDER-WIDTH: 2px; BORDER-STYLE: solid; ", "BACKGROUND: #F;", "WIDTH: 100%;"},
       {"BORDER-RIGHT:" + b, "BORDER-TOP:" + b, "BORDER-LEFT:" + b, "BORDER-BOTTOM:" + b, "BACKGROUND: #P;"}},
      {"trait", "trait", "oui",
       {"BORDER-RIGHT:" + b + " BORDER-BOTTOM:" + b + " BORDER-LEFT:" + b, "WIDTH: 100%;"},
       {"BORDER-RIGHT:" + b, "BORDER-TOP:" + b, "BORDER-LEFT:" + b}},
      {"", "", "non", {"BACKGROUND: #F;", "WIDTH: 100%;"}, {"BACKGROUND: #P;"}},
  };
  for (const Cas& c : cas) {
    design::TStyleMenuDynamique s;
    s.Dmenu_coul_trait = s.Dmenu_pop_coul_trait = "#C";
    s.Dmenu_taille_trait = s.Dmenu_pop_taille_trait = "2";
    s.Dmenu_fond = "#F";
    s.Dmenu_pop_fond = "#P";
    s.Dmenu_trait = c.trait;
    s.Dmenu_pop_trait = c.pop;
    s.Dmenu_fond_transparent = s.Dmenu_pop_fond_transparent = c.transparent;
    const platform::LineList f = frame::feuilleMenuDynamique(s);
    EXPECT_EQ(regle(f, ".styleDL {"), c.dl) << c.trait;
    Lignes dd = regle(f, ".styleDD {");
    EXPECT_EQ(Lignes(dd.begin() + 1, dd.end() - 7), c.dd) << c.pop;
    const bool trait = std::string(c.trait) == "trait";
    EXPECT_EQ(regle(f, ".AstyleDT {").front(), trait ? "BORDER-TOP:" + b : "BACKGROUND: #F;");
    EXPECT_EQ(regle(f, "A#X_styleDD{").front() == "BORDER-BOTTOM:" + b, trait);
  }
}

TEST(MenuDynamique, PopUpsNumberedAcrossFamiliesAndAllHidden) {
  testing_support::TempFolder dossier;
  const platform::DataFolder donnees(dossier.path());
  platform::makeFolder(dossier / "ftp");
  for (const char* page : {"ftp/a-un-0.htm", "ftp/a-deux-0.htm", "ftp/c-un-0.htm"})
    platform::writeFileAtomic(dossier / page, "");
  frame::EntreesMenuDynamique e;
  e.style.Dmenu_fleche_inc = "oui";
  e.style.Dmenu_fleche = "../secret.GIF";
  e.familles = {"Produits", "Li\"vres\\"};
  e.famillesScript = {"Produits", "Li vres\\"};
  e.blocs = {{true, {{"A", "a-un-0.htm", {" un ", "un", "", "deux", "trois"}}, {"B", "", {}}}},
             {true, {{"C", "c-un-0.htm", {"un"}}, {"D", "", {}}}}};
  platform::LineList corps;
  EXPECT_EQ(frame::menuDynamique(e, donnees, corps), "styleTITRE");
  const std::string page = corps.text(), script = platform::readFile(dossier / "ftp/menu_dyn.js");
  for (const char* texte : {"montre('smenu4')", "id=smenu1", "menu_fleche."}) {
    EXPECT_NE(page.find(texte), std::string::npos) << texte;
    EXPECT_NE(script.find(texte), std::string::npos) << texte;
  }
  EXPECT_EQ(page.find("id=smenu3"), std::string::npos);  // one entry: no pop-up
  // Trimmed, once each, only those with a page.
  const auto pop = std::find_if(corps.begin(), corps.end(),
                                [](const std::string& l) { return l.find("id=smenu1") != l.npos; });
  EXPECT_EQ(Lignes(pop + 1, pop + 4), (Lignes{"<a href=\"a-un-0.htm\" id=\"X_styleDD\">un</a>",
                                             "<a href=\"a-deux-0.htm\" id=\"X_styleDD\">deux</a>",
                                             "</DIV>"}));
  EXPECT_NE(page.find("<A id=\"X_styleDT\">B</A>"), std::string::npos);
  EXPECT_NE(script.find("document.write(\"Li vres\\\\<br>\");"), std::string::npos);
  EXPECT_TRUE(platform::listFiles(dossier / "ftp", "menu_fleche*").empty());
  EXPECT_EQ(frame::extensionFleche("Fl4. GIF "), "gif");
  EXPECT_EQ(frame::extensionFleche("FLECHE"), "fleche");
  EXPECT_EQ(platform::LineList::load(dossier / "ftp/menu_dyn_js.js")[0],
            "\tfor (var i = 1; i<=4; i++) {");
}
