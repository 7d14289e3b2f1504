#include "fenetres/frame/index_cadres.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/frame/catal_index.h"
#include "fenetres/frame/voir_menu.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "support/programme_test.h"

using Lignes = std::vector<std::string>;

namespace {

const char* const kCharset =
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">";

const char* const kLignes = "<FRAMESET frameborder=0 framespacing=0 border=0 rows=\"60,*\">";
const char* const kColonnes = "<FRAMESET frameborder=0 framespacing=0 border=0 cols=\"150,*\">";
const char* const kTop = "<FRAME SRC=\"top2.htm\" NAME=\"top\" scrolling=no>";
const char* const kMenu = "<FRAME SRC=\"menu2.htm\" NAME=\"menu\" scrolling=no>";
const char* const kAccueil = "<frame SRC=\"accueil2.htm\" NAME=\"principal\" noresize>";
const Lignes kFin{"</FRAMESET>", "</FRAMESET>", "</HTML>"};

Lignes operator+(Lignes a, const Lignes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class IndexCadres : public ::testing::Test {
 public:
  IndexCadres() {
    t.dossier.write("ident.opt", "nomE=Boutique\r\n");
    t.demarrer();
    platform::makeFolder(t.dossier / "ftp");
    t.p().menu1().options.logo_top = "oui";
    main().options.options.TOP_distant = "";
  }
  app::Tmain& main() { return t.p().main(); }
  design::TOptionsMenu& menu() { return t.p().menu1().options; }
  void ecrire() {
    frame::ValeursCadres v;
    v.largeurColonneMenu = 150;
    v.hauteurCadreTop = 60;
    t.p().voir_menu1().faire_index_cadres(v);
  }
  Lignes page(const char* nom) { return platform::LineList::load(t.p().chemin(nom)).lines(); }
  testing_support::ProgrammeDeTest t;
};

}  // namespace

TEST_F(IndexCadres, FramesetsOfTheSecondAndThirdPages) {
  const Lignes tete2{"<HTML>", "<HEAD>", kCharset, "<TITLE>index2</TITLE>", "</HEAD>"};
  const Lignes tete3{"<HTML>", "<HEAD>", kCharset, "<TITLE>index3</TITLE>", "</HEAD>"};
  const char* sansFiche = "<frame SRC=\"\" NAME=\"principal\" noresize>";
  struct Cas {
    const char* nom;
    std::function<void(IndexCadres&)> regler;
    Lignes index2, index3;
  } cas[] = {
      {"defaults", [](IndexCadres&) {}, tete2 + Lignes{kLignes, kTop, kColonnes, kMenu, kAccueil} + kFin,
       tete3 + Lignes{kLignes, kTop, kColonnes, kMenu, sansFiche} + kFin},
      {"menu column across the whole height", [](IndexCadres& f) { f.menu().logo_top = "non"; },
       tete2 + Lignes{kColonnes, kMenu, kLignes, kTop, kAccueil} + kFin,
       tete3 + Lignes{kColonnes, kMenu, kLignes, kTop, sansFiche} + kFin},
      {"own pages, remote top trimmed, scrolling frames, an open product",
       [](IndexCadres& f) {
         f.menu().logo_top = "";  // not "non": the top row
         f.menu().menuHTM = f.menu().topHTM = f.main().accueilHTM = "oui";
         f.main().options.options.TOP_distant = "  http://loin.example/top.htm\t";
         f.main().pageFiche = "livres-romans-0.htm";
         f.t.p().styleP().scrtC.setChecked(true);
         f.t.p().styleP().scrmC.setChecked(true);
       },
       tete2 + Lignes{kLignes, "<FRAME SRC=\"http://loin.example/top.htm\" NAME=\"top\">", kColonnes,
                      "<FRAME SRC=\"menu.htm\" NAME=\"menu\">",
                      "<frame SRC=\"accueil.htm\" NAME=\"principal\" noresize>"} + kFin,
       tete3 + Lignes{kLignes, "<FRAME SRC=\"http://loin.example/top.htm\" NAME=\"top\">", kColonnes,
                      "<FRAME SRC=\"menu.htm\" NAME=\"menu\">",
                      "<frame SRC=\"livres-romans-0.htm\" NAME=\"principal\" noresize>"} + kFin},
  };
  for (Cas& c : cas) {
    c.regler(*this);
    ecrire();
    EXPECT_EQ(page("ftp/index2.htm"), c.index2) << c.nom;
    EXPECT_EQ(page("ftp/index3.html"), c.index3) << c.nom;
  }
}

class IndexComplet : public IndexCadres {
 public:
  IndexComplet() {
    main().titreE.setText("Librairie Été");
    main().descriptionM.setLines({"Des livres ", "et des disques"});
    main().motsL.setItems({"livres", "disques"});
    main().dateCE.setText("05/12/26");
    main().dateRE.setText("01/02/27");
    main().auteurE.setText("Moi");
    t.p().ident().identite.email = "contact@boutique.fr";
    main().options.options.menu_titre = "Le menu";
    t.dossier.write("indexh.txt", "<p>haut</p>\r\n");
    t.dossier.write("catego.txt", "<a href=\"cat.htm\">Cat</a>\r\n");
    t.dossier.write("index.txt", "<p>texte</p>\r\n");
    t.dossier.write("meta.txt", "<meta name=\"x\" content=\"y\">\r\n");
  }
  const Lignes tete{"<HTML>", "<HEAD>", "<TITLE>Librairie Été</TITLE>",
                    "<meta name=\"description\" content=\"Des livres et des disques\">",
                    "<meta name=\"keywords\" content=\"livres,disques\">",
                    "<meta name=\"robots\" content=\"index, follow, all\">",
                    "<meta name=\"distribution\" content=\"Global\">",
                    "<meta name=\"Date-Creation-yyyymmdd\" content=\"20261205\">",
                    "<meta name=\"Date-Revision-yyyymmdd\" content=\"20270201\">",
                    "<meta name=\"revisit-after\" content=\"15 days\">",
                    kCharset,
                    "<meta http-equiv=\"Content-Language\" content=\"fr-FR\">",
                    "<meta name=\"author\" content=\"Moi\">",
                    "<meta name=\"reply-to\" content=\"contact@boutique.fr\">",
                    "<meta name=\"owner\" content=\"contact@boutique.fr\">",
                    "<meta name=\"category\" content=\"shopping\">",
                    "<meta name=\"distribution\" content=\"global\">",
                    "<meta name=\"rating\" content=\"general\">", "<meta name=\"x\" content=\"y\">",
                    "</HEAD>", "<!-- Tarvio 5.099-->"};
};

TEST_F(IndexComplet, EntryPageInBothLayouts) {
  ecrire();
  EXPECT_EQ(page("ftp/index.htm"),
            (tete + Lignes{kLignes, kTop, kColonnes, kMenu, kAccueil, "<noframes>", "<body>",
                           "<p>haut</p>", "<a href=\"accueil2.htm\">Page d'accueil</a><br>",
                           "<a href=\"cat.htm\">Cat</a>", "<p>texte</p>",
                           "<a href=\"menu2.htm\">Le menu</a><br>", "<a href=\"top2.htm\">top</a><br>",
                           "Librairie Été<br>", "Des livres et des disques<br>",
                           "livres,disques<br>", "</body>", "</noframes>"} +
             kFin));
  // Windows-1252 bytes, CR LF after every line.
  std::string octets = t.dossier.read("ftp/index.htm");
  EXPECT_NE(octets.find("<TITLE>Librairie \xC9t\xE9</TITLE>\r\n"), std::string::npos);
  EXPECT_EQ(octets.substr(octets.size() - 9), "</HTML>\r\n");

  // The menu column layout has neither indexh.txt nor the keyword line; no description either.
  menu().logo_top = "non";
  main().options.options.accueil_titre = "Accueil";
  main().options.options.menu_titre = "";
  main().options.options.menuh_titre = "Bandeau";
  main().descriptionM.clear();
  ecrire();
  Lignes sansDescription = tete;
  sansDescription.erase(sansDescription.begin() + 3);
  EXPECT_EQ(page("ftp/index.htm"),
            (sansDescription +
             Lignes{kColonnes, kMenu, kLignes, kTop, kAccueil, "<noframes>", "<body>",
                    "<a href=\"accueil2.htm\">Accueil</a><br>", "<a href=\"cat.htm\">Cat</a>",
                    "<p>texte</p>", "<a href=\"menu2.htm\">menu</a><br>",
                    "<a href=\"top2.htm\">Bandeau</a><br>", "Librairie Été<br>", "</body>",
                    "</noframes>"} +
             kFin));
  // Without keywords, the top row's keyword line is "<br>" alone.
  menu().logo_top = "oui";
  main().motsL.clearItems();
  ecrire();
  Lignes l = page("ftp/index.htm");
  EXPECT_EQ(l[3], "<meta name=\"robots\" content=\"index, follow, all\">");
  EXPECT_EQ(l[l.size() - 6], "<br>");
}

TEST_F(IndexComplet, HeadOfTheEntryPage) {
  // Dates are taken character by character as the masked edit keeps them.
  struct Cas {
    const char *texte, *date;
  } cas[] = {{"  /  /  ", "20      "}, {"5/1", "20    51"}, {"", "20      "}};
  for (const Cas& c : cas) {
    main().dateCE.type(c.texte);
    EXPECT_EQ(frame::enteteEntree(t.p())[7],
              std::string("<meta name=\"Date-Creation-yyyymmdd\" content=\"") + c.date + "\">");
  }
  // A double quote cannot close an attribute; the title, text of the page, stays as typed.
  main().titreE.setText("Le \"Bon\" Coin");
  main().descriptionM.setLines({"dit \"bonjour\""});
  main().motsL.setItems({"a\"b"});
  platform::LineList l = frame::enteteEntree(t.p());
  EXPECT_EQ(l[2], "<TITLE>Le \"Bon\" Coin</TITLE>");
  EXPECT_EQ(l[3], "<meta name=\"description\" content=\"dit &quot;bonjour&quot;\">");
  EXPECT_EQ(l[4], "<meta name=\"keywords\" content=\"a&quot;b\">");
  // An empty meta-tag.txt takes the place of every generated tag but the encoding; meta.txt
  // follows. The shop's own tags that declare an encoding keep theirs alone.
  t.dossier.write("meta-tag.txt", "");
  EXPECT_EQ(frame::enteteEntree(t.p()).lines(),
            (Lignes{"<HTML>", "<HEAD>", kCharset, "<TITLE>Le \"Bon\" Coin</TITLE>",
                    "<meta name=\"x\" content=\"y\">"}));
  const std::string propre =
      "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; CHARSET=windows-1252\">";
  t.dossier.write("meta-tag.txt", propre + "\r\n");
  EXPECT_EQ(frame::enteteEntree(t.p()).lines(),
            (Lignes{"<HTML>", "<HEAD>", "<TITLE>Le \"Bon\" Coin</TITLE>", propre,
                    "<meta name=\"x\" content=\"y\">"}));
}

TEST_F(IndexCadres, OfflineCatalogueDeclaresTheCartInEveryPage) {
  for (const char* ref : {"a.ref", "b.REF", "c.ref", "d.txt"}) t.dossier.write(ref, "");
  main().liste_fiches.update();
  main().catalC.setChecked(true);
  frame::Tcatal_ini& catal = t.p().catal_ini();
  struct Cas {
    bool port;
    const char *montant, *ligne;
  } cas[] = {{true, "4", "mon_transport=\"4\""},
             {false, "4", "mon_transport=\"0\""},
             // The order form's own value: rounded to the cent, an emptied box or no amount 0.
             {true, "12,999", "mon_transport=\"13,00\""},
             {true, "", "mon_transport=\"0\""},
             {true, "4\"5\\", "mon_transport=\"0\""}};
  for (const Cas& c : cas) {
    catal.portC.setChecked(c.port);
    catal.portE.setText(c.montant);
    ecrire();
    const Lignes script{"<script language=\"JavaScript\">", "ma_ref=new Array()",
                        "ma_description=new Array()", "ma_pu=new Array()",
                        "ma_commande=new Array()", "ma_quantite=new Array()", c.ligne, "fin=3",
                        "</script>", "</HEAD>"};
    for (const char* nom : {"ftp/index.htm", "ftp/index2.htm", "ftp/index3.html"}) {
      Lignes l = page(nom);
      auto fin = std::find(l.begin(), l.end(), "</HEAD>");
      ASSERT_NE(fin, l.end());
      EXPECT_EQ(Lignes(fin - 9, fin + 1), script) << nom << " " << c.montant;
    }
  }
  main().catalC.setChecked(false);
  ecrire();
  EXPECT_EQ(page("ftp/index2.htm")[4], "</HEAD>");
}

TEST_F(IndexCadres, ImportedEntryPageTakesThePlaceOfTheFirst) {
  struct Cas {
    const char* frames;
    const char* import;  // nullptr: import/index.htm gone since the box was ticked
  } cas[] = {{"oui", "<html>\n<body>ma page</body>\n</html>"},
             {"non", "<html>\r<body>ma page</body>\r\n</html>\n"},
             {"oui", nullptr},
             {"non", nullptr}};
  for (const Cas& c : cas) {
    SCOPED_TRACE(std::string(c.frames) + (c.import ? " with the page" : " without the page"));
    std::filesystem::remove_all(t.dossier / "ftp");
    std::filesystem::remove_all(t.dossier / "Import");
    // Names of the data folder are found without regard to case.
    t.dossier.write("Import/Index.htm", c.import ? c.import : "");
    main().importC.setChecked(false);
    main().importC.setChecked(true);
    if (!c.import) std::filesystem::remove_all(t.dossier / "Import");
    main().options.frames = c.frames;
    t.p().voir_menu1().faire_cadres();
    const bool cadres = std::string(c.frames) == "oui";
    // The small framesets come from a run that started in the frameset layout, or from the
    // single-page entry step, which the forced frameset of an import skips.
    EXPECT_EQ(t.p().donnees().exists("ftp/index2.htm"), cadres || !c.import);
    EXPECT_EQ(t.p().donnees().exists("ftp/index3.html"), cadres || !c.import);
    if (cadres) {
      EXPECT_EQ(page("ftp/index2.htm")[3], "<TITLE>index2</TITLE>");
    }
    if (c.import) {
      // Line by line with CR LF, and the frameset for the rest of the program's run.
      EXPECT_EQ(platform::readFile(t.p().chemin("ftp/index.htm")),
                "<html>\r\n<body>ma page</body>\r\n</html>\r\n");
      EXPECT_EQ(main().options.frames, "oui");
    } else {
      // The run goes on without the page, in the layout chosen.
      EXPECT_EQ(main().options.frames, c.frames);
      EXPECT_TRUE(t.p().donnees().exists("ftp/index.htm"));
    }
  }
}
