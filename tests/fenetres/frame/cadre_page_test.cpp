#include "modele/frame/cadre_page.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/style_principal.h"
#include "platform/files.h"
#include "support/programme_test.h"

using Lignes = std::vector<std::string>;

namespace {

const char* const kBody = "<BODY Marginwidth=0 marginheight=0 leftmargin=0 rightmargin=0 topmargin=0>";
const char* const kTop =
    "<table border=0 align=\"center\" cellpadding=0 cellspacing=0 width=\"100%\"><tr><td><IFRAME  "
    "ALLOWTRANSPARENCY=\"true\" src=\"top2.htm\" Marginwidth=0 marginheight=0 width=\"100%\" "
    "height=\"60\"  scrolling=\"no\" frameborder=0></IFRAME></td></tr></table>";
const char* const kTable0 = "<table border=0 cellpadding=0 cellspacing=0 width=\"100%\">";
const char* const kContenu = "</td><td width=\"100%\" height=\"100%\" valign=\"top\">";
const char* const kEspaceur4 = "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=4 BORDER=0><br>";

class CadrePage : public ::testing::Test {
 public:
  CadrePage() {
    t.dossier.write("ident.opt", "nomE=Boutique\r\n");
    t.demarrer();
    platform::makeFolder(t.dossier / "ftp");
    defauts();
  }
  // The loaders' defaults, whatever a case changed.
  void defauts() {
    menu() = {};
    design::TOptionsMenu& m = menu();
    m.top_centre = m.menu_centre = "oui";
    m.largeur_frame = "100%";
    m.hauteur_top = "60";
    m.largeur_menu = "120";
    m.hauteur_frame = "600";
    t.p().styleP().image_page = "";
    app::TOptionsProgramme& o = main().options.options;
    o.TOP_distant = "";
    o.esp_G = "2";
    o.esp_M = o.esp_P = "4";
  }
  app::Tmain& main() { return t.p().main(); }
  design::TOptionsMenu& menu() { return t.p().menu1().options; }
  Lignes cadre() {
    main().ecrireCadrePage();
    return main().skin.lines().lines();
  }
  testing_support::ProgrammeDeTest t;
};

}  // namespace

TEST_F(CadrePage, StaticMenuWithTheDefaults) {
  EXPECT_EQ(cadre(), (Lignes{kBody, kTop, kTable0,
                             "<tr><td width=\"150\" valign=\"top\" align=\"center\" nowrap height=\"100%\">",
                             "<IFRAME ALLOWTRANSPARENCY=\"true\" src=\"menu2.htm\" Marginwidth=0 "
                             "marginheight=0 width=\"150\" height=\"600\"  scrolling=\"no\" "
                             "frameborder=0></IFRAME><br>",
                             kContenu, kEspaceur4}));
  EXPECT_EQ(t.dossier.read("ftp/body_top.txt"), std::string(kBody) + "\r\n" + kTop + "\r\n");
}

TEST_F(CadrePage, SettingsShapeTheirLines) {
  struct Cas {
    const char* nom;
    std::function<void(CadrePage&)> regler;
    size_t ligne;
    std::string attendu;
  } cas[] = {
      {"top not centred, its image not the page's",
       [](CadrePage& f) {
         f.menu().top_centre = "non";
         f.t.p().styleP().image_page = "fond.gif";
       },
       1,
       "<table border=0 cellpadding=0 cellspacing=0 width=\"100%\"><IFRAME  src=\"top2.htm\" "
       "Marginwidth=0 marginheight=0 width=\"100%\" height=\"60\"  scrolling=\"no\" "
       "frameborder=0></IFRAME></table>"},
      {"own top page, a remote one trimmed wins, a quote kept inside the attribute",
       [](CadrePage& f) {
         f.menu().topHTM = "oui";
         f.main().options.options.TOP_distant = " \thttp://loin.example/\"top\".htm  ";
       },
       1,
       "<table border=0 align=\"center\" cellpadding=0 cellspacing=0 width=\"100%\"><tr><td><IFRAME  "
       "ALLOWTRANSPARENCY=\"true\" src=\"http://loin.example/&quot;top&quot;.htm\" Marginwidth=0 "
       "marginheight=0 width=\"100%\" height=\"60\"  scrolling=\"no\" frameborder=0></IFRAME>"
       "</td></tr></table>"},
      {"menu not centred keeps esp_G", [](CadrePage& f) { f.menu().menu_centre = "non"; }, 2,
       "<table border=0 cellpadding=2 cellspacing=0 width=\"100%\">"},
      {"width that is no number", [](CadrePage& f) { f.menu().largeur_menu = "abc"; }, 3,
       "<tr><td width=\"30\" valign=\"top\" align=\"center\" nowrap height=\"100%\">"},
      {"menu image, other width and height",
       [](CadrePage& f) {
         f.menu().image_menu = "menu.jpg";
         f.menu().largeur_menu = "150";
         f.menu().hauteur_frame = "480";
       },
       4,
       "<IFRAME  src=\"menu2.htm\" Marginwidth=0 marginheight=0 width=\"180\" height=\"480\"  "
       "scrolling=\"no\" frameborder=0></IFRAME><br>"},
      // The shop's own menu page is framed itself, also when the drop-down menu is chosen.
      {"own menu page",
       [](CadrePage& f) { f.menu().menuHTM = f.menu().liste_dynamique = "oui"; }, 4,
       "<IFRAME ALLOWTRANSPARENCY=\"true\" src=\"menu.htm\" Marginwidth=0 marginheight=0 "
       "width=\"150\" height=\"600\"  scrolling=\"no\" frameborder=0></IFRAME><br>"},
  };
  for (Cas& c : cas) {
    defauts();
    c.regler(*this);
    Lignes l = cadre();
    ASSERT_EQ(l.size(), 7u) << c.nom;
    EXPECT_EQ(l[c.ligne], c.attendu) << c.nom;
  }
  EXPECT_EQ(main().options.options.TOP_distant, "");
  main().options.options.TOP_distant = "  loin.htm ";
  cadre();
  EXPECT_EQ(main().options.options.TOP_distant, "loin.htm");
}

TEST_F(CadrePage, DropDownMenuPastesTheMenuUpToItsMarker) {
  menu().liste_dynamique = "oui";
  menu().fond_couleur_menu = "#EEEEEE";
  menu().image_menu = "menu.jpg";
  menu().image_top = t.p().styleP().image_page = "fond.gif";
  main().options.options.esp_M = "6";
  t.dossier.write("menu.htm", "   <div>\r\n<a href=\"x\">x</a>\t\r\n  <!-- Menu dynamique -->  \r\napres\r\n");
  t.dossier.write("menu_fin.txt", "  fin1  \r\nfin2\r\n");
  t.dossier.write("liste_recherche.ini", "titre=Recherche\r\nMENUG= oui \r\n");
  EXPECT_EQ(cadre(),
            (Lignes{kBody, kTop, "<table border=0 cellpadding=2 cellspacing=0 width=\"100%\">",
                    "<link rel=\"stylesheet\" type=\"text/css\" href=\"rech.css\">",
                    // The image wins over the colour.
                    "<tr><td width=\"150\" valign=\"top\" align=\"center\"  "
                    "background=\"menu.jpg\" nowrap height=\"100%\">",
                    "<IMG ALT=\"\" SRC=\"pix1x1.gif\" WIDTH=1 HEIGHT=6 BORDER=0><br>", "<div>",
                    "<a href=\"x\">x</a>", "<script SRC=\"recherche_base_gauche.js\"></script>",
                    "<script SRC=\"menujs.js\"></script>", "<script SRC=\"menu_dyn.js\"></script>",
                    "<script SRC=\"menu_dyn_js.js\"></script>", "  fin1  ", "fin2", kContenu,
                    kEspaceur4}));

  // The page's background is no menu image (the colour stays, the options keep their image); a
  // switched-off search list and missing menu files add nothing.
  menu().image_menu = "fond.gif";
  menu().menu_centre = "non";
  t.dossier.write("liste_recherche.ini", "menug=oui\r\ndesac=oui\r\n");
  std::filesystem::remove(t.dossier / "menu.htm");
  std::filesystem::remove(t.dossier / "menu_fin.txt");
  Lignes l = cadre();
  ASSERT_EQ(l.size(), 11u);
  EXPECT_EQ(l[4], "<tr><td width=\"150\" valign=\"top\"  bgcolor=\"#EEEEEE\" nowrap height=\"100%\">");
  EXPECT_EQ(l[6], "<script SRC=\"menujs.js\"></script>");
  EXPECT_EQ(menu().image_menu, "fond.gif");
}

TEST_F(CadrePage, RequestsServeOneCallEvenAFailedOne) {
  main().cadreSansMenu = "oui";
  main().cadreAttributsContenu = " bgcolor=\"#FFEEDD\"";
  // Cut short after the layout table; the top lines are saved all the same.
  EXPECT_EQ(cadre(), (Lignes{kBody, kTop, kTable0}));
  EXPECT_TRUE(t.dossier.exists("ftp/body_top.txt"));
  EXPECT_EQ(main().cadreSansMenu, "");
  EXPECT_EQ(cadre()[5], "</td><td width=\"100%\" height=\"100%\" valign=\"top\" bgcolor=\"#FFEEDD\">");
  EXPECT_EQ(cadre()[5], kContenu);

  std::filesystem::remove_all(t.dossier / "ftp");
  main().cadreSansMenu = "oui";
  main().cadreAttributsContenu = " bgcolor=\"#FFEEDD\"";
  EXPECT_THROW(main().ecrireCadrePage(), platform::FileError);
  EXPECT_EQ(main().cadreSansMenu, "");
  EXPECT_EQ(main().cadreAttributsContenu, "");
  platform::makeFolder(t.dossier / "ftp");
  Lignes l = cadre();
  ASSERT_EQ(l.size(), 7u);
  EXPECT_EQ(l[5], kContenu);
}
