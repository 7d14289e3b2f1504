// The whole-site build from the main window's command: its checks, the two passes over the sheets
// and their work files, the new-products pages, what it hands to the index pages, the sheet open
// in the editor, the offline catalogue and the upload that keeps a build from starting.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fenetres/pages/boutique_construction.h"
#include "fenetres/pages/data.h"
#include "fenetres/pages/etiq.h"
#include "fenetres/publish/atelier_publication.h"

namespace {

using namespace pages::test;
namespace fs = std::filesystem;

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

}  // namespace
