#include "modele/pages/vignette_entete.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

using pages::DonneesListe;
using pages::TOptionsArticles;

namespace {

TOptionsArticles options() {
  TOptionsArticles o;
  o.phrase_articles = "articles trouvés";
  o.police_articles = o.police_pages = o.police_rubriques = "Arial";
  o.couleur_articles = "black";
  o.taille_articles = o.taille_pages = "1";
  o.gras_pages = o.rubriquesC = "oui";
  o.phrase_rubriques = "sous-rubriques";
  o.couleur_rubriques = "red";
  o.taille_rubriques = "2";
  o.haligne = "center";
  o.baligne = "right";
  return o;
}

const char kLien1[] =
    "<a href=\"livres-p1.htm\" target=\"_self\"><font face=\"Arial\" color=\"navy\" "
    "size=\"1\"><b>1</b></font></a> ";
const char kCourant2[] = "<font face=\"Arial\" color=\"black\" size=\"1\"><b>2</b></font> ";

}  // namespace

TEST(OptionsArticles, DefaultsWithoutFileAndEmptyValuesForMissingKeys) {
  testing_support::TempFolder dossier;
  platform::DataFolder donnees(dossier.path());
  TOptionsArticles d = pages::chargerOptionsArticles(donnees, "Tahoma");
  EXPECT_EQ(d.phrase_articles, "articles trouvés");
  EXPECT_EQ(d.police_pages, "Tahoma");
  EXPECT_EQ(d.gras_pages, "oui");
  EXPECT_EQ(d.flecheE, "");
  EXPECT_EQ(d.haligne, "center");

  dossier.write("puces/flecha.gif", "GIF89a");
  EXPECT_EQ(pages::chargerOptionsArticles(donnees, "Tahoma").flecheE, "flecha.gif");

  // Once the file exists, a missing key is empty rather than its default.
  dossier.write("articles.ini", "PHRASE_ARTICLES=produits\r\nbaligne=left\r\n");
  TOptionsArticles f = pages::chargerOptionsArticles(donnees, "Tahoma");
  EXPECT_EQ(f.phrase_articles, "produits");
  EXPECT_EQ(f.baligne, "left");
  EXPECT_EQ(f.haligne, "");
  EXPECT_EQ(f.flecheE, "");
  EXPECT_EQ(pages::clesOptionsArticles().size(), 19u);
}

TEST(ListeEntete, CountsPagerAndSubCategoryLine) {
  struct Cas {
    const char* nom;
    DonneesListe d;
    bool avecRubriques;
    bool ecrit;
    std::string rubriques = {}, trouves = {}, pages = {};
  } cas[] = {
      {"one sheet: nothing",
       {"1", "4", std::vector<std::string>{"livres-p1"}, "livres-p1", "navy", false}, true, false},
      {"empty count: nothing", {"", "4", std::nullopt, "x", "navy", false}, true, false},
      {"count not a number: nothing", {"2x", "4", std::nullopt, "x", "navy", false}, true, false},
      {"two pages, second current",
       {" 7 ", "3", std::vector<std::string>{"livres-p1", "livres-p2"}, "livres-p2", "navy", false},
       true, true, "<font face=\"Arial\" color=\"red\" size=\"2\">3 sous-rubriques</font> ",
       "<font face=\"Arial\" size=\"1\" color=\"black\">7 articles trouvés</font>",
       std::string(" <font face=\"Arial\" color=\"black\" size=\"1\"><b>Pages: ") + kLien1 +
           kCourant2 + "</b></font>"},
      {"one page: no pages line, one theme: no sub-category line",
       {"3", "1", std::vector<std::string>{"livres-p1"}, "livres-p1", "navy", false},
       true, true, "", "<font face=\"Arial\" size=\"1\" color=\"black\">3 articles trouvés</font>"},
      {"footer: no sub-category line",
       {"3", "9", std::vector<std::string>{"a", "b"}, "zz", "navy", false},
       false, true, "", "<font face=\"Arial\" size=\"1\" color=\"black\">3 articles trouvés</font>",
       " <font face=\"Arial\" color=\"black\" size=\"1\"><b>Pages: "
       "<a href=\"a.htm\" target=\"_self\"><font face=\"Arial\" color=\"navy\" "
       "size=\"1\"><b>1</b></font></a> "
       "<a href=\"b.htm\" target=\"_self\"><font face=\"Arial\" color=\"navy\" "
       "size=\"1\"><b>2</b></font></a> "
       "</b></font>"},
      {"preview: sample counts, the line keeps the count as read",
       {"1", "", std::nullopt, "p", "green", true},
       true,
       true,
       "<font face=\"Arial\" color=\"red\" size=\"2\"> sous-rubriques</font> ",
       "<font face=\"Arial\" size=\"1\" color=\"black\">5 articles trouvés</font>",
       " <font face=\"Arial\" color=\"black\" size=\"1\"><b>Pages: "
       "<a href=\"xxxxx\" target=\"_self\"><font face=\"Arial\" color=\"green\" "
       "size=\"1\"><b>1</b></font></a> "
       "<font face=\"Arial\" color=\"black\" size=\"1\"><b>2</b></font> "
       "<a href=\"xxxxx\" target=\"_self\"><font face=\"Arial\" color=\"green\" "
       "size=\"1\"><b>3</b></font></a> "
       "<a href=\"xxxxx\" target=\"_self\"><font face=\"Arial\" color=\"green\" "
       "size=\"1\"><b>4</b></font></a> "
       "</b></font>"},
  };
  for (const auto& c : cas) {
    auto l = pages::lignesListe(c.d, options(), c.avecRubriques);
    ASSERT_EQ(l.has_value(), c.ecrit) << c.nom;
    if (!l) continue;
    EXPECT_EQ(l->rubriques, c.rubriques) << c.nom;
    EXPECT_EQ(l->trouves, c.trouves) << c.nom;
    EXPECT_EQ(l->pages, c.pages) << c.nom;
  }
}

TEST(ListeEntete, ArrowAndSwitchesOfTheOptions) {
  TOptionsArticles o = options();
  o.flecheE = " fl.gif ";
  o.gras_rubriques = "oui";
  o.gras_pages = "";
  DonneesListe d{"4", " 2 ", std::nullopt, "p", "navy", false};
  auto l = pages::lignesListe(d, o, true);
  ASSERT_TRUE(l);
  EXPECT_EQ(l->rubriques,
            "<IMG SRC=\"fl.gif\" hspace=4><font face=\"Arial\" color=\"red\" size=\"2\"><b>2 "
            "sous-rubriques</font> </b>");
  o.rubriquesC = "";
  EXPECT_EQ(pages::lignesListe(d, o, true)->rubriques, "");

  o.retour = "oui";
  pages::LignesListe lignes{"R", "T", "P"};
  EXPECT_EQ(pages::lignesEntete(lignes, o),
            (std::vector<std::string>{
                "<table border=0 width=\"100%\"><tr><td align=\"center\">RT<BR>P</td><tr>",
                "<tr><td><IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=4 "
                "BORDER=0></td></tr></table>"}));
  o.retour = "";
  EXPECT_EQ(pages::lignePied(lignes, o),
            "<table border=0 width=\"100%\"><tr><td align=\"right\">TP</td></tr></table>");
}

// The pager built once for a category gives each page the line the page list gives it: the
// current page (every time it is listed, or none) in its own style, names escaped.
TEST(ListeEntete, PagerBuiltOnceGivesEachPageItsOwnLine) {
  const std::vector<std::string> pages{"a", "b&c", "a", "d"};
  const pages::PagerCategorie pager(pages, options(), "navy");
  for (const std::string page : {"a", "b&c", "d", "absente", ""}) {
    DonneesListe parListe{"9", "2", pages, page, "navy", false};
    DonneesListe parPager{"9", "2", std::nullopt, page, "navy", false, &pager};
    auto attendu = pages::lignesListe(parListe, options(), true);
    auto obtenu = pages::lignesListe(parPager, options(), true);
    ASSERT_TRUE(attendu && obtenu) << page;
    EXPECT_EQ(obtenu->pages, attendu->pages) << page;
    EXPECT_EQ(obtenu->trouves, attendu->trouves) << page;
  }
}
