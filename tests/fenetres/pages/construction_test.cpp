// The whole-site build from the main window's command: its checks and stops, the two passes over
// the sheets and their work files, the list pages with their cards, side lists and paging, the
// category bar, the change detection, and its cost on a large catalogue.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <filesystem>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/frame/voir_menu.h"
#include "fenetres/pages/data.h"
#include "fenetres/pages/etiq.h"
#include "fenetres/pages/marque_construction.h"
#include "fenetres/publish/atelier_publication.h"
#include "platform/files.h"
#include "platform/text.h"
#include "support/folder_listings.h"
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

// The page holds these lines one after the other.
bool contient(const Lignes& page, const Lignes& bloc) {
  return std::search(page.begin(), page.end(), bloc.begin(), bloc.end()) != page.end();
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

TEST(Construction, ListPageInTheFramesetLayout) {
  Boutique b;
  b.catalogue();
  b.ecrire("frames.inf", {"frames=oui"});
  b.ecrire("tmp/Livres.txt", {"Romans  et ", "poésie \"choisis\""});
  b.construire();
  const Lignes barre = b.lignes("catego.txt");
  ASSERT_EQ(barre.size(), 3u);
  EXPECT_EQ(barre[1],
            "<A href=\"livres-romans-0.htm\" target=\"_self\"><noBR><font face=Verdana size=1 "
            "color=\"navy\"><u>Livres</u></font></noBR></a>&nbsp;");
  const Lignes page = sansCartes(b.lignes("ftp/livres-romans-1.htm"));
  for (const Lignes& bloc : std::vector<Lignes>{
           {"<HTML>", "<HEAD>",
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">",
            "<TITLE>Livres Romans</TITLE>",
            "<meta name=\"description\" content=\"Romans  et  poésie &quot;choisis&quot;\">"},
           {"parent.location.href = \"index2.php?url_principal=livres-romans-1.htm\""},
           {"<font face=Verdana size=2 color=\"gray\"><b>Livres</b></font>",
            "&nbsp;<font face=Verdana size=2 color=\"black\"><b>Romans</b></font></td>",
            "<td colspan=2>" + kFleches,
            "<a href=\"disques-jazz-0.htm\" target=\"_self\"><font face=\"Verdana\" "
            "size=2><b><u>Suite</u></b></font></a>"},
           {"<A HREF=\"livres-romans-0.htm\" target=\"_self\"><font face=\"Verdana\" "
            "size=1><u>Romans</u></font></A><br>"},
           {"<a name=\"1\"></a>", "<!--//DEBUT//a3*Y//DEBUT//-->", "<!--//FIN//a3*Y//FIN//-->"},
           {"<A HREF=\"livres-romans-0.htm\" target=\"_self\"><u>Nana Zola</u></A><br>",
            "<A HREF=\"livres-romans-1.htm\" target=\"_self\"><u>Germinal Zola</u></A><br>"},
           {"<center><table border=0 width=\"100%\"><tr><td align=\"center\">", barre[0], barre[1],
            barre[2], "</td></tr></table></center>",
            "<center><font face=Verdana size=1 color=\"navy\">&copy; Korvanel</font></center>",
            "</BODY>", "</HTML>"}})
    EXPECT_TRUE(contient(page, bloc)) << bloc[0];
  // The card itself is the card writer's vignette.htm, unchanged.
  const Lignes complete = b.lignes("ftp/livres-romans-1.htm");
  EXPECT_TRUE(contient(complete, {"<!--//DEBUT//a3*Y//DEBUT//-->",
                                  "<!-- marqueur liste rapide vignette haut standard -->"}));
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
              "var debut = document.cookie.indexOf( name );",
              "\tif( debut == -1 )\treturn null;",
              "var fin = document.cookie.indexOf( \";\", debut+name.length+1 );",
              "\tif( fin == -1 ) fin = document.cookie.length;",
              "\treturn unescape( document.cookie.substring( debut+name.length+1, fin ) );",
              "}",
              "var track=getCookie(\"track\");",
              "if (track==\"null\") {track=\"\";}",
              "</script>",
              "</HEAD>"};
  tete.insert(tete.end(), cadre.begin(), cadre.end());
  tete.push_back("<!-- marqueur liste rapide haut -->");
  EXPECT_TRUE(contient(page, tete));
  // The next page of the last one is the first.
  EXPECT_TRUE(contient(page, {"<a href=\"livres-romans-0.htm\" target=\"_self\"><font face=\"Verdana\" "
                              "size=2><b><u>Suite</u></b></font></a>"}));
  const Lignes barre = b.lignes("catego.txt");
  EXPECT_EQ(barre[0], "<A href=\"index.htm\" target=\"_self\"><noBR><font face=Verdana size=1 "
                      "color=\"navy\"><u>Accueil</u></font></noBR></a>&nbsp;");
  Lignes fin{"<td colspan=2></td></td></tr></table>", "<BR>", "<b>Pub</b>", "</td></tr></table>",
             "<center><table border=0 width=\"100%\"><tr><td align=\"center\">"};
  fin.insert(fin.end(), barre.begin(), barre.end());
  fin.insert(fin.end(), {"</td></tr></table></center>", "<center>",
                         "<font face=Verdana size=1 color=\"navy\">&copy; Ma Boutique</font>&nbsp;",
                         "<a href=\"https://www.tarvio.fr/\"><font face=\"verdana\" size=1 "
                         "color=\"navy\">Tarvio</font></a>",
                         "<a href=\"ref.html\"><font face=\"verdana\" size=1 "
                         "color=\"gray\">ref.html</a>",
                         "</center>", "</BODY>", "</HTML>"});
  ASSERT_GE(page.size(), fin.size());
  EXPECT_EQ(Lignes(page.end() - static_cast<long>(fin.size()), page.end()), fin);
}

TEST(Construction, PagesOfNSheetsNamedWithTheSeparator) {
  struct Cas {
    const char* sepurl;
    const char* stl;      // ref_page of the theme, nullptr: no style file
    const char* prefixe;  // of the pages, numbered from 0
    int pages;
    Lignes messages;
  } cas[] = {
      {"-", "3", "livres-romans-", 3, {}},
      {"_", "3", "livres_romans", 3, {}},
      {"-", nullptr, "livres-romans-", 4, {}},
      {"-", "trois", "livres-romans-", 4,
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
    Lignes pages, attendues;
    for (const auto& l : b.lignes("listeHTM.tmp")) pages.push_back(l.substr(l.find('=') + 1));
    pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    for (int i = 0; i < c.pages; ++i) attendues.push_back(c.prefixe + std::to_string(i) + ".htm");
    EXPECT_EQ(pages, attendues) << c.sepurl << c.stl;
    // The last page holds what is left (seven sheets, three or two a page).
    EXPECT_EQ(b.lignes(c.prefixe + std::to_string(c.pages - 1) + ".tmp"), Lignes{"r7"}) << c.sepurl;
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
  EXPECT_TRUE(contient(page, {"<A HREF=\"livres-romans-0.htm\" target=\"_self\" "
                              "onmouseover=\"cache();voir('roll','img-v.gif','non');\" "
                              "onmouseout=\"cache();\"><u>Le Rouge Stendhal</u></A><br>"}));
  EXPECT_TRUE(contient(page, {"<div id=\"menu1\" style=\"position:absolute; z-index:2; "
                              "visibility:hidden;\"><img src=\"pix1x1.gif\" name=\"roll\" "
                              "border=\"1\"></div>"}));
  EXPECT_TRUE(contient(page, {"calque.top = (coory - 10 + document.body.scrollTop);"}));

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
  // Titles match as prefixes, ignoring case and the weight group; a group without its ")"
  // is no empty title.
  b.ecrire("promo_titres.ini", {"gras=oui", "size= ", "couleur=red"});
  b.ecrire("promo_titres.prx", {"(w:2)germ", "(w:3 sans fin", "Germinal Zola et plus"});
  b.construire();
  const Lignes page = b.lignes("ftp/livres-romans-0.htm");
  const Lignes attendu{
      "<A HREF=\"livres-romans-0.htm#1\" target=\"_self\"><IMG SRC=\"rond.gif\" border=0><font "
      "color=\"#00FF00\"><u>Le Rouge Stendhal</u></font></A><br>",
      "<A HREF=\"livres-romans-0.htm#2\" target=\"_self\"><IMG SRC=\"neuf.gif\" border=0><font "
      "color=\"#00FF00\"><u>Nana Zola</u></font></A><br>",
      "<A HREF=\"livres-romans-1.htm#1\" target=\"_self\"><font face=\"Verdana\" color=\"red\" "
      "size=\"1\"><b><u>Germinal Zola</u></b></font></A><br>"};
  EXPECT_TRUE(contient(page, attendu));

  // An empty title is the beginning of every text.
  b.ecrire("promo_titres.prx", {"Germinal", ""});
  b.construire();
  const Lignes toutes = b.lignes("ftp/livres-romans-0.htm");
  EXPECT_NE(std::find(toutes.begin(), toutes.end(),
                      "<A HREF=\"livres-romans-0.htm#1\" target=\"_self\"><font face=\"Verdana\" "
                      "color=\"red\" size=\"1\"><b><u>Le Rouge Stendhal</u></b></font></A><br>"),
            toutes.end());
}

TEST(Construction, FirstPageOfACategoryIsThePageTheBuildWrote) {
  Boutique b;
  b.ecrire("categories", {"Disques"});
  // The first theme line is blank: it names no page and is skipped.
  b.ecrire("Disques.cto", {"", "Jazz"});
  b.fiche("b1", "Disques", "Jazz", "Kind of Blue", "Davis");
  b.construire();
  const std::string premiere = b.p().voir_menu1().premierePage("Disques");
  EXPECT_EQ(premiere, "disques-jazz-0.htm");
  EXPECT_FALSE(b.existe("ftp/disques--0.htm"));
  EXPECT_TRUE(b.existe("ftp/" + premiere));
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
  EXPECT_TRUE(contient(page, {"<td colspan=2 align=\"center\">"}));
  EXPECT_FALSE(contient(page, {"<table border=0 cellspacing=0><tr valign=\"top\">"}));
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
  const std::string blanc = "BODY {background: #FFFFFF ;}";
  const std::pair<std::string, Lignes> promo{"titre.inf", {"", " Promo ", "Soldes"}};
  struct Cas {
    const char* nom;
    std::vector<std::pair<std::string, Lignes>> fichiers;
    const char* page;
    std::string titre;
    std::string fond;  // the BODY background line
  } cas[] = {
      {"plain", {}, "livres-romans-0", "Livres Romans", blanc},
      {"theme first", {{"tarvio.ini", {"titleinv=oui"}}}, "livres-romans-0", "Romans Livres", blanc},
      // Two filled lines: page 1 of 0..2 takes line 1; lines are counted with the empty one.
      {"extra word", {promo}, "livres-romans-1", "Livres Romans Promo", blanc},
      {"extra empty line", {promo}, "livres-romans-0", "Livres Romans", blanc},
      {"extra last page", {promo}, "disques-jazz-0", "Disques Jazz Promo", blanc},
      {"extra first", {{"titre.inf", {"Extra"}}, {"tarvio.ini", {"suppinv=oui"}}}, "livres-romans-1",
       "Extra Livres Romans", blanc},
      {"extra nowhere", {{"titre.inf", {"Extra"}}, {"tarvio.ini", {"suppinv=non"}}},
       "livres-romans-1", "Livres Romans", blanc},
      // The last sheet of page 0 is a2.
      {"sheet title", {{"a2.inf", {" Mon ", "", "titre "}}}, "livres-romans-0", "Mon titre", blanc},
      {"shop title", {{"a2.inf", {"Mon titre"}}, {"titres.inf", {"Pour tous"}}}, "livres-romans-0",
       "Pour tous", blanc},
      {"category image", {{"tmp/Livres.fnd", {"image_page= bois.jpg "}}, {"fonds/bois.jpg", {"jpg"}}},
       "livres-romans-0", "Livres Romans", "BODY {background: #FFFFFF url(bois.jpg) ;}"},
      {"category colour",
       {{"tmp/Livres.fnd", {"fond_page=#000000", "image_page=bois.jpg", "fixe_page=oui"}}},
       "livres-romans-0", "Livres Romans", "BODY {background: #000000 fixed;}"},
      {"site image", {{"styleP", {"image_page=mur.gif", "fixe_page=oui"}}, {"fonds/mur.gif", {"gif"}}},
       "disques-jazz-0", "Disques Jazz", "BODY {background: url(mur.gif) fixed;}"},
  };
  for (const auto& c : cas) {
    Boutique b;
    b.catalogue();
    b.ecrire("frames.inf", {"frames=oui"});
    for (const auto& [nom, lignes] : c.fichiers) b.ecrire(nom, lignes);
    b.construire();
    const Lignes page = b.lignes(std::string("ftp/") + c.page + ".htm");
    EXPECT_EQ(ligneDebutant(page, "<TITLE>"), "<TITLE>" + c.titre + "</TITLE>") << c.nom;
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
  EXPECT_TRUE(contient(page, defilement));
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
  EXPECT_TRUE(contient(page, gauche));
  const Lignes droite{"</font><br>", "</td>",    "</tr>", "<tr><td>",          "<i>droite</i>",
                      "</td></tr>",  "</table>", "</td>", "<tr><td colspan=2>"};
  EXPECT_TRUE(contient(page, droite));
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
    b.ecrire("newprodrefs.new", {"a1"});
    b.construire();
    EXPECT_EQ(b.messages(), Lignes{});
    const Lignes page = b.lignes("ftp/NEWPROD.htm");
    EXPECT_EQ(b.lignes("tmp/NEWPROD.htm"), page);
    // The template filled in: the product links to the page of its card in this build.
    const Lignes fini = b.lignes("ftp/nouveautes-vitrine-0.htm");
    EXPECT_EQ(b.lignes("tmp/nouveautes-vitrine-0.htm"), fini);
    EXPECT_TRUE(contient(fini, {"<a href=\"livres-romans-0.htm\" target=\"_top\">"}));
    EXPECT_FALSE(contient(fini, {"***  NEWPROD=nouveautes-vitrine-0.tmp"}));
    EXPECT_TRUE(contient(page, {"***  NEWPROD=nouveautes-vitrine-0.tmp"}));
    EXPECT_FALSE(contient(page, {"<a name=\"haut_page\"></a>"}));
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
    EXPECT_TRUE(contient(page, {"***  jouets=jeux-vitrine-0.tmp"}));
    EXPECT_EQ(b.p().data1().multiL.items(), (Lignes{"jouets", "livres"}));
    EXPECT_TRUE(b.existe("ftp/livres-romans-0.htm"));
  }
}

TEST(Construction, NewProductsColumnsThatAreNoNumberStopTheBuild) {
  Boutique b;
  b.catalogue();
  b.ecrire("newprod.ini", {"col=trois"});
  b.construire();
  EXPECT_EQ(b.messages(), Lignes{"'trois' n'est pas une valeur entière correcte"});
}

// The single list's marker, empty as the shopkeeper makes it, is no sheet to build.
TEST(Construction, AnEmptyNewProductsMarkerIsNoSheet) {
  Boutique b;
  b.catalogue();
  b.ecrire("newprod.ini", {"max=10"});
  b.ecrire("newprod.ref", {});
  b.construire();
  EXPECT_EQ(b.messages(), Lignes{});
  EXPECT_TRUE(b.existe("ftp/livres-romans-0.htm"));
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
  EXPECT_FALSE(contient(page, {"<a name=\"1\"></a>"}));
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

// What keeps a large catalogue fast: however many sheets, each folder is listed a fixed number of
// times and each sheet read once per pass (timings are in bench/).
TEST(Cout, FoldersListedAndSheetsReadAFixedNumberOfTimes) {
  auto construire = [](int parTheme) {
    Boutique b;
    b.ecrire("tarvio.ini", {"articles_trouves=oui", "vig_visual=oui"});
    b.ecrire("categories", {"Cat0", "Cat1"});
    for (const std::string cat : {"Cat0", "Cat1"}) {
      b.ecrire(cat + ".cto", {"Theme0", "Theme1"});
      for (const std::string theme : {"Theme0", "Theme1"})
        for (int s = 0; s < parTheme; ++s)
          b.fiche(cat + theme + "_" + std::to_string(s), cat, theme, "Titre", "Auteur",
                  {"image=x.jpg"});
    }
    pages::DossierConstruction::Comptes comptes;
    b.p();
    testing_support::FolderListings listages(b.t.dossier.path());
    pages::DossierConstruction::comptes = &comptes;
    b.construire();
    pages::DossierConstruction::comptes = nullptr;
    EXPECT_EQ(b.messages(), Lignes{});
    EXPECT_EQ(b.lignes("listeHTM.tmp").size(), 4u * parTheme);
    return std::pair(comptes, listages.stop());
  };
  auto [petit, listagesPetit] = construire(2);
  auto [grand, listagesGrand] = construire(12);
  EXPECT_EQ(listagesGrand, listagesPetit);
  EXPECT_FALSE(listagesPetit.empty());
  // Each sheet once per pass and once for its card; a card's lines come back from its writer,
  // never read again from vignette.htm; the rest once.
  auto parFichier = [](pages::DossierConstruction::Comptes& c, int) {
    EXPECT_EQ(c.lectures.count("vignette.htm"), 0u);
    std::set<int> fiches;
    for (auto it = c.lectures.begin(); it != c.lectures.end();)
      if (platform::endsWith(it->first, ".ref")) {
        fiches.insert(it->second);
        it = c.lectures.erase(it);
      } else {
        ++it;
      }
    return fiches;
  };
  EXPECT_EQ(parFichier(petit, 8), std::set<int>{4});
  EXPECT_EQ(parFichier(grand, 48), std::set<int>{4});
  EXPECT_EQ(grand.lectures, petit.lectures);
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

// A page that opens but whose bytes cannot be written (its disc full) stops the build naming it,
// and the mark stays; the next build writes it whole.
TEST(Arret, APageWhoseBytesCannotBeWrittenStopsTheBuildNamingIt) {
  Boutique b;
  b.catalogue();
  b.p();
  const fs::path page = b.t.dossier / "ftp" / "livres-romans-0.htm";
  fs::create_directories(page.parent_path());
  fs::create_symlink("/dev/full", page);  // no regular file: emptying ftp/ leaves it
  try {
    b.p().data1().construireSite();
    ADD_FAILURE() << "the build went on";
  } catch (const platform::FileError& e) {
    EXPECT_EQ(std::string(e.what()), "Impossible d'écrire le fichier " + page.string());
  }
  EXPECT_TRUE(pages::constructionInachevee(b.p().donnees()));
  fs::remove(page);
  b.construire();
  EXPECT_EQ(b.messages(), Lignes{});
  EXPECT_FALSE(pages::constructionInachevee(b.p().donnees()));
  EXPECT_NE(b.lire("ftp/livres-romans-0.htm").find("Nana"), std::string::npos);
  EXPECT_EQ(b.lire("ftp/livres-romans-0.htm"), b.lire("tmp/livres-romans-0.htm"));
}

TEST(Arret, AHostileFileStopsTheBuildNamingThatFile) {
  struct Cas {
    const char* nom;
    std::function<void(Boutique&)> preparer;
    Lignes messages;
  } cas[] = {
      {"garbage categories",
       [](Boutique& b) { b.ecrire("categories", {"Livres", "\x01\xFF<>\x7F|", "Disques"}); },
       {"Le fichier categories est endommagé : sa ligne 2 n'est pas un nom de catégorie. "
        "Corrigez-le avant de construire le site."}},
      {"line break in a sheet's file name",
       [](Boutique& b) { b.fiche("a0\nb", "Livres", "Romans", "Coupé", "X"); },
       {"Erreur sur a0?b.ref : ce nom de fichier n'est pas accepté, renommez la fiche", "ERREUR 1"}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    Boutique b;
    b.catalogue();
    b.ecrire("ftp/ancien.htm", {"x"});
    c.preparer(b);
    b.construire();
    EXPECT_EQ(b.messages(), c.messages);
    EXPECT_TRUE(b.existe("ftp/ancien.htm"));
    // No order list holds a piece of a name.
    const Lignes ordre = b.existe("Livres-Romans") ? b.lignes("Livres-Romans") : Lignes{};
    for (const std::string& ligne : ordre) EXPECT_TRUE(ligne.ends_with(".ref")) << ligne;
  }
}

TEST(Arret, ABuildStoppedInTheReferencePagesKeepsItsMark) {
  Boutique b;
  b.catalogue();
  b.ecrire("ref.ini", {"</BODY></HTML>"});
  b.p();
  // The second reference page cannot be written: the site has only part of them and no ref.html.
  fs::create_directories(b.t.dossier / "ftp" / "_a2.php");
  b.construire();
  EXPECT_TRUE(b.existe("ftp/_a1.php"));
  EXPECT_FALSE(b.existe("ftp/ref.html"));
  EXPECT_TRUE(pages::constructionInachevee(b.p().donnees()));
  fs::remove(b.t.dossier / "ftp" / "_a2.php");
  b.construire();
  EXPECT_TRUE(b.existe("ftp/ref.html"));
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

namespace {

// Every entry of a folder with its bytes, hidden ones included.
std::map<std::string, std::string> contenu(const fs::path& dossier) {
  std::map<std::string, std::string> r;
  for (const auto& e : fs::directory_iterator(dossier))
    if (e.is_regular_file()) r[e.path().filename().string()] = platform::readFile(e.path());
  return r;
}

}  // namespace

// A rebuild reuses the files of the previous site for its new ones: what it leaves must be what a
// build from scratch of the same catalogue leaves, byte for byte, with nothing set aside left over.
TEST(Reconstruction, LeavesTheSameFilesAsABuildFromScratch) {
  Boutique reconstruite, neuve;
  for (Boutique* b : {&reconstruite, &neuve}) b->catalogue();
  reconstruite.fiche("a4", "Livres", "Romans", "Bel-Ami", "Maupassant");
  reconstruite.fiche("c1", "Disques", "Blues", "Bessie", "Smith");
  reconstruite.ecrire("Disques.cto", {"Jazz", "Blues"});
  reconstruite.construire();
  ASSERT_TRUE(reconstruite.existe("ftp/disques-blues-0.htm"));
  // Fewer pages, one theme gone, a shorter title: old pages and old bytes must not survive.
  fs::remove(reconstruite.t.dossier / "a4.ref");
  fs::remove(reconstruite.t.dossier / "c1.ref");
  reconstruite.ecrire("Disques.cto", {"Jazz"});
  reconstruite.construire();
  neuve.construire();
  EXPECT_EQ(reconstruite.messages(), Lignes{});
  EXPECT_FALSE(reconstruite.existe("ftp/disques-blues-0.htm"));
  for (const char* dossier : {"ftp", "tmp"}) {
    auto avant = contenu(neuve.t.dossier / dossier), apres = contenu(reconstruite.t.dossier / dossier);
    // The copies of the first build's pages stay in tmp/, as they always did; the hashes of the
    // copies hold their times.
    if (std::string(dossier) == "tmp")
      for (auto it = apres.begin(); it != apres.end();)
        it = avant.contains(it->first) && it->first != "pages.emp" ? std::next(it) : apres.erase(it);
    avant.erase("pages.emp");
    EXPECT_EQ(apres, avant) << dossier;
  }
  for (const auto& [nom, octets] : contenu(reconstruite.t.dossier.path()))
    EXPECT_FALSE(platform::isOwnTemporary(nom)) << nom;
}

// A rebuild knows which pages changed from the hashes of the previous copies, without reading
// them back; a copy changed by someone else is read and compared as before.
TEST(Reconstruction, ChangedPagesFoundWithoutReadingTheCopiesBack) {
  Boutique b;
  b.catalogue();
  b.construire();
  auto reconstruire = [&b] {
    pages::DossierConstruction::Comptes comptes;
    pages::DossierConstruction::comptes = &comptes;
    b.construire();
    pages::DossierConstruction::comptes = nullptr;
    int copiesLues = 0;
    for (const auto& [nom, n] : comptes.lectures)
      if (platform::startsWith(nom, "tmp/") && platform::endsWith(nom, ".htm")) copiesLues += n;
    return std::pair(b.lignes("transfert.tri"), copiesLues);
  };
  EXPECT_EQ(reconstruire(), std::pair(Lignes{}, 0));
  b.fiche("a3", "Livres", "Romans", "Germinal, tome 2", "Zola");
  // Its page, and the other page of its theme, whose side list names it.
  EXPECT_EQ(reconstruire(), std::pair(Lignes{"livres-romans-0", "livres-romans-1"}, 0));
  // Another program rewrote a copy with the same length: it is read, found different, replaced.
  std::string copie = b.lire("tmp/disques-jazz-0.htm");
  copie[copie.size() - 3] = 'X';
  b.t.dossier.write("tmp/disques-jazz-0.htm", copie);
  EXPECT_EQ(reconstruire(), std::pair(Lignes{"disques-jazz-0"}, 1));
  EXPECT_EQ(b.lire("tmp/disques-jazz-0.htm"), b.lire("ftp/disques-jazz-0.htm"));
  EXPECT_EQ(reconstruire(), std::pair(Lignes{}, 0));
}
