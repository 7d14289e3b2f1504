#include "modele/frame/page_top.h"

#include <gtest/gtest.h>

#include <string>

#include "modele/frame/barre_top.h"
#include "support/temp_folder.h"

namespace {

class PageTop : public ::testing::Test {
 protected:
  PageTop() : donnees(dossier.path()) {
    platform::makeFolder(dossier / "ftp");
    design::mettreDefautsMenu(e.menu, {});
    e.menu.police_cv = e.menu.police_over_cv = "Verdana";
    e.frames = true;
    e.url_panier = "https://h/panier.php";
    e.ident = {.nomE = "Dupont & Fils", .email = "a@b.fr", .login = "shop"};
  }
  // Whether the saved page holds the text.
  bool a(const std::string& texte) {
    platform::LineList l;
    frame::debutTop(e, donnees, l);
    frame::barreTop(e, donnees, l);
    frame::finTop(e, donnees, l);
    return platform::LineList::load(donnees.path("ftp/top2.htm")).text().find(texte) !=
           std::string::npos;
  }
  testing_support::TempFolder dossier;
  platform::DataFolder donnees;
  frame::EntreesTop e;
};

TEST_F(PageTop, HeadAndBodyByLayoutAndStyle) {
  EXPECT_TRUE(a("<BODY OnLoad=\"reframe()\" Marginwidth=2"));
  e.menu.over_cv = "oui";
  e.menu.fond_over_cv = "#123";
  EXPECT_TRUE(a("A#X_style:HOVER{FONT-FAMILY: Verdana; FONT-SIZE: 13px; BACKGROUND-COLOR: #123; F"));
  e.menu.encadrement_cv = "transparent";
  EXPECT_TRUE(a(".Astyle{FONT-FAMILY: Verdana; FONT-SIZE: 13px; COLOR: #0000FF; FONT-WEIGHT"));
  e.menu.image_top = e.image_page = "f.gif";
  e.menu.fond_couleur_top = "#EEE";
  EXPECT_TRUE(a("BODY {background: url(f.gif) #EEE ;}"));
  e.frames = false;
  EXPECT_TRUE(a("BODY {background-color:transparent;}"));
  EXPECT_FALSE(a("reframe"));
}

// A background picture naming a file outside fonds/ is not copied, and the page is written.
TEST_F(PageTop, BackgroundPictureLeavingItsFolderIsSkipped) {
  dossier.write("x.gif", "GIF89a");
  e.menu.image_top = "../x.gif";
  EXPECT_TRUE(a("BODY {background: url(../x.gif) ;}"));
  EXPECT_FALSE(dossier.exists("ftp/x.gif"));
}

// Each flag with its value empty, then set: tel, e-mail, siret and ape need a value.
TEST(AdresseTop, Flags) {
  using I = app::TIdentite;
  struct Cas {
    std::string I::*drapeau, I::*valeur;
    const char *vide, *plein;
  };
  for (const Cas& c : {Cas{&I::boutiqueADR, &I::nomB, "", "B"}, Cas{&I::entADR, &I::nomE, " ", " B"},
                       Cas{&I::capADR, &I::capital, " cap: ", " cap: B"},
                       Cas{&I::telADR, &I::tel, "", " Tel: B"},
                       Cas{&I::apeADR, &I::ape, "", " APE B"}}) {
    I i;
    i.*c.drapeau = "oui";
    EXPECT_EQ(frame::adresseTop(i), c.vide);
    i.*c.valeur = "B";
    EXPECT_EQ(frame::adresseTop(i), c.plein);
  }
}

// Telephone and e-mail are plain text on every page's top frame: they can open no tag.
TEST(AdresseTop, TelephoneAndEmailCannotOpenATag) {
  app::TIdentite i;
  i.telADR = i.eADR = "oui";
  i.tel = "01 23 <script>alert(1)</script>";
  i.email = "<img src=x onerror=alert(1)>@a.fr";
  EXPECT_EQ(frame::adresseTop(i), " Tel: 01 23 &lt;script&gt;alert(1)&lt;/script&gt; e-mail: "
                                  "&lt;img src=x onerror=alert(1)&gt;@a.fr");
}

TEST_F(PageTop, BannerFragmentAndWebmasterLogo) {
  e.menu.bandeau_top = "oui";
  e.menu.bandeau_texte = "PuB#2";
  e.pubs[1] = {"<b>Soldes</b>"};
  EXPECT_TRUE(a("\r\n<b>Soldes</b>\r\n"));
  e.webmaster = {"w.gif", "https://w.fr", 7, 88, 31};
  EXPECT_FALSE(a("w.gif"));
  platform::makeFolder(dossier / "menu_boutons");
  platform::LineList{"x"}.save(dossier / "menu_boutons/w.gif");
  EXPECT_TRUE(a("<td align=\"center\" valign=\"top\">\r\n<a href=\"https://w.fr\" target=\"_top\">"
                "<IMG ALT=\"\" SRC=\"w.gif\" WIDTH=88 HEIGHT=31 BORDER=0></a></td>"));
  EXPECT_TRUE(donnees.exists("ftp/w.gif"));
}

TEST_F(PageTop, LinkAddresses) {
  struct Cas {
    const char* nom;
    bool frames, securus, catalC;
    const char* lien;
  };
  for (const Cas& c : {
           Cas{"accueil", false, false, false, "index.htm"},
           Cas{"securite", true, true, false,
               "https://www.tarvio.fr/cgi/securus.php?boutique=Dupont %26 Fils&frame=oui"},
           Cas{"panier", false, false, false,
               "JavaScript:document.location.href='https://h/panier.php?login=shop&ext=&session=oui"
               "&session_client='+(function(){try{var v=top.session_client;return v==null?'':v;}"
               "catch(e){return '';}})()+''"},
           Cas{"panier", true, false, true, "boncommande.htm"},
       }) {
    e.frames = c.frames;
    e.securus = c.securus;
    e.catalC = c.catalC;
    EXPECT_EQ(frame::lienBarre(e, c.nom), c.lien) << c.nom;
  }
}

TEST_F(PageTop, BarLooksTooltipAndStrip) {
  EXPECT_TRUE(a("<td bgcolor=\"#F9F8FF\" nowrap align=\"center\">\r\n<span"));  // "ecrire" only
  e.cv_popup = "oui";
  e.texteBulle = "l'envoi<br>";
  EXPECT_TRUE(a("href=\"cv.htm#delai\" onmouseout=\"kill()\"  onmouseover=\"pop('l\\'envoi<br>',"
                "'lightyellow')\" id=\"X_style\""));
  e.menu.panier_image = e.menu.delais_image = "bouton";
  e.menu.longueur_panier = "80";
  e.menu.hauteur_panier = "20";
  EXPECT_TRUE(a("><IMG ALT=\"\" SRC=\"panier_out.gif\" WIDTH=80 HEIGHT=20 name=\"panier\" BORDER"));
  EXPECT_FALSE(a("pop('"));  // a button shows the tooltip only with its rolled-over image
  e.menu.bouton2_panier = e.menu.bouton2_delais = "oui";
  EXPECT_TRUE(a("over_panier.src=\"panier_over.gif\"\r\n// -->\r\n</script>\r\n<a href=\""));
  EXPECT_TRUE(a(" onmouseover=\"panier.src=over_panier.src\" onmouseout=\"panier.src=out_panier"
                ".src\"><IMG ALT=\"\" SRC=\"panier_out.gif\" name=\"panier\" BORDER=0>"));
  EXPECT_TRUE(a("pop('"));
  e.menu.colle_cv = "oui";
  EXPECT_TRUE(a("<table border=0 cellpadding=1 cellspacing=0 bgcolor=\"#1781B3\">\r\n"
                "<tr bordercolor=\"#F9F8FF\"><td>"));
}

}  // namespace

// The date line names every month and day in French, December and Saturday included.
TEST_F(PageTop, DateOfTheDay) {
  e.menu.date_top = "oui";
  const char* const mois[] = {"Janvier", "F&eacute;vrier", "Mars", "Avril", "Mai", "Juin",
                              "Juillet", "Ao&ucirc;t", "Septembre", "Octobre", "Novembre",
                              "D&eacute;cembre"};
  for (int i = 0; i < 12; ++i)
    EXPECT_TRUE(a("if (date.getMonth()==" + std::to_string(i) + ") mois=\"" + mois[i] + "\"\r\n"))
        << mois[i];
  EXPECT_TRUE(a("if (date.getDay()==6) jour=\"samedi\"\r\n"));
  EXPECT_FALSE(a("getMonth()==12"));
  e.menu.date_top = "non";
  EXPECT_FALSE(a("getMonth"));
}
