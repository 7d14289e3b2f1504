// The whole-site build from the main window's command: its checks and stops, the two passes over
// the sheets and their work files, the list pages with their cards, side lists and paging, the
// category bar, the change detection, and its cost on a large catalogue.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "app/fiche.h"
#include "app/programme.h"
#include "design/style_principal.h"
#include "pages/data.h"
#include "pages/etiq.h"
#include "pages/marque_construction.h"
#include "platform/files.h"
#include "platform/text.h"
#include "publish/atelier_publication.h"
#include "support/programme_test.h"

namespace {

using Lignes = std::vector<std::string>;
namespace fs = std::filesystem;

std::string crlf(const Lignes& lignes) {
  std::string s;
  for (const auto& l : lignes) s += l + "\r\n";
  return s;
}

// A shop whose site can be built, on its own data folder.
class Boutique {
 public:
  Boutique() {
    for (const char* f : {"menu.opt", "accueil.opt", "cv.opt"}) ecrire(f, {"x=1"});
    ecrire("ident.opt", {"nomE=Boutique"});
  }

  void ecrire(const std::string& nom, const Lignes& lignes) { t.dossier.write(nom, crlf(lignes)); }
  void fiche(const std::string& ref, const std::string& categorie, const std::string& theme,
             const std::string& titre, const std::string& auteur, const Lignes& plus = {}) {
    Lignes l{"categorie=" + categorie, "reference=" + ref, "description=" + titre,
             "auteur=" + auteur,       "prix=10",          "mot_cle=" + theme};
    l.insert(l.end(), plus.begin(), plus.end());
    ecrire(ref + ".ref", l);
  }
  // Livres: Romans (three sheets, two per page) and Poésie (none); Disques: Jazz (one sheet).
  void catalogue() {
    ecrire("categories", {"Livres", "Disques"});
    ecrire("Livres.cto", {"Romans", "Poésie"});
    ecrire("Disques.cto", {"Jazz"});
    fiche("a1", "Livres", "Romans", "Le Rouge", "Stendhal");
    fiche("a2", "Livres", "Romans", "Nana", "Zola");
    fiche("a3", "Livres", "Romans", "Germinal", "Zola");
    fiche("b1", "Disques", "Jazz", "Kind of Blue", "Davis");
  }

  app::Programme& p() {
    if (!t.programme) t.demarrer();
    return t.p();
  }
  // The command as the user runs it.
  void construire() {
    p().main().html.setEnabled(true);
    t.dialogs.clear();
    p().main().html.click();
  }
  std::string lire(const std::string& nom) const { return t.dossier.read(nom); }
  Lignes lignes(const std::string& nom) const {
    return platform::LineList::fromText(lire(nom)).lines();
  }
  bool existe(const std::string& nom) const { return t.dossier.exists(nom); }
  Lignes messages() const { return t.dialogs.messages(); }

  testing_support::ProgrammeDeTest t;
};

// The page with each card's own lines left out: what stays is the page writer's.
Lignes sansCartes(const Lignes& page) {
  Lignes r;
  bool carte = false;
  for (const auto& l : page) {
    if (platform::startsWith(l, "<!--//FIN//")) carte = false;
    if (!carte) r.push_back(l);
    if (platform::startsWith(l, "<!--//DEBUT//")) carte = true;
  }
  return r;
}

const std::string kFleches =
    "<IMG ALT=\"\" SRC=\"fleche.gif\" WIDTH=5 HEIGHT=9 BORDER=0><IMG ALT=\"\" SRC=\"fleche.gif\" WIDTH=5 "
    "HEIGHT=9 BORDER=0>";

TEST(Commande, RefusesWithoutTheSettingsTheSiteNeeds) {
  struct Cas {
    const char* absent;
    const char* message;
  } cas[] = {{"menu.opt", "Le style du menu n'a pas été défini"},
             {"accueil.opt", "La page d'accueil n'a pas été définie"},
             {"cv.opt", "La page des conditions de vente n'a pas été définie"}};
  for (const auto& c : cas) {
    Boutique b;
    b.catalogue();
    b.ecrire("ftp/ancien.htm", {"x"});
    fs::remove(b.t.dossier / c.absent);
    b.construire();
    EXPECT_EQ(b.messages(), Lignes{c.message}) << c.absent;
    EXPECT_TRUE(b.existe("ftp/ancien.htm")) << c.absent;
    EXPECT_FALSE(b.existe("listeHTM.tmp")) << c.absent;
    EXPECT_FALSE(b.p().etiq1().visible());
  }
}

TEST(Construction, WorkFilesListsAndProgressOfASmallCatalogue) {
  Boutique b;
  b.catalogue();
  b.ecrire("tarvio.ini", {"articles_trouves=oui"});
  b.ecrire("ftp/sitemap.xml", {"garde"});
  b.ecrire("ftp/vieux.htm", {"x"});
  b.ecrire("ftp/fonds/f.gif", {"x"});
  b.ecrire("ancien.aut", {"x"});
  b.ecrire("ancien.nth", {"x"});
  b.ecrire("listeHTM.tmp", {"z=z.htm"});
  b.ecrire("fleche.gif", {"GIF"});
  // Listed under Poésie but saved since under Romans; a listed file that is gone.
  b.ecrire("Livres-Poésie", {"a1.ref", "perdu.ref"});
  b.construire();
  EXPECT_EQ(b.messages(), Lignes{});
  EXPECT_FALSE(b.existe("livres-poesie-0.tmp"));
  EXPECT_FALSE(b.existe("Livres-Poésie.nth"));

  EXPECT_EQ(b.lignes("Livres-Romans"), (Lignes{"a1.ref", "a2.ref", "a3.ref"}));
  EXPECT_EQ(b.lignes("Disques-Jazz"), Lignes{"b1.ref"});
  EXPECT_EQ(b.lignes("livres-romans-0.tmp"), (Lignes{"a1", "a2"}));
  EXPECT_EQ(b.lignes("livres-romans-1.tmp"), Lignes{"a3"});
  EXPECT_EQ(b.lignes("disques-jazz-0.tmp"), Lignes{"b1"});
  EXPECT_EQ(b.lignes("Livres-Romans.nth"), (Lignes{"|a1||Le Rouge Stendhal#livres-romans-0.htm",
                                                   "|a2||Nana Zola#livres-romans-0.htm",
                                                   "|a3||Germinal Zola#livres-romans-1.htm"}));
  EXPECT_EQ(b.lignes("zola.aut"),
            (Lignes{"Nana#livres-romans-0.htm", "Germinal#livres-romans-1.htm"}));
  EXPECT_EQ(b.lignes("stendhal.aut"), Lignes{"Le Rouge#livres-romans-0.htm"});
  EXPECT_FALSE(b.existe("ancien.aut"));
  EXPECT_FALSE(b.existe("ancien.nth"));
  EXPECT_EQ(b.lignes("ncto.inc"), (Lignes{"Livres=2", "Disques=1"}));
  EXPECT_EQ(b.lignes("nkat.inc"), (Lignes{"Livres=3", "Disques=1"}));
  EXPECT_EQ(b.lignes("Livres.fic"), (Lignes{"livres-romans-0", "livres-romans-1"}));
  EXPECT_EQ(b.lignes("Disques.fic"), Lignes{"disques-jazz-0"});
  EXPECT_FALSE(b.existe("vig.conf"));
  EXPECT_EQ(b.lignes("listeHTM.tmp"), (Lignes{"a1=livres-romans-0.htm", "a2=livres-romans-0.htm",
                                              "a3=livres-romans-1.htm", "b1=disques-jazz-0.htm"}));
  EXPECT_EQ(b.lignes("transfert.tri"),
            (Lignes{"livres-romans-0", "livres-romans-1", "disques-jazz-0"}));

  // ftp/ emptied but for the site map list, its folders left; the build's images copied.
  EXPECT_EQ(b.lire("ftp/sitemap.xml"), "garde\r\n");
  EXPECT_FALSE(b.existe("ftp/vieux.htm"));
  EXPECT_TRUE(b.existe("ftp/fonds/f.gif"));
  EXPECT_EQ(b.lire("ftp/fleche.gif"), "GIF\r\n");
  for (const char* page : {"livres-romans-0", "livres-romans-1", "disques-jazz-0"}) {
    EXPECT_TRUE(b.existe(std::string("ftp/") + page + ".htm")) << page;
    EXPECT_EQ(b.lire(std::string("tmp/") + page + ".htm"),
              b.lire(std::string("ftp/") + page + ".htm"));
  }

  auto& etiq = b.p().etiq1();
  EXPECT_FALSE(etiq.visible());
  EXPECT_EQ(etiq.caption(), "Traitement 2/2 [b1]");
  EXPECT_EQ(etiq.etiquette.lines().lines(),
            (Lignes{"1.Traitement de b1.ref", "2.Analyse de Disques-Jazz",
                    "3.Construction de la page disques-jazz-0.htm"}));
  EXPECT_EQ(b.p().main().html.cursor(), ui::Cursor::Default);
}

TEST(Construction, ListPageInTheFramesetLayoutByteForByte) {
  Boutique b;
  b.catalogue();
  b.ecrire("frames.inf", {"frames=oui"});
  b.ecrire("tmp/Livres.txt", {"Romans  et ", "poésie \"choisis\""});
  b.construire();
  EXPECT_EQ(
      b.lignes("catego.txt"),
      (Lignes{"<A href=\"accueil2.htm\" target=\"_self\"><noBR><font face=Verdana size=1 "
              "color=\"navy\"><u>Accueil</u></font></noBR></a>&nbsp;",
              "<A href=\"livres-romans-0.htm\" target=\"_self\"><noBR><font face=Verdana size=1 "
              "color=\"navy\"><u>Livres</u></font></noBR></a>&nbsp;",
              "<A href=\"disques-jazz-0.htm\" target=\"_self\"><noBR><font face=Verdana size=1 "
              "color=\"navy\"><u>Disques</u></font></noBR></a>&nbsp;"}));
  Lignes attendu{
      "<HTML>",
      "<HEAD>",
      "<TITLE>Livres Romans</TITLE>",
      "<meta name=\"description\" content=\"Romans  et  poésie &quot;choisis&quot;\">",
      "<meta name=\"robots\" content=\"index, follow, all\">",
      "<STYLE TYPE=\"text/css\">",
      "#fond {background-color: #5A6BA5;}",
      "</STYLE>",
      "<STYLE TYPE=\"text/css\">",
      "<!--",
      "BODY {background: #FFFFFF ;}",
      "// -->",
      "</STYLE>",
      "<script language=\"JavaScript\">",
      "function reframe()",
      "{",
      "if(parent.frames.length <= 1)",
      "{",
      "parent.location.href = \"index2.php?url_principal=livres-romans-1.htm\"",
      "}",
      "}",
      "</script>",
      "</HEAD>",
      "<BODY OnLoad=\"reframe()\" Marginwidth=0 marginheight=0 leftmargin=0 topmargin=8>",
      "<!-- marqueur liste rapide haut -->",
      "<a name=\"haut_page\"></a>",
      "<TABLE border=0 cellpadding=2 cellspacing=0 width=\"100%\">",
      "<TR>",
      "<td colspan=2 nowrap>",
      kFleches,
      "<a href=\"themes_Articles.html\" target=\"_self\"><font face=Verdana size=1><b><u>Voir plan du "
      "site</u></b></font></a>&nbsp;&nbsp;&nbsp;</td>",
      "<td align=\"center\">",
      "<font face=Verdana size=2 color=\"gray\"><b>Livres</b></font>",
      "&nbsp;<font face=Verdana size=2 color=\"black\"><b>Romans</b></font></td>",
      "<td colspan=2>" + kFleches,
      "<a href=\"disques-jazz-0.htm\" target=\"_self\"><font face=\"Verdana\" size=2><b><u>Suite</u></b></font></a>",
      "</td></tr>",
      "<tr valign=\"top\">",
      "<td>",
      "<table border=0 cellspacing=0><tr valign=\"top\">",
      "<td nowrap>",
      "<font ID=\"fond\" face=Verdana color=\"white\" size=2>&nbsp;Livres&nbsp;</font><br>",
      "<A HREF=\"livres-romans-0.htm\" target=\"_self\"><font face=\"Verdana\" size=1><u>Romans</u></font></A><br>",
      "<br>",
      "</td></tr>",
      "</table>",
      "</td>",
      "<td>&nbsp;</td>",
      "<td align=\"center\">",
      "<a name=\"1\"></a>",
      "<!--//DEBUT//a3*Y//DEBUT//-->",
      "<!--//FIN//a3*Y//FIN//-->",
      "</td>",
      "<td>&nbsp;</td>",
      "<td>",
      "<table border=0 cellspacing=0 cellpadding=0>",
      "<tr valign=\"top\">",
      "<td nowrap>",
      "<font ID=\"fond\" face=Verdana color=\"white\" size=2>&nbsp;Romans&nbsp;</font><br>",
      "<font face=Verdana size=1>",
      "<A HREF=\"livres-romans-0.htm\" target=\"_self\"><u>Le Rouge Stendhal</u></A><br>",
      "<A HREF=\"livres-romans-0.htm\" target=\"_self\"><u>Nana Zola</u></A><br>",
      "<A HREF=\"livres-romans-1.htm\" target=\"_self\"><u>Germinal Zola</u></A><br>",
      "</font><br>",
      "</td>",
      "</tr>",
      "</table>",
      "</td>",
      "<tr><td colspan=2>",
      "<td align=\"center\"><a href=\"#haut_page\" target=\"_self\"><font face=\"Verdana\" size=1><i>Haut de "
      "Page</i></font></a>",
      "<td colspan=2></td></td></tr></table>",
      "<center><table border=0 width=\"100%\"><tr><td align=\"center\">"};
  for (const auto& l : b.lignes("catego.txt")) attendu.push_back(l);
  for (const char* l :
       {"</td></tr></table></center>",
        "<center><font face=Verdana size=1 color=\"navy\">&copy; Korvanel</font></center>",
        "</BODY>", "</HTML>"})
    attendu.push_back(l);
  const Lignes page = b.lignes("ftp/livres-romans-1.htm");
  EXPECT_EQ(sansCartes(page), attendu);
  // The card itself is the card writer's vignette.htm, unchanged.
  auto debut = std::find(page.begin(), page.end(), "<!--//DEBUT//a3*Y//DEBUT//-->");
  ASSERT_NE(debut, page.end());
  EXPECT_EQ(*(debut + 1), "<!-- marqueur liste rapide vignette haut standard -->");
}

TEST(Construction, ListPageInTheSinglePageLayoutSitsInThePageFrame) {
  Boutique b;
  b.catalogue();
  b.ecrire("frames.inf", {"frames=non"});
  b.ecrire("ref.ini", {"<p>"});
  b.ecrire("pub3_pub.opt", {"<b>Pub</b>"});
  b.p().main().pubPC.setChecked(true);
  b.p().main().copyE.setText("Ma Boutique");
  b.construire();
  const Lignes page = sansCartes(b.lignes("ftp/disques-jazz-0.htm"));
  const Lignes cadre = b.p().main().skin.lines().lines();
  ASSERT_FALSE(cadre.empty());
  Lignes tete{"<script language=\"JavaScript\">",
              "function getCookie( name )",
              "{",
              "var texte = \"; \" + document.cookie;",
              "var debut = texte.indexOf( \"; \" + name + \"=\" );",
              "\tif( debut == -1 )\treturn null;",
              "debut = debut + name.length + 3;",
              "var fin = texte.indexOf( \";\", debut );",
              "\tif( fin == -1 ) fin = texte.length;",
              "\treturn unescape( texte.substring( debut, fin ) );",
              "}",
              "var track=getCookie(\"track\");",
              "if (track==null || track==\"null\") {track=\"\";}",
              "</script>",
              "</HEAD>"};
  tete.insert(tete.end(), cadre.begin(), cadre.end());
  tete.push_back("<!-- marqueur liste rapide haut -->");
  auto debut = std::search(page.begin(), page.end(), tete.begin(), tete.end());
  EXPECT_NE(debut, page.end());
  // The next page of the last one is the first.
  EXPECT_NE(std::find(page.begin(), page.end(),
                      "<a href=\"livres-romans-0.htm\" target=\"_self\"><font face=\"Verdana\" "
                      "size=2><b><u>Suite</u></b></font></a>"),
            page.end());
  Lignes fin{"<td colspan=2></td></td></tr></table>", "<BR>", "<b>Pub</b>", "</td></tr></table>",
             "<center><table border=0 width=\"100%\"><tr><td align=\"center\">"};
  for (const auto& l : b.lignes("catego.txt")) fin.push_back(l);
  for (
      const char* l :
      {"</td></tr></table></center>", "<center>",
       "<font face=Verdana size=1 color=\"navy\">&copy; Ma Boutique</font>&nbsp;",
       "<a href=\"https://www.tarvio.fr/\"><font face=\"verdana\" size=1 color=\"navy\">Tarvio</font></a>",
       "<a href=\"ref.html\"><font face=\"verdana\" size=1 color=\"gray\">ref.html</a>",
       "</center>", "</BODY>", "</HTML>"})
    fin.push_back(l);
  ASSERT_GE(page.size(), fin.size());
  EXPECT_EQ(Lignes(page.end() - static_cast<long>(fin.size()), page.end()), fin);
  EXPECT_EQ(b.lignes("catego.txt")[0],
            "<A href=\"index.htm\" target=\"_self\"><noBR><font face=Verdana size=1 "
            "color=\"navy\"><u>Accueil</u></font></noBR></a>&nbsp;");
}

TEST(Construction, PagesOfNSheetsNamedWithTheSeparator) {
  struct Cas {
    const char* sepurl;
    const char* stl;  // ref_page of the theme, nullptr: no style file
    Lignes pages;
    Lignes messages;
  } cas[] = {
      {"-", "3", {"livres-romans-0.tmp", "livres-romans-1.tmp", "livres-romans-2.tmp"}, {}},
      {"_", "3", {"livres_romans0.tmp", "livres_romans1.tmp", "livres_romans2.tmp"}, {}},
      {"-",
       nullptr,
       {"livres-romans-0.tmp", "livres-romans-1.tmp", "livres-romans-2.tmp", "livres-romans-3.tmp"},
       {}},
      {"-",
       "trois",
       {"livres-romans-0.tmp", "livres-romans-1.tmp", "livres-romans-2.tmp", "livres-romans-3.tmp"},
       {"Le nombre de produits par page de Livres_Romans.stl (trois) n'est pas un nombre entier : 2 "
        "produits par page sont utilisés"}},
  };
  for (const auto& c : cas) {
    Boutique b;
    b.ecrire("tarvio.ini", {std::string("sepurl=") + c.sepurl});
    b.ecrire("categories", {"Livres"});
    b.ecrire("Livres.cto", {"Romans"});
    if (c.stl)
      b.ecrire("Livres_Romans.stl", {"style_fiche=standard", std::string("ref_page=") + c.stl});
    for (int i = 1; i <= 7; ++i) b.fiche("r" + std::to_string(i), "Livres", "Romans", "T", "");
    b.construire();
    EXPECT_EQ(b.messages(), c.messages) << c.sepurl << c.stl;
    Lignes pages;
    for (const auto& l : b.lignes("listeHTM.tmp")) pages.push_back(l.substr(l.find('=') + 1));
    pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    Lignes attendues;
    for (const auto& p : c.pages) attendues.push_back(p.substr(0, p.find('.')) + ".htm");
    EXPECT_EQ(pages, attendues) << c.sepurl << c.stl;
    if (c.stl && std::string(c.stl) == "3") {
      EXPECT_EQ(b.lignes(c.pages[2]), Lignes{"r7"});
    }
  }
}

TEST(Construction, ThumbnailsTheLastFoundSuffixWinsWithoutRegardToCase) {
  Boutique b;
  b.catalogue();
  b.ecrire("tarvio.ini", {"vig_visual=oui"});
  b.fiche("a1", "Livres", "Romans", "Le Rouge", "Stendhal", {"image=img.jpg"});
  b.ecrire("vignettes/img-v.jpg", {"jpg"});
  b.ecrire("vignettes/IMG-V.GIF", {"gif"});
  b.fiche("a2", "Livres", "Romans", "Nana", "Zola", {"image=sans.jpg"});
  b.construire();
  EXPECT_EQ(b.lignes("vig.conf"), Lignes{"a1=img-v.gif"});
  EXPECT_EQ(b.lire("ftp/img-v.gif"), "gif\r\n");
  EXPECT_EQ(b.lignes("Livres-Romans.nth")[0],
            "img-v.gif]|a1||Le Rouge Stendhal#livres-romans-0.htm");
  const Lignes page = b.lignes("ftp/livres-romans-0.htm");
  EXPECT_NE(
      std::find(
          page.begin(), page.end(),
          "<A HREF=\"livres-romans-0.htm\" target=\"_self\" onmouseover=\"cache();voir('roll','img-v.gif','non');\" "
          "onmouseout=\"cache();\"><u>Le Rouge Stendhal</u></A><br>"),
      page.end());
  EXPECT_NE(
      std::find(page.begin(), page.end(),
                "<div id=\"menu1\" style=\"position:absolute; z-index:2; visibility:hidden;\"><img "
                "src=\"pix1x1.gif\" name=\"roll\" border=\"1\"></div>"),
      page.end());
  EXPECT_NE(
      std::find(page.begin(), page.end(), "calque.top = (coory - 10 + document.body.scrollTop);"),
      page.end());

  // The next build writes vig.conf again only when a thumbnail is found.
  fs::remove(b.t.dossier / "vignettes/img-v.jpg");
  fs::remove(b.t.dossier / "vignettes/IMG-V.GIF");
  b.construire();
  EXPECT_FALSE(b.existe("vig.conf"));
}

TEST(Construction, SideListLinksMarksAndPromotionTitles) {
  Boutique b;
  b.catalogue();
  b.ecrire("styleP", {"liens_internes=oui", "couleur_liens=#00FF00"});
  b.ecrire("newprod.ini", {"puce=neuf.gif"});
  b.ecrire("newprodrefs.new", {" a2 ", ""});
  b.fiche("a1", "Livres", "Romans", "Le Rouge", "Stendhal", {"puce_image= rond.gif "});
  // An empty title marks nothing; titles match as prefixes, ignoring case and the weight group.
  b.ecrire("promo_titres.ini", {"gras=oui", "size= ", "couleur=red"});
  b.ecrire("promo_titres.prx", {"", "(w:2)germ", "Germinal Zola et plus"});
  b.construire();
  const Lignes page = b.lignes("ftp/livres-romans-0.htm");
  const Lignes attendu{
      "<A HREF=\"livres-romans-0.htm#1\" target=\"_self\"><IMG SRC=\"rond.gif\" border=0><font "
      "color=\"#00FF00\"><u>Le Rouge Stendhal</u></font></A><br>",
      "<A HREF=\"livres-romans-0.htm#2\" target=\"_self\"><IMG SRC=\"neuf.gif\" border=0><font "
      "color=\"#00FF00\"><u>Nana Zola</u></font></A><br>",
      "<A HREF=\"livres-romans-1.htm#1\" target=\"_self\"><font face=\"Verdana\" color=\"red\" "
      "size=\"1\"><b><u>Germinal Zola</u></b></font></A><br>"};
  auto debut = std::search(page.begin(), page.end(), attendu.begin(), attendu.end());
  EXPECT_NE(debut, page.end());
}

TEST(Construction, TableLayoutOnTheLeftTurnsThemeFirstForThisBuildOnly) {
  Boutique b;
  b.catalogue();
  // Livres has two themes with sheets, Disques one.
  b.fiche("a4", "Livres", "Poésie", "Alcools", "Apollinaire");
  b.ecrire("tarvio.ini", {"menu_titres=gauche"});
  b.construire();
  EXPECT_EQ(b.p().main().options.options.theme_enpremier, "");
  const std::string premier = b.lire("ftp/disques-jazz-0.htm");
  const Lignes page = b.lignes("ftp/disques-jazz-0.htm");
  // One theme only in Disques: the theme list gives way to the side list.
  EXPECT_NE(std::find(page.begin(), page.end(), "<td colspan=2 align=\"center\">"), page.end());
  EXPECT_EQ(
      std::find(page.begin(), page.end(), "<table border=0 cellspacing=0><tr valign=\"top\">"),
      page.end());
  b.construire();
  EXPECT_EQ(b.lire("ftp/disques-jazz-0.htm"), premier);
  EXPECT_EQ(b.lignes("transfert.tri"), Lignes{});
}

TEST(Construction, ChangedPagesAreThoseWhoseTextDiffers) {
  Boutique b;
  b.catalogue();
  b.construire();
  EXPECT_EQ(b.lignes("transfert.tri").size(), 3u);
  b.construire();
  EXPECT_EQ(b.lignes("transfert.tri"), Lignes{});
  // The title shows in its card and in the side list of every page of its theme.
  b.fiche("a3", "Livres", "Romans", "Germinal II", "Zola");
  b.construire();
  EXPECT_EQ(b.lignes("transfert.tri"), (Lignes{"livres-romans-0", "livres-romans-1"}));
}

TEST(Construction, CategoryBarFollowsTheBarOptions) {
  struct Cas {
    Lignes tarvio;
    std::string ligne;  // the home link, "" for no catego.txt
    bool sansBarre = false;
  } cas[] = {
      {{"cartouche_souligne=non"},
       "<A href=\"accueil2.htm\" target=\"_self\"><noBR><font face=Verdana size=1 color=\"navy\"><SPAN "
       "STYLE=\"text-decoration: none;\">Accueil</SPAN></font></noBR></a>&nbsp;"},
      {{"cartouche_fond=#EEEEEE", "cartouche_taille=2", "cartouche_couleur=red"},
       "<A href=\"accueil2.htm\" target=\"_self\"><noBR><font face=Verdana size=2 color=\"red\"><SPAN "
       "STYLE=\"background-color: #EEEEEE; \"><u>Accueil</u></SPAN></font></noBR></a>&nbsp;"},
      {{"cartouche_fond=#EEEEEE", "cartouche_souligne=non"},
       "<A href=\"accueil2.htm\" target=\"_self\"><noBR><font face=Verdana size=1 color=\"navy\"><SPAN "
       "STYLE=\"background-color: #EEEEEE; text-decoration: none;\">Accueil</SPAN></font></noBR></a>&nbsp;"},
      {{}, "", true},
  };
  for (const auto& c : cas) {
    Boutique b;
    b.catalogue();
    b.ecrire("tarvio.ini", c.tarvio);
    b.ecrire("catego.txt", {"ancien"});
    if (c.sansBarre) b.ecrire("styleP", {"menubp_c=non"});
    b.construire();
    if (c.sansBarre) {
      EXPECT_FALSE(b.existe("catego.txt"));
      const std::string page = b.lire("ftp/livres-romans-0.htm");
      EXPECT_EQ(page.find("<center><table border=0 width=\"100%\">"), std::string::npos);
      continue;
    }
    ASSERT_EQ(b.lignes("catego.txt").size(), 3u);
    EXPECT_EQ(b.lignes("catego.txt")[0], c.ligne);
  }
}

// The line of a page that begins with debut, "" when none.
std::string ligneDebutant(const Lignes& page, const std::string& debut) {
  for (const auto& l : page)
    if (platform::startsWith(l, debut)) return l;
  return "";
}

TEST(Construction, TitleAndBackgroundOfTheHead) {
  struct Cas {
    const char* nom;
    std::vector<std::pair<std::string, Lignes>> fichiers;
    const char* page;
    const char* titre;
    const char* fond;  // the BODY background line, "" for none
  } cas[] = {
      {"plain",
       {},
       "livres-romans-0",
       "<TITLE>Livres Romans</TITLE>",
       "BODY {background: #FFFFFF ;}"},
      {"theme first",
       {{"tarvio.ini", {"titleinv=oui"}}},
       "livres-romans-0",
       "<TITLE>Romans Livres</TITLE>",
       "BODY {background: #FFFFFF ;}"},
      // Two filled lines: page 1 of 0..2 takes line 1; lines are counted with the empty one.
      {"extra word",
       {{"titre.inf", {"", " Promo ", "Soldes"}}},
       "livres-romans-1",
       "<TITLE>Livres Romans Promo</TITLE>",
       "BODY {background: #FFFFFF ;}"},
      {"extra empty line",
       {{"titre.inf", {"", " Promo ", "Soldes"}}},
       "livres-romans-0",
       "<TITLE>Livres Romans</TITLE>",
       "BODY {background: #FFFFFF ;}"},
      {"extra last page",
       {{"titre.inf", {"", " Promo ", "Soldes"}}},
       "disques-jazz-0",
       "<TITLE>Disques Jazz Promo</TITLE>",
       "BODY {background: #FFFFFF ;}"},
      {"extra first",
       {{"titre.inf", {"Extra"}}, {"tarvio.ini", {"suppinv=oui"}}},
       "livres-romans-1",
       "<TITLE>Extra Livres Romans</TITLE>",
       "BODY {background: #FFFFFF ;}"},
      {"extra nowhere",
       {{"titre.inf", {"Extra"}}, {"tarvio.ini", {"suppinv=non"}}},
       "livres-romans-1",
       "<TITLE>Livres Romans</TITLE>",
       "BODY {background: #FFFFFF ;}"},
      // The last sheet of page 0 is a2.
      {"sheet title",
       {{"a2.inf", {" Mon ", "", "titre "}}},
       "livres-romans-0",
       "<TITLE>Mon titre</TITLE>",
       "BODY {background: #FFFFFF ;}"},
      {"shop title",
       {{"a2.inf", {"Mon titre"}}, {"titres.inf", {"Pour tous"}}},
       "livres-romans-0",
       "<TITLE>Pour tous</TITLE>",
       "BODY {background: #FFFFFF ;}"},
      {"category image",
       {{"tmp/Livres.fnd", {"image_page= bois.jpg "}}, {"fonds/bois.jpg", {"jpg"}}},
       "livres-romans-0",
       "<TITLE>Livres Romans</TITLE>",
       "BODY {background: #FFFFFF url(bois.jpg) ;}"},
      {"category colour",
       {{"tmp/Livres.fnd", {"fond_page=#000000", "image_page=bois.jpg", "fixe_page=oui"}}},
       "livres-romans-0",
       "<TITLE>Livres Romans</TITLE>",
       "BODY {background: #000000 fixed;}"},
      {"site image",
       {{"styleP", {"image_page=mur.gif", "fixe_page=oui"}}, {"fonds/mur.gif", {"gif"}}},
       "disques-jazz-0",
       "<TITLE>Disques Jazz</TITLE>",
       "BODY {background: url(mur.gif) fixed;}"},
  };
  for (const auto& c : cas) {
    Boutique b;
    b.catalogue();
    b.ecrire("frames.inf", {"frames=oui"});
    for (const auto& [nom, lignes] : c.fichiers) b.ecrire(nom, lignes);
    b.construire();
    const Lignes page = b.lignes(std::string("ftp/") + c.page + ".htm");
    EXPECT_EQ(ligneDebutant(page, "<TITLE>"), c.titre) << c.nom;
    EXPECT_EQ(ligneDebutant(page, "BODY {background"), c.fond) << c.nom;
  }
  Boutique b;
  b.catalogue();
  b.ecrire("tmp/Livres.fnd", {"image_page=bois.jpg"});
  b.ecrire("fonds/bois.jpg", {"jpg"});
  b.ecrire("tarvio.ini", {"coul_scroll=#123456"});
  b.construire();
  const Lignes page = b.lignes("ftp/livres-romans-0.htm");
  const Lignes defilement{"<STYLE TYPE=\"text/css\">", "<!--",
                          "BODY {scrollbar-base-color: #123456;}", "// -->", "</STYLE>"};
  EXPECT_NE(std::search(page.begin(), page.end(), defilement.begin(), defilement.end()),
            page.end());
  EXPECT_EQ(b.lire("ftp/bois.jpg"), "jpg\r\n");
}

TEST(Construction, CategoryTextsBesideTheLists) {
  Boutique b;
  b.catalogue();
  b.ecrire("livres.txt", {"<i>gauche</i>"});
  b.ecrire("livresd.txt", {"<i>droite</i>"});
  b.construire();
  const Lignes page = b.lignes("ftp/livres-romans-0.htm");
  const Lignes gauche{"</td></tr>", "<tr><td>", "<i>gauche</i>", "</td></tr>", "</table>", "</td>"};
  EXPECT_NE(std::search(page.begin(), page.end(), gauche.begin(), gauche.end()), page.end());
  const Lignes droite{"</font><br>", "</td>",    "</tr>", "<tr><td>",          "<i>droite</i>",
                      "</td></tr>",  "</table>", "</td>", "<tr><td colspan=2>"};
  EXPECT_NE(std::search(page.begin(), page.end(), droite.begin(), droite.end()), page.end());
  EXPECT_EQ(b.lire("ftp/disques-jazz-0.htm").find("gauche"), std::string::npos);
}

TEST(Construction, NewProductsPagesAreTemplatesWithTheirMarker) {
  {
    Boutique b;
    b.catalogue();
    b.ecrire("newprod.ini", {"col=3"});
    b.ecrire("categories", {"Livres", "Disques", "Nouveautés"});
    b.ecrire("Nouveautés.cto", {"Vitrine"});
    b.fiche("newprod", "Nouveautés", "Vitrine", "Nouveautés", "");
    b.construire();
    EXPECT_EQ(b.messages(), Lignes{});
    const Lignes page = b.lignes("ftp/NEWPROD.htm");
    EXPECT_EQ(b.lignes("tmp/NEWPROD.htm"), page);
    EXPECT_FALSE(b.existe("ftp/nouveautes-vitrine-0.htm"));
    EXPECT_NE(std::find(page.begin(), page.end(), "***  NEWPROD=nouveautes-vitrine-0.tmp"),
              page.end());
    EXPECT_EQ(std::find(page.begin(), page.end(), "<a name=\"haut_page\"></a>"), page.end());
    EXPECT_EQ(b.lignes("listeHTM.tmp").back(), "newprod=nouveautes-vitrine-0.htm");
    EXPECT_EQ(b.lignes("transfert.tri").back(), "NEWPROD");
  }
  {
    Boutique b;
    b.catalogue();
    b.ecrire("newprod.ini", {"multi= listes.txt "});
    b.ecrire("listes.txt", {" jouets ", "livres"});
    b.ecrire("categories", {"Livres", "Disques", "Jeux"});
    b.ecrire("Jeux.cto", {"Vitrine"});
    b.fiche("jouets", "Jeux", "Vitrine", "Jouets", "");
    b.construire();
    const Lignes page = b.lignes("ftp/jouetsNEWPROD.htm");
    EXPECT_NE(std::find(page.begin(), page.end(), "***  jouets=jeux-vitrine-0.tmp"), page.end());
    EXPECT_EQ(b.p().data1().multiL.items(), (Lignes{"jouets", "livres"}));
    EXPECT_TRUE(b.existe("ftp/livres-romans-0.htm"));
  }
}

// What the second pass hands to the index pages: authors once each (as typed on their first
// sheet, one .aut file for names alike but for case), titles without their weight group, the
// theme index with the category's length (its theme key trimmed, or as read for the site plan),
// the product index in card order.
TEST(Construction, ListsHandedToTheIndexPages) {
  Boutique b;
  b.catalogue();
  b.fiche("a3", "Livres", "Romans", "(w:1) Germinal", "ZOLA");
  b.ecrire("Livres-Romans", {"a1.ref", "a2.ref", "a3.ref"});
  b.ecrire("Disques-Jazz", {"b1.ref"});
  app::Programme& p = b.p();
  pages::Construction c(p.donnees().root());
  c.options = p.main().options.options;
  c.sep = c.options.separateur();
  // A theme line ending in a blank names the same order list as without it.
  c.listeThemes = {"Livres-Romans ", "Livres-Poésie", "Disques-Jazz"};
  p.data1().analyserFiches(c);

  EXPECT_EQ(c.listeAuteurs, (Lignes{"Davis", "Stendhal", "Zola"}));
  EXPECT_EQ(c.listeObjets, (Lignes{"Germinal ZOLA#livres-romans-1.htm",
                                   "Kind of Blue Davis#disques-jazz-0.htm",
                                   "Le Rouge Stendhal#livres-romans-0.htm",
                                   "Nana Zola#livres-romans-0.htm"}));
  EXPECT_EQ(b.lignes("zola.aut"),
            (Lignes{"Nana#livres-romans-0.htm", "Germinal#livres-romans-1.htm"}));
  EXPECT_EQ(c.indexThemes,
            (Lignes{"6_Livres-Romans#livres-romans-0.htm", "7_Disques-Jazz#disques-jazz-0.htm"}));
  EXPECT_EQ(c.indexThemesPages, (Lignes{"6_Livres-Romans #livres-romans-0.htm",
                                        "7_Disques-Jazz#disques-jazz-0.htm"}));
  EXPECT_EQ(b.lignes("Livres-Romans.nth").size(), 3u);
  EXPECT_EQ(c.indexPagesProduits,
            (Lignes{"a1=livres-romans-0.htm", "a2=livres-romans-0.htm", "a3=livres-romans-1.htm",
                    "b1=disques-jazz-0.htm"}));
}

TEST(Arret, UnlistedThemeStopsWithErreur1AndLeavesThePublishedSite) {
  Boutique b;
  b.catalogue();
  b.ecrire("ref.ini", {"x"});
  b.fiche("c9", "Livres", "Inconnu", "Perdu", "");
  b.ecrire("ftp/ancien.htm", {"x"});
  b.ecrire("listeHTM.tmp", {"z=ancien.htm"});
  b.p().main().catalC.setChecked(true);
  b.construire();
  EXPECT_EQ(
      b.messages(),
      (Lignes{"Erreur sur c9.ref de Livres-Inconnu : fiche à enregistrer de nouveau", "ERREUR 1"}));
  EXPECT_TRUE(b.existe("ftp/ancien.htm"));
  EXPECT_EQ(b.lignes("listeHTM.tmp"), Lignes{"z=ancien.htm"});
  EXPECT_FALSE(b.existe("catalogue"));
  // The sheets met before the stop are in their theme's list, as they would be sheet by sheet.
  EXPECT_EQ(b.lignes("Livres-Romans"), (Lignes{"a1.ref", "a2.ref", "a3.ref"}));
  EXPECT_FALSE(b.p().etiq1().visible());
  EXPECT_FALSE(b.p().data1().enCours());
}

TEST(Arret, SheetOrderListMovedToTheDashNameOrFailedRenameStops) {
  {
    Boutique b;
    b.catalogue();
    b.ecrire("Livres_Romans", {"a3.ref", "a1.ref"});
    b.construire();
    EXPECT_EQ(b.messages(), Lignes{});
    EXPECT_FALSE(b.existe("Livres_Romans"));
    EXPECT_EQ(b.lignes("Livres-Romans"), (Lignes{"a3.ref", "a1.ref", "a2.ref"}));
    EXPECT_EQ(b.lignes("livres-romans-0.tmp"), (Lignes{"a3", "a1"}));
  }
  {
    Boutique b;
    b.catalogue();
    b.ecrire("Livres_Romans", {"a3.ref"});
    b.ecrire("Livres-Romans", {"a2.ref"});
    b.construire();
    EXPECT_EQ(b.lignes("Livres_Romans"), Lignes{"a3.ref"});
    EXPECT_EQ(b.lignes("Livres-Romans"), (Lignes{"a2.ref", "a1.ref", "a3.ref"}));
  }
  {
    Boutique b;
    b.catalogue();
    b.ecrire("Livres_Romans", {"a1.ref"});
    fs::create_directories(b.t.dossier / "Livres-Romans");  // in the way of the rename
    b.ecrire("ftp/ancien.htm", {"x"});
    b.ecrire("listeHTM.tmp", {"z=ancien.htm"});
    b.construire();
    EXPECT_EQ(b.messages(), Lignes{"Erreur pour renommer fichier Livres_Romans Livres-Romans"});
    EXPECT_TRUE(b.existe("ftp/ancien.htm"));
    EXPECT_EQ(b.lignes("listeHTM.tmp"), Lignes{"z=ancien.htm"});
    EXPECT_TRUE(b.t.shell.opened.empty());
  }
}

TEST(Arret, NoCategoriesOrNoPageSavesAnEmptyIndex) {
  {
    Boutique b;
    b.ecrire("listeHTM.tmp", {"z=ancien.htm"});
    b.construire();
    EXPECT_EQ(b.messages(), Lignes{});
    EXPECT_EQ(b.lire("listeHTM.tmp"), "");
    EXPECT_EQ(b.p().main().siteConstruit, 0);  // taken by the preview
  }
  Boutique b;
  b.ecrire("categories", {"Livres"});
  b.ecrire("Livres.cto", {"Romans"});
  b.construire();
  EXPECT_EQ(b.messages(), Lignes{"Construction impossible"});
  EXPECT_EQ(b.lire("listeHTM.tmp"), "");
}

TEST(Arret, MissingSheetOfAWorkFileKeepsTheLineNumbers) {
  Boutique b;
  b.catalogue();
  // The sheet's reference names no sheet file: its line gives no card but keeps its number.
  b.t.dossier.write("a1.ref", crlf({"categorie=Livres", "reference=zz", "description=Le Rouge",
                                    "mot_cle=Romans"}));
  b.construire();
  const Lignes page = b.lignes("ftp/livres-romans-0.htm");
  EXPECT_EQ(std::find(page.begin(), page.end(), "<a name=\"1\"></a>"), page.end());
  auto ancre = std::find(page.begin(), page.end(), "<a name=\"2\"></a>");
  ASSERT_NE(ancre, page.end());
  EXPECT_EQ(*(ancre + 1), "<!--//DEBUT//a2*N//DEBUT//-->");
  EXPECT_EQ(b.lignes("listeHTM.tmp")[0], "a2=livres-romans-0.htm");
}

TEST(Arret, SheetWithoutThemeTakesNothingFromTheSheetBefore) {
  Boutique b;
  b.catalogue();
  b.t.dossier.write("a9.ref", crlf({"categorie=Livres", "reference=a9", "description=Sans thème"}));
  b.construire();
  EXPECT_EQ(b.messages(),
            (Lignes{"Erreur sur a9.ref de Livres- : fiche à enregistrer de nouveau", "ERREUR 1"}));
  EXPECT_EQ(b.lignes("Livres-Romans"), (Lignes{"a1.ref", "a2.ref", "a3.ref"}));
}

TEST(Construction, TheOpenSheetIsLeftAsTheEditorHoldsIt) {
  Boutique b;
  b.catalogue();
  b.fiche("a1", "Livres", "Romans", "Le Rouge", "Stendhal",
          {"titres=Chapitre 1", "titres=Chapitre 2", "mes_tailles=oui"});
  b.ecrire("a1tailles.txt", {"S", "M"});
  auto& main = b.p().main();
  main.liste_fiches.setDirectory(b.t.dossier.path());
  main.liste_fiches.clickItem(main.liste_fiches.indexOf("a1.ref"));
  main.sauver.setEnabled(false);  // nothing left to save
  const app::TFicheProduit avant = main.fiche;
  const Lignes titres = main.chants.lines().lines(), tailles = main.taillesM.lines().lines();
  ASSERT_EQ(titres, (Lignes{"Chapitre 1", "Chapitre 2"}));
  b.construire();
  EXPECT_EQ(b.messages(), Lignes{});
  EXPECT_TRUE(main.fiche == avant);
  EXPECT_EQ(main.chants.lines().lines(), titres);
  EXPECT_EQ(main.taillesM.lines().lines(), tailles);
  EXPECT_EQ(main.referencer.text(), "a1");
}

TEST(HorsLigne, CopiesTheSiteIntoCatalogue) {
  {
    Boutique b;
    b.catalogue();
    b.p().main().catalC.setChecked(true);
    b.construire();
    EXPECT_EQ(b.lire("catalogue/disques-jazz-0.htm"), b.lire("ftp/disques-jazz-0.htm"));
  }
  Boutique b;
  b.catalogue();
  b.ecrire("catalogue/vieux.htm", {"x"});
  b.p().main().catalC.setChecked(true);
  b.construire();
  EXPECT_EQ(
      b.messages(),
      Lignes{"La construction du catalogue hors ligne est terminée. Vous pouvez maintenant quitter "
             "le programme et recopier tous les fichiers du répertoire \"catalogue\" sur un CD"});
  EXPECT_FALSE(b.existe("catalogue/vieux.htm"));
  EXPECT_EQ(b.lire("catalogue/livres-romans-0.htm"), b.lire("ftp/livres-romans-0.htm"));
}

TEST(Publication, NoBuildWhileAnUploadRuns) {
  publish::test::Atelier a(true, 2 * 1024 * 1024);
  a.ecrire("ftp/a.htm", std::string(300000, 'a'));
  a.ecrire("categories", "Livres\r\n");
  a.ecrire("Livres.cto", "Romans\r\n");
  a.ecrire("a1.ref", "categorie=Livres\r\nreference=a1\r\nmot_cle=Romans\r\n");
  a.demarrer();
  a.sitePubliable();
  a.compte();
  a.lancer();
  int attentes = 0;
  a.pendantAttente = [&] {
    if (attentes++ != 0) return;
    a.main().html.setEnabled(true);
    a.main().html.click();
  };
  a.dialogs.clear();
  a.fenetre().goftp.click();
  EXPECT_GT(attentes, 0);
  EXPECT_EQ(
      a.dialogs.messages(),
      (Lignes{
          "Une publication est en cours : attendez la fin du transfert avant de construire le site.",
          "Le transfert est terminé"}));
  EXPECT_TRUE(a.existe("ftp/a.htm"));
  EXPECT_FALSE(a.existe("listeHTM.tmp"));
  EXPECT_FALSE(a.existe("Livres-Romans"));
}

// Every sheet is read once per pass and every page is assembled from lists kept per build, so
// a catalogue of a few thousand sheets builds in seconds.
TEST(Cout, ThreeThousandSheetsInLinearTime) {
  Boutique b;
  b.ecrire("tarvio.ini", {"articles_trouves=oui", "vig_visual=oui"});
  std::string categories;
  for (int c = 0; c < 10; ++c) {
    const std::string cat = "Cat" + std::to_string(c);
    categories += cat + "\r\n";
    std::string themes;
    for (int th = 0; th < 10; ++th) {
      const std::string theme = "Theme" + std::to_string(th);
      themes += theme + "\r\n";
      for (int s = 0; s < 30; ++s) {
        const std::string ref =
            std::to_string(c) + "_" + std::to_string(th) + "_" + std::to_string(s);
        b.t.dossier.write(ref + ".ref",
                          crlf({"categorie=" + cat, "reference=" + ref, "description=Titre " + ref,
                                "auteur=Auteur " + std::to_string(s), "mot_cle=" + theme,
                                "image=" + ref + ".jpg"}));
      }
    }
    b.t.dossier.write(cat + ".cto", themes);
  }
  b.t.dossier.write("categories", categories);
  b.p();
  const auto debut = std::chrono::steady_clock::now();
  b.construire();
  const auto duree = std::chrono::steady_clock::now() - debut;
  EXPECT_EQ(b.messages(), Lignes{});
  EXPECT_EQ(b.lignes("Cat9-Theme9.nth").size(), 30u);
  EXPECT_EQ(b.lignes("cat9-theme9-14.tmp"), (Lignes{"9_9_8", "9_9_9"}));
  EXPECT_EQ(b.lignes("listeHTM.tmp").size(), 3000u);
  EXPECT_NE(b.lire("ftp/cat9-theme9-14.htm").find("<!--//FIN//9_9_9*Y//FIN//-->"), std::string::npos);
  EXPECT_LT(std::chrono::duration_cast<std::chrono::seconds>(duree).count(), 20);
}

}  // namespace

TEST(Arret, ABuildCutShortKeepsItsMarkUntilABuildEnds) {
  Boutique b;
  b.catalogue();
  b.p();
  // A build whose folder for pages cannot be written stops halfway through its passes.
  b.ecrire("ftp", {"un fichier, pas un dossier"});
  EXPECT_THROW(b.p().data1().construireSite(), platform::FileError);
  EXPECT_TRUE(pages::constructionInachevee(b.p().donnees()));
  fs::remove(b.t.dossier / "ftp");

  // A stop told before the passes leaves the site as it was: still half-emptied by the build
  // cut short, whole once a build has ended.
  b.fiche("c9", "Livres", "Inconnu", "Perdu", "");
  b.construire();
  EXPECT_TRUE(pages::constructionInachevee(b.p().donnees()));
  fs::remove(b.t.dossier / "c9.ref");
  b.construire();
  EXPECT_FALSE(pages::constructionInachevee(b.p().donnees()));
  b.fiche("c9", "Livres", "Inconnu", "Perdu", "");
  b.construire();
  EXPECT_FALSE(pages::constructionInachevee(b.p().donnees()));
  fs::remove(b.t.dossier / "c9.ref");
  b.ecrire("tmp/construction.en_cours", {});
  b.construire();
  EXPECT_FALSE(pages::constructionInachevee(b.p().donnees()));
}

TEST(Construction, EmptyingFtpDropsTemporariesOfKilledWrites) {
  Boutique b;
  b.catalogue();
  b.p();
  b.t.dossier.write("ftp/.index.htm.tmp17", "moitié");  // after the start-up's own clean-up
  b.construire();
  EXPECT_FALSE(b.existe("ftp/.index.htm.tmp17"));
}
