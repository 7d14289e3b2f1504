// Where the whole-site build stops: an unlisted theme, a sheet order list it cannot take, no
// category, a missing or incomplete sheet, an upload under way, a build cut short (its mark), a
// page it cannot write, a hostile file, a stop in the reference pages.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "fenetres/pages/boutique_construction.h"
#include "fenetres/pages/data.h"
#include "fenetres/pages/etiq.h"
#include "fenetres/pages/marque_construction.h"
#include "fenetres/publish/atelier_publication.h"

namespace {

using namespace pages::test;
namespace fs = std::filesystem;

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
    EXPECT_THROW(a.main().html.click(), ui::UnreachableControl);  // the user's click refused
    a.main().htmlClick();  // the command reached all the same refuses to build
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
  fs::create_directories(page);  // no regular file: emptying ftp/ leaves it
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

}  // namespace

// A data folder received from elsewhere: a link of it that leads out is neither emptied, written
// through nor published from; the build stops naming it. A link that stays inside is followed.
TEST(Arret, ALinkLeadingOutOfTheDataFolderStopsTheBuildNamingIt) {
  struct Cas {
    const char* nom;
    const char* lien;  // relative to the data folder; nullptr: the build goes through
    std::function<void(Boutique&, const fs::path& dehors)> preparer;
  } cas[] = {
      {"ftp/ linked out", "ftp",
       [](Boutique& b, const fs::path& dehors) { fs::create_directory_symlink(dehors, b.t.dossier / "ftp"); }},
      {"tmp/ linked out", "tmp",
       [](Boutique& b, const fs::path& dehors) { fs::create_directory_symlink(dehors, b.t.dossier / "tmp"); }},
      {"a sheet's image linked out", "photo.jpg",
       [](Boutique& b, const fs::path& dehors) {
         b.fiche("a1", "Livres", "Romans", "Le Rouge", "Stendhal", {"image=photo.jpg"});
         fs::create_symlink(dehors / "1.txt", b.t.dossier / "photo.jpg");
       }},
      {"import/top.htm linked out", "import/top.htm",
       [](Boutique& b, const fs::path& dehors) {
         fs::create_directories(b.t.dossier / "import");
         fs::create_symlink(dehors / "1.txt", b.t.dossier / "import" / "top.htm");
       }},
      {"ftp/ and an image linked inside", nullptr,
       [](Boutique& b, const fs::path&) {
         fs::create_directories(b.t.dossier / "site");
         fs::create_directory_symlink("site", b.t.dossier / "ftp");
         b.ecrire("images/rouge.jpg", {"jpeg"});
         b.fiche("a1", "Livres", "Romans", "Le Rouge", "Stendhal", {"image=photo.jpg"});
         fs::create_symlink("images/rouge.jpg", b.t.dossier / "photo.jpg");
       }},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    testing_support::TempFolder dehors;
    for (const char* f : {"1.txt", "2.txt", "3.txt"}) dehors.write(f, "a moi\r\n");
    Boutique b;
    b.catalogue();
    c.preparer(b, dehors.path());
    b.construire();
    EXPECT_EQ(contenu(dehors.path()), (std::map<std::string, std::string>{
                                          {"1.txt", "a moi\r\n"}, {"2.txt", "a moi\r\n"}, {"3.txt", "a moi\r\n"}}));
    if (!c.lien) {
      EXPECT_EQ(b.messages(), Lignes{});
      EXPECT_NE(b.lire("site/livres-romans-0.htm").find("Nana"), std::string::npos);
      EXPECT_EQ(b.lire("site/photo.jpg"), "jpeg\r\n");
      continue;
    }
    EXPECT_EQ(b.messages(), Lignes{"Le lien symbolique " + (b.t.dossier / c.lien).string() +
                                   " mène hors du dossier de données " + b.t.dossier.path().string()});
  }
}
