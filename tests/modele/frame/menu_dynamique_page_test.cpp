#include "modele/frame/menu_dynamique_page.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/temp_folder.h"

using Lignes = std::vector<std::string>;

// The lines of the rule opened by selecteur, its closing brace excluded.
static Lignes regle(const platform::LineList& f, const std::string& selecteur) {
  auto debut = std::find(f.begin(), f.end(), selecteur);
  return Lignes(debut + 1, std::find(debut, f.end(), std::string("}")));
}

TEST(MenuDynamique, BordersAndBackgroundsFollowLineModeAndTransparency) {
  const std::string b = " #C 2px solid;", r = "BORDER-RIGHT:" + b, l = "BORDER-LEFT:" + b;
  struct Cas { const char *trait, *transparent; Lignes dl, dd; };
  const Cas cas[] = {
      {"encadrement", "non",
       {"BORDER-COLOR: #C; BORDER-WIDTH: 2px; BORDER-STYLE: solid; ", "BACKGROUND: #F;", "WIDTH: 100%;"},
       {r, "BORDER-TOP:" + b, l, "BORDER-BOTTOM:" + b, "BACKGROUND: #F;"}},
      {"trait", "oui", {r + " BORDER-BOTTOM:" + b + " " + l, "WIDTH: 100%;"}, {r, "BORDER-TOP:" + b, l}}};
  for (const Cas& c : cas) {
    design::TStyleMenuDynamique s;
    s.Dmenu_coul_trait = s.Dmenu_pop_coul_trait = "#C";
    s.Dmenu_taille_trait = s.Dmenu_pop_taille_trait = "2";
    s.Dmenu_fond = s.Dmenu_pop_fond = "#F";
    s.Dmenu_trait = s.Dmenu_pop_trait = c.trait;
    s.Dmenu_fond_transparent = s.Dmenu_pop_fond_transparent = c.transparent;
    const platform::LineList f = frame::feuilleMenuDynamique(s);
    EXPECT_EQ(regle(f, ".styleDL {"), c.dl) << c.trait;
    const Lignes dd = regle(f, ".styleDD {");
    EXPECT_EQ(Lignes(dd.begin() + 1, dd.end() - 7), c.dd) << c.trait;
    const bool trait = c.dd.size() == 3;
    EXPECT_EQ(regle(f, ".AstyleDT {").front(), trait ? "BORDER-TOP:" + b : "BACKGROUND: #F;");
    EXPECT_EQ(regle(f, "A#X_styleDD{").front() == "BORDER-BOTTOM:" + b, trait);
  }
}

TEST(MenuDynamique, PopUpsNumberedAcrossFamiliesAndAllHidden) {
  testing_support::TempFolder dossier;
  platform::makeFolder(dossier / "ftp");
  for (const char* page : {"ftp/a-un-0.htm", "ftp/a-deux-0.htm", "ftp/c-un-0.htm", "ftp/a-l-un-0.htm"})
    platform::writeFileAtomic(dossier / page, "");
  frame::EntreesMenuDynamique e;
  e.style.Dmenu_fleche = "../secret.gif";
  e.familles = {"Produits", "Li\"vres\\"};
  e.famillesScript = {"Produits", "Li vres\\"};
  e.blocs = {{true, {{"A", "a-un-0.htm", {" un ", "un", "", "deux", "l\"un", "trois"}}, {"B", "", {}}}},
             {true, {{"C", "c-un-0.htm", {"un"}}, {"D", "", {}}}}};
  platform::LineList corps;
  EXPECT_EQ(frame::menuDynamique(e, platform::DataFolder(dossier.path()), corps), "styleTITRE");
  const std::string page = corps.text(), script = platform::readFile(dossier / "ftp/menu_dyn.js");
  // Trimmed, once each, only those with a page; one entry gives no pop-up.
  EXPECT_EQ(page.find("X_styleDD\">un</a>\r\n<a href=\"a-deux-0.htm\" id=\"X_styleDD\">deux</a>\r\n"
                      "<a href=\"a-l-un-0.htm\" id=\"X_styleDD\">l\"un</a>\r\n</DIV>"),
            page.find("X_styleDD\">un</a>"));
  EXPECT_EQ(page.find("id=smenu3"), std::string::npos);
  EXPECT_NE(page.find("montre('smenu4')"), std::string::npos);
  EXPECT_NE(page.find("<A id=\"X_styleDT\">B</A>"), std::string::npos);
  EXPECT_NE(script.find("document.write(\"Li vres\\\\<br>\");"), std::string::npos);
  // A quote in a theme stays inside the script's string.
  EXPECT_NE(script.find("id=\\\"X_styleDD\\\">l\\\"un</a>"), std::string::npos);
  EXPECT_TRUE(platform::listFiles(dossier / "ftp", "menu_fleche*").empty());
  EXPECT_EQ(frame::extensionFleche("Fl4. GIF ") + frame::extensionFleche("FL"), "giffl");
  EXPECT_EQ(platform::LineList::load(dossier / "ftp/menu_dyn_js.js")[0],
            "\tfor (var i = 1; i<=4; i++) {");
}
