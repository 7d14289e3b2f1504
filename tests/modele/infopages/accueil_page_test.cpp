#include "modele/infopages/accueil_page.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/temp_folder.h"

using infopages::EntreesPageAccueil;
using platform::LineList;
using testing_support::TempFolder;

namespace {

EntreesPageAccueil entrees(bool frames) {
  EntreesPageAccueil e;
  infopages::mettreDefautsAccueil(e.options);
  e.frames = frames;
  e.nomB = "Boutique";
  e.parLigne = "3";
  return e;
}

bool contient(const LineList& l, std::initializer_list<std::string> suite) {
  const std::vector<std::string>& v = l.lines();
  return std::search(v.begin(), v.end(), suite.begin(), suite.end()) != v.end();
}

bool a(const LineList& l, const std::string& morceau) {
  return std::any_of(l.begin(), l.end(),
                     [&](const std::string& s) { return s.find(morceau) != std::string::npos; });
}

}  // namespace

TEST(PageAccueil, Layouts_FilesFrameCallsAndFooter) {
  struct Cas {
    bool frames;
    std::string copyE;
    int appelsCadre;
    const char* premiereLigne;
    bool iframe, copyright;
    std::string cache = "";  // accueil_cache: "non" asks browsers not to keep the page
  };
  for (const Cas& c : {Cas{true, "Moi", 1, "<HTML>", false, false, "non"},
                       Cas{false, "Moi", 2, "<HTML>", true, true, "non"},
                       Cas{false, "", 2, "<HTML>", true, false, "oui"}}) {
    SCOPED_TRACE(c.frames);
    TempFolder dossier;
    platform::DataFolder donnees(dossier.path());
    dossier.write("catego.txt", "BARRE\r\n");
    dossier.write("fonds/f.gif", "GIF");
    EntreesPageAccueil e = entrees(c.frames);
    e.image_page = "f.gif";
    e.copyE = c.copyE;
    e.accueil_cache = c.cache;
    int appels = 0;
    infopages::ecrirePageAccueil(e, donnees, [&] {
      ++appels;
      return LineList{"CADRE"};
    });
    EXPECT_EQ(appels, c.appelsCadre);
    const LineList page = LineList::load(dossier.path() / "ftp/accueil2.htm");
    const LineList bas = LineList::load(dossier.path() / "ftp/skinrechbas.txt");
    EXPECT_EQ(page[0], c.premiereLigne);
    EXPECT_EQ(a(page, "reframe()"), c.frames);
    EXPECT_EQ(dossier.exists("ftp/accueil_iframe.htm"), c.iframe);
    EXPECT_EQ(dossier.exists("ftp/skinrech.txt"), c.iframe);
    EXPECT_TRUE(dossier.exists("ftp/accueil.css"));
    EXPECT_TRUE(dossier.exists("ftp/f.gif"));
    EXPECT_EQ(a(page, "&copy; Moi"), c.copyright);
    EXPECT_EQ(contient(page, {"<meta http-equiv=\"cache-control\" content=\"no-cache\">",
                              "<meta http-equiv=\"pragma\" content=\"no-cache\">"}),
              c.cache == "non");
    EXPECT_EQ(a(page, "Tarvio</font></a></center>"), !c.frames);
    EXPECT_TRUE(a(page, "BARRE"));
    EXPECT_EQ(page[page.size() - 1], "</BODY></HTML>");
    if (c.frames) {
      // The search script's lower skin holds the head lines, as it always did.
      EXPECT_EQ(bas[0], "<HTML>");
      EXPECT_EQ(bas[bas.size() - 1], "</HEAD>");
    } else {
      EXPECT_EQ(bas[0], "</td></tr></table>");
      EXPECT_TRUE(contient(page, {"</HEAD>", "CADRE", "<TABLE border=0 width=\"100%\">"}));
      const LineList iframe = LineList::load(dossier.path() / "ftp/accueil_iframe.htm");
      EXPECT_EQ(iframe[0], "<TABLE border=0 width=\"100%\">");
    }
  }
}

TEST(PageAccueil, Showcase_LinksRowsSizesAndBadCount) {
  TempFolder dossier;
  platform::DataFolder donnees(dossier.path());
  dossier.write("listeHTM.tmp", "P1=p1.htm\r\nP2=p2.htm\r\n");
  dossier.write("P1.ref", "image=a.gif\r\nlargeur=150\r\nhauteur=20\r\n");
  dossier.write("P2.ref", "image=b.gif\r\n");
  dossier.write("tmp/P2.npr", "lienS= \r\ntargetS=_top\r\n");
  dossier.write("tmp/P4.npr", "lienS=x.htm?a=\"b\"\r\ntargetS=_blank\r\n");
  dossier.write("P1.acc", "ligne 1\r\n\r\nligne 2\r\n");
  EntreesPageAccueil e = entrees(true);
  e.refs = {"P1", "P2", "P3", "P4", "P5"};
  e.titres = {"Un"};
  e.options.ref_index = "5";
  e.options.promo_largeur = "100";
  e.options.promo_position = "bas";
  e.options.promo_encadrement = "carre";
  infopages::PageAccueil r = infopages::pageAccueil(e, donnees, {});
  const LineList& p = r.page;
  EXPECT_TRUE(a(p, "<A HREF=\"p1.htm\" target=\"_self\">"));
  EXPECT_TRUE(a(p, "<A HREF=\"???\" target=\"_top\">"));  // a blank override
  EXPECT_TRUE(a(p, "<A HREF=\"\" target=\"_self\">"));    // neither index nor override
  EXPECT_TRUE(a(p, "HREF=\"x.htm?a=&quot;b&quot;\" target=\"_blank\""));
  // The first picture widens every box of this run; the second has no size of its own.
  EXPECT_TRUE(a(p, "SRC=\"a.gif\" WIDTH=150 HEIGHT=20 BORDER=0></a><br>"));
  EXPECT_TRUE(a(p, "SRC=\"b.gif\" BORDER=0></a><br>"));
  EXPECT_FALSE(a(p, "width=100"));
  EXPECT_TRUE(contient(p, {"<A HREF=\"p1.htm\" target=\"_self\"><font class=\"texte\">", "ligne 1",
                           "ligne 2", "</font></a><br>"}));
  // Five products, three a row: two rows, the second closed after the last product.
  EXPECT_EQ(std::count(p.begin(), p.end(), "<tr valign=\"top\">"), 3);  // + the outer table
  EXPECT_TRUE(contient(p, {"</td>", "</tr>", "</table>", "</td></tr></table></td>"}));

  e.options.promo_span = "oui";  // the title comes under the picture, not in a box of its own
  const LineList span = infopages::pageAccueil(e, donnees, {}).page;
  EXPECT_FALSE(a(span, "<font class=\"promo\">"));
  EXPECT_TRUE(a(span, "<font class=\"pspan\">&nbsp;"));

  e.options.ref_index = "deux";
  const LineList sans = infopages::pageAccueil(e, donnees, {}).page;
  EXPECT_TRUE(contient(sans, {"<td align=\"center\">", "</td></tr></table></td>"}));
}

TEST(PageAccueil, Column_CellColoursAndSectionContents) {
  EntreesPageAccueil e = entrees(true);
  e.options.espaceYES = "oui";
  e.options.encadrementR = "aucun";
  e.options.trait_rubriques = "T";
  e.options.fond_rubriques = "F";
  e.options.haut_fond_rubriques = "H";
  e.options.largeur_rubriques = "150";
  e.listeRubriques = true;
  infopages::TRubriqueAccueil lien;
  lien.lien = "l.htm";
  lien.puce_rubrique = "p.gif";
  lien.puce_largeur = "8";
  lien.puce_hauteur = "8";
  e.pub2_pub = LineList{"PUB2"};
  e.rubriques = {{"Titre", {}, LineList{"Nos ", "rubriques"}},
                 {"Pub#2", {}, {}},
                 {"espace", lien, {}},
                 {"ESPACE", {}, {}}};
  infopages::PageAccueil r;
  infopages::colonneRubriques(e, r);
  const LineList& p = r.page;
  const std::string px1 = "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=1 BORDER=0></td>";
  const std::string px5 = "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=5 HEIGHT=1 BORDER=0></td>";
  // "aucun": the lines take the fills; each left line keeps what the row above left.
  EXPECT_TRUE(contient(p, {"<tr>", "<td bgcolor=\"H\" width=1 align=\"left\">" + px1,
                           "<td bgcolor=\"H\" width=5>" + px5}));
  EXPECT_TRUE(contient(p, {"<td bgcolor=\"H\" width=5>" + px5, "<td bgcolor=\"F\" width=1>" + px1,
                           "</tr>", "<tr>", "<td bgcolor=\"F\" width=1 align=\"left\">" + px1}));
  EXPECT_EQ(std::count(p.begin(), p.end(), "Nos rubriques</u></span></font><br>"), 1);
  EXPECT_TRUE(contient(p, {"<td bgcolor=\"F\" nowrap align=\"left\" width=150>", "PUB2", "</td>"}));
  // A section named "espace" is no spacer; its link goes round the bullet only, with no text.
  EXPECT_TRUE(contient(p, {"<A HREF=\"l.htm\" target=\"_self\">",
                           "<IMG ALT=\"\" SRC=\"p.gif\" WIDTH=8 HEIGHT=8 BORDER=0 align=\"left\" vspace=2>",
                           "</a>", "</td>"}));
  EXPECT_EQ(std::count(p.begin(), p.end(), "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=6 BORDER=0><br>"), 1);
  EXPECT_EQ(p[p.size() - 3], "<td colspan=5 bgcolor=\"F\">" + px5);

  e.options.espaceYES = "non";
  infopages::PageAccueil vide;
  infopages::colonneRubriques(e, vide);
  EXPECT_EQ(vide.page.lines(), (std::vector<std::string>{"<td valign=\"top\">", "&nbsp;"}));
}

TEST(PageAccueil, FrameKinds_IntroBoxCornersAndColumnEdges) {
  struct Cas {
    const char* cadre;
    const char* ouvertureIntro;
    bool coins;         // the corner tiles of showcase and column are named
    bool ligneColonne;  // the column opens with a one-pixel line row
  };
  for (const Cas& c : {Cas{"rond", "<table border=0 cellspacing=0 cellpadding=0>", true, false},
                       Cas{"carre", "<table border=1 cellspacing=0 cellpadding=0 bordercolor=\"T\"><tr>", false, true},
                       Cas{"aucun", "<table border=0 cellspacing=0 cellpadding=0>", false, true},
                       Cas{"transparent", "<table border=0 cellspacing=0 cellpadding=0>", false, false}}) {
    SCOPED_TRACE(c.cadre);
    TempFolder dossier;
    EntreesPageAccueil e = entrees(true);
    e.options.paccueil_encadrement = c.cadre;
    e.options.paccueil_trait = "T";
    e.options.promo_encadrement = e.options.encadrementR = c.cadre;
    e.options.espaceYES = "oui";
    e.options.ref_index = "1";
    e.refs = {"P1"};
    e.listeRubriques = true;
    e.rubriques = {{"Titre", {}, {}}};
    infopages::PageAccueil r = infopages::pageAccueil(e, platform::DataFolder(dossier.path()), {});
    EXPECT_TRUE(contient(r.page, {"<td align=\"center\" width=\"100%\">", c.ouvertureIntro}));
    EXPECT_EQ(r.images.size(), c.coins ? 8u : 0u);
    EXPECT_EQ(a(r.page, "<td colspan=5 bgcolor="), c.ligneColonne);
  }
}
