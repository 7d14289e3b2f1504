#include "fenetres/frame/apercu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/frame/voir_menu.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "support/programme_test.h"

using Lignes = std::vector<std::string>;

namespace {

const char* const kCharset =
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">";

Lignes operator+(Lignes a, const Lignes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class Apercu : public ::testing::Test {
 public:
  void demarrer(const char* frames) {
    t.dossier.write("ident.opt", "nomE=Dupont & Fils\r\ntel=01 02 03 04 05\r\n");
    t.dossier.write("frames.inf", std::string("frames=") + frames + "\r\n");
    t.demarrer();
    design::TstyleP& s = t.p().styleP();
    s.fond_page = "#FFFFFF";
    s.image_page = "";
    s.fixe_page = "non";
    s.menubp_c = "oui";
  }
  app::Tmain& main() { return t.p().main(); }
  std::string chemin(const char* nom) { return (t.dossier / nom).string(); }
  Lignes page(const char* nom) { return platform::LineList::load(t.dossier / nom).lines(); }
  Lignes skin() { return main().skin.lines().lines(); }
  testing_support::ProgrammeDeTest t;
};

}  // namespace

TEST_F(Apercu, OpensThePageOfTheLayout) {
  demarrer("oui");
  // Frameset: the second page, the first only right after a build; no wrapper.
  for (int construit : {0, 1, 0}) {
    main().siteConstruit = construit;
    frame::apercuSite(t.p());
    EXPECT_EQ(main().siteConstruit, 0);
  }
  EXPECT_EQ(t.shell.opened,
            (Lignes{chemin("ftp/index2.htm"), chemin("ftp/index.htm"), chemin("ftp/index2.htm")}));
  EXPECT_FALSE(t.dossier.exists("ftp/cvf.htm"));
  // Single page: the first page in every case, written by the frame generator.
  main().options.frames = "non";
  std::filesystem::remove(t.dossier / "ftp/index.htm");
  t.shell.opened.clear();
  for (int construit : {0, 1}) {
    main().siteConstruit = construit;
    frame::apercuSite(t.p());
  }
  EXPECT_EQ(t.shell.opened, (Lignes{chemin("ftp/index.htm"), chemin("ftp/index.htm")}));
}

TEST_F(Apercu, WrappersFramePlainPages) {
  demarrer("non");
  // The shop's own conditions page, which the conditions writer copies.
  t.dossier.write("cv.opt", "cvHTM=oui\r\n");
  t.dossier.write("import/cv.htm", "<HTML><BODY>\r\n<p>Conditions</p>\r\n</BODY></HTML>\r\n");
  t.dossier.write("catego.txt", "<a href=\"livres.htm\">Livres</a> | \r\n<a href=\"cd.htm\">CD</a>\r\n");
  frame::apercuSite(t.p());
  const Lignes tete{"<HTML><HEAD>", kCharset, "<STYLE TYPE=\"text/css\">", "<!--",
                    "BODY {background: #FFFFFF ;}", "// -->", "</STYLE>", "</HEAD>"};
  const Lignes pied{"</td></tr></table>",
                    "<center><table border=0 width=\"100%\"><tr><td align=\"center\">",
                    "<a href=\"livres.htm\">Livres</a> | ", "<a href=\"cd.htm\">CD</a>",
                    "</td></tr></table></center>", "</BODY></HTML>"};
  ASSERT_EQ(skin().size(), 7u);
  EXPECT_EQ(page("ftp/cvf.htm"),
            (tete + skin() +
             Lignes{"<TABLE BORDER=0 cellpadding=8><tr><td>", "<HTML><BODY>", "<p>Conditions</p>",
                    "</BODY></HTML>", "</td></tr></TABLE>"} +
             pied));
  // The help page fragment in its content table.
  EXPECT_EQ(page("ftp/emploif.htm"),
            (tete + skin() + Lignes{"<TABLE BORDER=0 cellpadding=8 bgcolor=\"white\"><tr><td>"} +
             page("ftp/emploi.htm") + Lignes{"</td></tr></TABLE>"} + pied));
  // The company name is a value of the query: its "&" is encoded, its blanks left to the browser.
  EXPECT_EQ(page("ftp/securf.htm"),
            (tete + skin() +
             Lignes{"<center><br><TABLE BORDER=0 cellpadding=4 bgcolor=\"white\"><tr><td>",
                    "<IFRAME src=\"https://www.tarvio.fr/cgi/secur.php?boutique=Dupont %26 "
                    "Fils&frame=oui\" width=\"700\" height=\"400\" frameborder=0></IFRAME><br>",
                    "</td></tr></TABLE></center>"} +
             pied));
  t.p().styleP().securus.setChecked(true);
  frame::ecrireEnveloppes(t.p());
  EXPECT_EQ(page("ftp/securf.htm")[16],
            "<IFRAME src=\"https://www.tarvio.fr/cgi/securus.php?boutique=Dupont %26 "
            "Fils&frame=oui\" width=\"700\" height=\"400\" frameborder=0></IFRAME><br>");
}

TEST_F(Apercu, BackgroundAndCategoryBarOfTheWrappers) {
  demarrer("non");
  platform::makeFolder(t.dossier / "ftp");
  t.dossier.write("catego.txt", "<a href=\"livres.htm\">Livres</a>\r\n");
  struct Cas {
    const char *fond, *image, *fixe;
    const char* regle;  // nullptr: no style block
  } cas[] = {{"#FFFFFF", "papier.jpg", "non", "BODY {background: url(papier.jpg) ;}"},
             {"", "papier.jpg", "oui", "BODY {background: url(papier.jpg) fixed;}"},
             {"#C0C0C0", "", "oui", "BODY {background: #C0C0C0 fixed;}"},
             {"", "", "oui", "BODY {background: fixed;}"},
             {"", "", "non", nullptr}};
  for (const Cas& c : cas) {
    design::TstyleP& s = t.p().styleP();
    s.fond_page = c.fond;
    s.image_page = c.image;
    s.fixe_page = c.fixe;
    frame::ecrireEnveloppes(t.p());
    Lignes l = page("ftp/emploif.htm");
    Lignes attendu = c.regle ? Lignes{"<HTML><HEAD>", kCharset, "<STYLE TYPE=\"text/css\">", "<!--",
                                      c.regle, "// -->", "</STYLE>", "</HEAD>"}
                             : Lignes{"<HTML><HEAD>", kCharset, "</HEAD>"};
    EXPECT_EQ(Lignes(l.begin(), l.begin() + static_cast<long>(attendu.size())), attendu)
        << c.fond << c.image << c.fixe;
  }
  t.p().styleP().menubp_c = "non";
  frame::ecrireEnveloppes(t.p());
  Lignes l = page("ftp/cvf.htm");
  EXPECT_EQ(Lignes(l.end() - 3, l.end()),
            (Lignes{"</td></tr></TABLE>", "</td></tr></table>", "</BODY></HTML>"}));
}

TEST_F(Apercu, WritersRunInOrderThenTheLayoutIsRead) {
  demarrer("non");
  std::filesystem::remove_all(t.dossier / "ftp");
  Lignes trace;
  frame::EcrivainsApercu ecrivains{
      [&] {
        trace.push_back("accueil");
        // A new data folder gets its ftp/ folder first.
        EXPECT_TRUE(std::filesystem::is_directory(t.dossier / "ftp"));
      },
      [&] {
        trace.push_back("cadres");
        t.p().voir_menu1().faire_cadres();
      },
      [&] {
        trace.push_back("conditions");
        t.dossier.write("ftp/cv.htm", "<p>toutes neuves</p>\r\n");
      }};
  frame::apercuSite(t.p(), ecrivains);
  EXPECT_EQ(trace, (Lignes{"accueil", "cadres", "conditions"}));
  Lignes cvf = page("ftp/cvf.htm");
  EXPECT_NE(std::find(cvf.begin(), cvf.end(), "<p>toutes neuves</p>"), cvf.end());

  // The shop's own entry page turns the site into a frameset during the frame generator's run.
  std::filesystem::remove(t.dossier / "ftp/cvf.htm");
  t.dossier.write("import/index.htm", "<HTML><BODY>a moi</BODY></HTML>\r\n");
  main().importC.setChecked(true);
  frame::apercuSite(t.p());
  EXPECT_FALSE(t.dossier.exists("ftp/cvf.htm"));
  EXPECT_EQ(t.shell.opened, (Lignes{chemin("ftp/index.htm"), chemin("ftp/index2.htm")}));
}

TEST_F(Apercu, FailedWriterStopsThePreviewAndClearsTheBuildFlag) {
  demarrer("non");
  t.dossier.write("ftp/index.htm", "<HTML>\r\n");
  main().siteConstruit = 1;
  frame::EcrivainsApercu ecrivains{
      [] {}, [] {}, [] { throw platform::FileError("Impossible d'écrire le fichier cv.htm"); }};
  EXPECT_THROW(frame::apercuSite(t.p(), ecrivains), platform::FileError);
  EXPECT_FALSE(t.dossier.exists("ftp/cvf.htm"));
  EXPECT_TRUE(t.shell.opened.empty());
  EXPECT_EQ(main().siteConstruit, 0);
}

TEST_F(Apercu, ASiteLeftByAnUnfinishedBuildIsNotShown) {
  demarrer("non");
  t.dossier.write("ftp/index.htm", "<HTML></HTML>\r\n");
  t.dossier.write("tmp/construction.en_cours", "");
  t.dialogs.clear();
  frame::apercuSite(t.p());
  EXPECT_EQ(t.dialogs.messages(),
            Lignes{"La dernière construction du site ne s'est pas terminée : le site est incomplet. "
                   "Reconstruisez le site avant de l'afficher."});
  EXPECT_TRUE(t.shell.opened.empty());
  // The build's own preview comes once its last page is written.
  main().siteConstruit = 1;
  frame::apercuSite(t.p());
  EXPECT_EQ(t.shell.opened, Lignes{chemin("ftp/index.htm")});
}
