#include "fenetres/frame/voir_menu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/frame/cadres_voisins.h"
#include "fenetres/frame/catal_index.h"
#include "support/programme_test.h"

using frame::Tvoir_menu1;
using frame::ValeursCadres;
using testing_support::ProgrammeDeTest;

namespace {

using Trace = std::vector<std::string>;

class Generateur : public ::testing::Test {
 protected:
  Generateur() {
    t.dossier.write("ident.opt", "nomE=Boutique\r\n");
    t.demarrer();
    voir().suivi = [this](std::string_view quoi) { trace.emplace_back(quoi); };
  }
  Tvoir_menu1& voir() { return t.p().voir_menu1(); }
  app::Tmain& main() { return t.p().main(); }
  void menu(std::string lignes) { t.dossier.write("menu.opt", "famille_titre=0\r\n" + lignes); }
  Trace lancer() {
    trace.clear();
    voir().faire_cadres();
    return trace;
  }
  ProgrammeDeTest t;
  Trace trace;
};

}  // namespace

TEST_F(Generateur, OneQuickListFileAloneRunsNoQuickList) {
  t.dossier.write("choix_liste.php", "<?php ?>");
  Trace vu = lancer();
  EXPECT_EQ(vu.front(), "recharger_options");
}

TEST_F(Generateur, RefreshReloadsTheRecordsFromTheirFiles) {
  menu("largeur_menu=200\r\n");
  t.dossier.write("ident.opt", "nomE=Nouvelle boutique\r\ntel=0102\r\n");
  t.dossier.write("catalogue.opt", "mentionE=Bon pour accord\r\n");
  main().styleTitreCategorie = "styleTITRE";
  lancer();
  EXPECT_EQ(t.p().menu1().options.largeur_menu, "200");
  EXPECT_EQ(t.p().ident().identite.nomE, "Nouvelle boutique");
  EXPECT_EQ(main().styleTitreCategorie, "");
  // The offline catalogue settings are read only for an offline build.
  EXPECT_EQ(t.p().catal_ini().mentionE.text(), "Signature :");
  main().catalC.setChecked(true);
  lancer();
  EXPECT_EQ(t.p().catal_ini().mentionE.text(), "Bon pour accord");
}

TEST_F(Generateur, TheRunLeavesTheMenuOptionsAsLoaded) {
  menu("liste_dynamique=oui\r\nfamille_titre=1\r\n");
  main().options.frames = "oui";
  lancer();
  EXPECT_EQ(t.p().menu1().options.liste_dynamique, "oui");
  // A save of the menu editor after the run keeps the drop-down menu.
  t.p().menu1().sauverMenu();
  EXPECT_NE(t.dossier.read("menu.opt").find("\r\nliste_dynamique=oui\r\n"), std::string::npos);
}

TEST_F(Generateur, ImportFilesAreCopiedIntoFtpOverWhatWasThere) {
  t.dossier.write("ftp/emploi.htm", "genere");
  t.dossier.write("import/emploi.htm", "a moi");
  t.dossier.write("import/LISEZMOI", "sans point");
  t.dossier.write("import/.cache", "cache");
  t.dossier.write("import/sous/page.htm", "sous-dossier");
  lancer();
  EXPECT_EQ(t.dossier.read("ftp/emploi.htm"), "a moi");
  EXPECT_EQ(t.dossier.read("ftp/LISEZMOI"), "sans point");
  EXPECT_EQ(t.dossier.read("ftp/.cache"), "cache");
  EXPECT_FALSE(t.dossier.exists("ftp/sous/page.htm"));
  EXPECT_FALSE(std::filesystem::exists(t.dossier / "ftp/sous"));
  // Without an import folder the run still makes ftp/.
  std::filesystem::remove_all(t.dossier / "ftp");
  std::filesystem::remove_all(t.dossier / "import");
  lancer();
  EXPECT_TRUE(std::filesystem::is_directory(t.dossier / "ftp"));
}

TEST_F(Generateur, MenuWidthThatIsNoWholeNumberEndsTheRunAtTheSharedValues) {
  struct Cas {
    const char *largeur, *marges;
  } cas[] = {{"abc", ""}, {"12.5", ""}, {"150", "dix"}};
  for (const Cas& c : cas) {
    menu(std::string("largeur_menu=") + c.largeur + "\r\n");
    main().options.options.marges_mg = c.marges;
    t.dossier.write("import/page.htm", "x");
    std::filesystem::remove(t.dossier / "ftp/page.htm");
    main().options.frames = "oui";
    EXPECT_THROW(voir().faire_cadres(), frame::ErreurEntier) << c.largeur;
    // The import copy came first and stays; the entry pages that follow are not written.
    EXPECT_TRUE(t.dossier.exists("ftp/page.htm")) << c.largeur;
    EXPECT_FALSE(t.dossier.exists("ftp/index2.htm")) << c.largeur;
  }
}

TEST_F(Generateur, SharedValuesOfTheRun) {
  design::TOptionsMenu& m = t.p().menu1().options;
  m = {};
  m.coul_items = "#000080", m.fond_items = "#FFFFFF", m.police_items = "Arial";
  m.gras_items = "oui", m.italique_items = "", m.souligne_items = "non", m.taille_items = "12";
  m.coul_over_items = "black", m.fond_over = "#BBBBBB", m.police_over = "Verdana";
  m.gras_over = "non", m.italique_over = "oui", m.souligne_over = "oui", m.taille_over = "13";
  m.encadrement_menu = "carre", m.largeur_menu = "150", m.hauteur_top = "80";
  main().options.options.marges_mg = "10";
  ValeursCadres v;
  voir().preparer_styles(v);
  EXPECT_EQ(v.largeurMenuInterieure, "138");
  EXPECT_EQ(v.largeurColonneMenu, 180);
  EXPECT_EQ(v.hauteurCadreTop, 80);
  EXPECT_EQ(v.styleItems,
            "FONT-FAMILY: Arial; FONT-SIZE: 12px; COLOR: #000080; BACKGROUND-COLOR: #FFFFFF; "
            "FONT-WEIGHT: bold; TEXT-DECORATION: none; ");
  EXPECT_EQ(v.styleItemsSurvol,
            "FONT-FAMILY: Verdana; FONT-SIZE: 13px; BACKGROUND-COLOR: #BBBBBB; COLOR: black; "
            "FONT-WEIGHT: normal; TEXT-DECORATION: underline; FONT-STYLE: italic; ");
  EXPECT_EQ(v.texteBulle, "");

  m.encadrement_menu = "transparent";
  m.hauteur_top = "soixante";
  m.largeur_menu = "080";
  main().options.options.marges_mg = "";
  voir().preparer_styles(v);
  EXPECT_EQ(v.largeurMenuInterieure, "78");
  EXPECT_EQ(v.hauteurCadreTop, 0);
  EXPECT_EQ(v.styleItems,
            "FONT-FAMILY: Arial; FONT-SIZE: 12px; COLOR: #000080; "
            "FONT-WEIGHT: bold; TEXT-DECORATION: none; ");
}

TEST_F(Generateur, TooltipTextFromTheBulleSection) {
  t.dossier.write("bulle.vub", "  D\xE9lais de livraison \r\n48 heures\r\n\t<b>France</b>\r\n");
  ValeursCadres v;
  voir().preparer_styles(v);
  EXPECT_EQ(v.texteBulle, "D\xE9lais de livraison<br>48 heures<br><b>France</b><br>");
}

TEST_F(Generateur, FirstPageOfACategory) {
  // Without categories nothing changes.
  voir().categorieCourante = Tvoir_menu1::kAucuneCategorie;
  voir().tableauPremierePage = "avant.htm";
  voir().premiere_page_categorie();
  t.dossier.write("categories", "");
  voir().premiere_page_categorie();
  EXPECT_EQ(voir().categorieCourante, Tvoir_menu1::kAucuneCategorie);
  EXPECT_EQ(voir().tableauPremierePage, "avant.htm");
  t.dossier.write("categories", "Livres\r\nDisques\r\nVide\r\nBlancs\r\n");
  t.dossier.write("Livres.cto", "Romans policiers\r\nContes\r\n");
  t.dossier.write("Disques.cto", "Jazz\r\n");
  t.dossier.write("Vide.cto", "");
  t.dossier.write("Blancs.cto", "\r\n  Contes  \r\n");
  struct Cas {
    const char* sepurl, *categorie, *avant, *page, *categorieApres;  // categorie nullptr: none yet
  } cas[] = {
      {"-", "Livres", "", "livres-romans-policiers-0.htm", "Livres"},
      {"_", "Livres", "", "livres_romans_policiers0.htm", "Livres"},
      {"-", nullptr, "", "livres-romans-policiers-0.htm", "Livres"},
      {"-", "Disques", "x.htm", "disques-jazz-0.htm", "Disques"},
      // Without a usable theme the earlier result stays.
      {"-", "Vide", "disques-jazz-0.htm", "disques-jazz-0.htm", "Vide"},
      {"-", "Inconnue", "x.htm", "x.htm", "Inconnue"},
      {"-", "livres", "x.htm", "x.htm", "livres"},
      // Theme lines name pages as they stand, as the build names them; blank ones are skipped.
      {"-", "Blancs", "", "blancs---contes-0.htm", "Blancs"},
      {"_", "Blancs", "", "blancs___contes0.htm", "Blancs"},
  };
  for (const Cas& c : cas) {
    main().options.options.sepurl = c.sepurl;
    voir().categorieCourante = c.categorie ? c.categorie : Tvoir_menu1::kAucuneCategorie;
    voir().tableauPremierePage = c.avant;
    voir().premiere_page_categorie();
    EXPECT_EQ(voir().tableauPremierePage, c.page) << (c.categorie ? c.categorie : "none");
    EXPECT_EQ(voir().categorieCourante, c.categorieApres);
  }
  EXPECT_EQ(voir().premierePage("Vide"), "");
}

TEST_F(Generateur, CategoriesOfAFamilyWithoutTitlesAreEveryCategory) {
  main().catego.setItems({"Livres", "Disques"});
  t.p().menu1().options.famille_titre = "1";
  ValeursCadres v;
  voir().positionFamilleMenu = 2;
  voir().lister_categories_famille(v);
  EXPECT_EQ(voir().fitems.items(), (std::vector<std::string>{"Livres", "Disques"}));
  EXPECT_EQ(v.famille_titre, "1");
  EXPECT_FALSE(voir().fitems.visible());
}

TEST_F(Generateur, CategoriesOfAFamilyWithTitlesFollowTheMenuOrder) {
  // Families 0, 1 and 2 have categories; the menu shows them as Audio, Livres, Produits.
  t.dossier.write("categories", "Romans\r\nJazz\r\nDivers\r\nBD\r\nRock\r\nSans\r\n");
  for (auto [categorie, famille] : {std::pair{"Romans", "1"}, {"Jazz", "2"}, {"Divers", "0"},
                                    {"BD", "1"}, {"Rock", "2"}, {"Sans", "9"}})
    t.dossier.write(std::string(categorie) + ".fam", std::string("famille=") + famille + "\r\n");
  menu("fam0=2\r\nfam1=1\r\nfam2=0\r\n");
  t.p().menu1().chargerFamillesMenu();
  main().catego.setItems({"Romans", "Jazz", "Divers", "BD", "Rock", "Sans"});
  struct Cas {
    int position;
    std::vector<std::string> categories;
  } cas[] = {{0, {"Jazz", "Rock"}}, {1, {"Romans", "BD"}}, {2, {"Divers"}}, {3, {"Divers"}},
             {-1, {"Divers"}}};
  for (const Cas& c : cas) {
    ValeursCadres v;
    voir().positionFamilleMenu = c.position;
    voir().lister_categories_famille(v);
    EXPECT_EQ(voir().fitems.items(), c.categories) << c.position;
    EXPECT_EQ(v.famille_titre, "0") << c.position;
  }
  // Without an order of its own the menu lists the families in their order.
  t.p().menu1().remplirFamilles();
  ValeursCadres v;
  voir().positionFamilleMenu = 0;
  voir().lister_categories_famille(v);
  EXPECT_EQ(voir().fitems.items(), (std::vector<std::string>{"Divers"}));
}

TEST(FamilleALaPosition, TheTitlesOwnFamilyNumberElseTheFirstFamily) {
  struct Cas {
    std::vector<int> numeros;
    int position, famille;
  } cas[] = {
      {{2, 0}, 0, 2}, {{2, 0}, 1, 0}, {{3}, 0, 3}, {{1, 3}, 1, 3},
      {{2}, 4, 0},    {{2}, -1, 0},   {{2}, 1, 0}, {{7}, 0, 0},
  };
  for (const Cas& c : cas)
    EXPECT_EQ(frame::familleALaPosition(c.numeros, c.position), c.famille) << c.position;
}

TEST_F(Generateur, TwoFamiliesOfTheSameNameKeepTheirOwnCategories) {
  // Families 1 and 3 are both named "Livres" in the main settings.
  t.dossier.write("categories", "Romans\r\nContes\r\n");
  t.dossier.write("Romans.fam", "famille=1\r\n");
  t.dossier.write("Contes.fam", "famille=3\r\n");
  main().famille.setItems({"Produits", "Livres", "Audio", "Livres"});
  t.p().styleP().services.setText("Livres");
  menu("fam0=1\r\nfam1=3\r\n");
  t.p().menu1().chargerFamillesMenu();
  for (auto [position, categorie] : {std::pair{0, "Romans"}, {1, "Contes"}}) {
    ValeursCadres v;
    voir().positionFamilleMenu = position;
    voir().lister_categories_famille(v);
    EXPECT_EQ(voir().fitems.items(), std::vector<std::string>{categorie}) << position;
  }
}

TEST_F(Generateur, CopyToFtpOnlyWhatExistsInsideTheDataFolder) {
  t.dossier.write("logo.gif", "GIF89a");
  t.dossier.write("ftp/logo.gif", "ancien");
  for (const char* nom : {"logo.gif", "absent.gif", "", "../logo.gif"}) {
    voir().fichierVersFtp = nom;
    voir().copie_vers_ftp();
  }
  EXPECT_EQ(t.dossier.read("ftp/logo.gif"), "GIF89a");
  EXPECT_FALSE(t.dossier.exists("ftp/absent.gif"));
}

TEST(RoutinesVoirMenu, QuotesAndWholeNumbers) {
  EXPECT_EQ(frame::enleve_guillemets("dit \"oui\" \x93ok\x94"), "dit  oui  \x93ok\x94");
  EXPECT_EQ(frame::entierStrict(" 120 "), 120);
  EXPECT_EQ(frame::entierStrict("-5"), -5);
  for (const char* faux : {"", "12px", "0x10", "1.0", "abc"})
    EXPECT_THROW(frame::entierStrict(faux), frame::ErreurEntier) << faux;
}
