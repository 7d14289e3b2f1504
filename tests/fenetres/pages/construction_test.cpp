// The whole-site build from the main window's command: its checks, the two passes over the sheets
// and their work files, the list pages with their cards, side lists and paging, the category bar,
// the new-products pages, what it hands to the index pages, the offline catalogue. Its stops are
// in construction_arret_test.cpp, the rebuild and its cost in reconstruction_test.cpp.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fenetres/frame/voir_menu.h"
#include "fenetres/pages/boutique_construction.h"
#include "fenetres/pages/data.h"
#include "fenetres/pages/etiq.h"

namespace {

using namespace pages::test;
namespace fs = std::filesystem;

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

// The build lets the front end paint as it goes: the progress window shows the count of sheets
// done out of all; a second click meanwhile is refused, so the site is built and opened once.
TEST(Construction, KeepsTheWindowsPaintedAndRefusesASecondClick) {
  Boutique b;
  b.catalogue();
  Lignes vus;
  int appels = 0, refus = 0;
  b.t.patienter = [&] {
    ++appels;
    auto& etiq = b.p().etiq1();
    if (etiq.visible()) vus.push_back(etiq.caption());
    try {
      b.p().main().html.click();
    } catch (const ui::UnreachableControl&) {
      ++refus;
    }
  };
  b.construire();
  EXPECT_EQ(b.messages(), Lignes{});
  EXPECT_NE(std::find(vus.begin(), vus.end(), "Traitement 1/4"), vus.end());
  EXPECT_EQ(refus, appels);
  EXPECT_LE(b.t.shell.opened.size(), 1u);
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
           {"if(location.protocol==\"file:\")parent.location.replace(\"index.htm#url_principal=livres-romans-1.htm\");else",
            "parent.location.href = \"index2.php?url_principal=livres-romans-1.htm\""},
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

}  // namespace

// A sheet's author, a variant's label and the currencies are plain text wherever a page shows
// them; the title and the comments hold the shopkeeper's markup and stay as written.
TEST(Construction, PlainValuesCannotOpenATagButMarkupFieldsStay) {
  Boutique b;
  b.catalogue();
  b.ecrire("ident.opt", {"nomE=Boutique", "dev1=<q1>", "dev2=<q2>", "taux=1"});
  b.fiche("a2", "Livres", "Romans", "<b>Nana</b>", "<script>auteur()</script>",
          {"commentaires=<i>note</i>", "bouton_CD=oui", "CD_prix=12", "type1=<script>type()</script>"});
  b.construire();
  ASSERT_EQ(b.messages(), Lignes{});
  std::string site;
  for (const auto& [nom, octets] : contenu(b.t.dossier / "ftp")) site += octets;
  for (const char* balise : {"<script>auteur", "<script>type", "<q1>", "<q2>"})
    EXPECT_EQ(site.find(balise), std::string::npos) << balise;
  const std::string page = b.lire("ftp/livres-romans-0.htm");
  for (const char* texte : {"&lt;script&gt;auteur()&lt;/script&gt;", "&lt;script&gt;type()&lt;/script&gt;",
                            "12,00 &lt;q1&gt;", "&lt;q2&gt;", "<b>Nana</b>", "<i>note</i>"})
    EXPECT_NE(page.find(texte), std::string::npos) << texte;
}
