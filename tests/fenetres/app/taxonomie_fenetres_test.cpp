// The category and theme dialogs as a user drives them: sort, delete, rename, and the repair
// command of the main window.

#include <gtest/gtest.h>

#include "fenetres/app/famille.h"
#include "fenetres/app/fenetre_tri_categories.h"
#include "fenetres/app/fenetre_tri_themes.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/modifcat.h"
#include "fenetres/app/modiftheme.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/menu.h"
#include "modele/app/renommage.h"
#include "modele/app/renommage_journal.h"
#include "support/programme_test.h"

using testing_support::ProgrammeDeTest;
using ui::Answer;

namespace {

void catalogue(ProgrammeDeTest& t) {
  t.dossier.write("categories", "Vaisselle\r\nLivres\r\n");
  t.dossier.write("Vaisselle.cto", "Bols\r\nTasses\r\n");
  t.dossier.write("Livres.cto", "Romans\r\n");
  t.dossier.write("Livres.fam", "famille=1\r\n");
  t.dossier.write("Livres_Romans.stl", "style_fiche=standard\r\nref_page=2\r\n");
  t.dossier.write("B1.ref", "categorie=Vaisselle\r\nreference=B1\r\ndescription=Bol\r\nmot_cle=Bols\r\n");
  t.dossier.write("ref.gen", "B1#Vaisselle#Bols#Bol##\r\n");
}

}  // namespace

TEST(TriCategories, DeletionRules) {
  const std::string enUsage = "Impossible de supprimer la catégorie Vaisselle\nutilisée par une ou plusieurs fiches";
  const std::string question = "Etes-vous sûr de vouloir supprimer la catégorie Livres";
  struct Cas {
    const char* nom;
    const char* categories;  // "" writes none beyond the catalogue's
    bool sansCto;
    std::vector<Answer> reponses;
    std::vector<std::string> messages;
    const char* categoriesApres;  // nullptr: the file is gone
    bool supprimee;
  } cas[] = {
      {"Vaisselle", "", false, {}, {enUsage}, "Vaisselle\r\nLivres\r\n", false},
      {"Livres", "", false, {Answer::No}, {question}, "Vaisselle\r\nLivres\r\n", false},
      {"Livres", "", false, {Answer::Cancel}, {question}, "Vaisselle\r\nLivres\r\n", false},
      {"Livres", "", false, {Answer::Yes}, {question}, "Vaisselle\r\n", true},
      {"Livres", "", true, {Answer::Yes}, {question}, "Vaisselle\r\n", true},
      {"Livres", "Livres\r\n", false, {Answer::Yes}, {question}, nullptr, true},
  };
  for (const auto& c : cas) {
    ProgrammeDeTest t;
    catalogue(t);
    t.dossier.write("ref.gen", "B1#vaisselle #Bols#Bol##\r\n");  // another case, a blank
    if (*c.categories) t.dossier.write("categories", c.categories);
    if (c.sansCto) std::filesystem::remove(t.dossier / "Livres.cto");
    t.demarrer();
    app::Tmain& main = t.p().main();
    main.ouvrirFicheListee("B1.ref");  // the sheet commands need a sheet
    t.dialogs.clear();
    app::Ttri_cat& tri = t.p().tri_cat();
    main.BitBtn8.click();
    ASSERT_TRUE(tri.visible());
    tri.tri_catego.setItemIndex(tri.tri_catego.indexOf(c.nom));
    for (Answer a : c.reponses) t.dialogs.queueAnswer(a);
    tri.supprimer.click();
    EXPECT_EQ(t.dialogs.messages(), c.messages) << c.nom;
    if (c.categoriesApres)
      EXPECT_EQ(t.dossier.read("categories"), c.categoriesApres) << c.nom;
    else
      EXPECT_FALSE(t.dossier.exists("categories"));
    EXPECT_EQ(t.dossier.exists("Livres.fam"), !c.supprimee);
    EXPECT_EQ(!t.dossier.exists("Livres.cto"), c.supprimee || c.sansCto);
    EXPECT_TRUE(t.dossier.exists("Livres_Romans.stl"));  // theme styles stay
    if (c.supprimee) {
      EXPECT_FALSE(tri.visible());
      EXPECT_EQ(main.PageControl1.activePage(), &main.menus);
      EXPECT_TRUE(t.p().menu1().visible());
    }
  }
}

TEST(TriThemes, DeletionRules) {
  ProgrammeDeTest t;
  catalogue(t);
  t.dossier.write("L1.ref", "categorie=Livres\r\nreference=L1\r\ndescription=Roman\r\nmot_cle=TASSES \r\n");
  t.dossier.write("ref.gen", "B1#Vaisselle#Bols#Bol##\r\nL1#Livres#TASSES #Roman##\r\n");
  t.demarrer();
  app::Tmain& main = t.p().main();
  app::Ttri_thems& tri = t.p().tri_thems();
  main.catego.type("Vaisselle");
  t.dialogs.clear();
  main.theme_suppr.click();
  ASSERT_TRUE(tri.visible());
  EXPECT_EQ(tri.nom_cat.caption(), "Catégorie : Vaisselle");
  // A theme named by a sheet of another category is in use too.
  tri.tri_themes.setItemIndex(1);
  tri.supprimer.click();
  EXPECT_EQ(t.dialogs.messages(), std::vector<std::string>{
                                      "Impossible de supprimer le thème Tasses\nutilisé par une ou plusieurs fiches"});
  EXPECT_EQ(t.dossier.read("Vaisselle.cto"), "Bols\r\nTasses\r\n");

  t.dossier.write("ref.gen", "");
  t.dialogs.clear();
  t.dialogs.queueAnswer(Answer::Yes);
  tri.tri_themes.setItemIndex(0);
  tri.supprimer.click();
  EXPECT_EQ(t.dossier.read("Vaisselle.cto"), "Tasses\r\n");
  EXPECT_EQ(main.themes.items(), std::vector<std::string>{"Tasses"});

  // The last theme stays: the category itself has to go.
  t.dialogs.clear();
  t.dialogs.queueAnswer(Answer::Yes);
  tri.tri_themes.setItemIndex(0);
  tri.supprimer.click();
  EXPECT_EQ(t.dialogs.messages(),
            (std::vector<std::string>{"Etes-vous sûr de vouloir supprimer le thème Tasses",
                                      "Il ne reste qu'un thème : dans ce cas il faut supprimer la catégorie Vaisselle"}));
  EXPECT_EQ(t.dossier.read("Vaisselle.cto"), "Tasses\r\n");
  EXPECT_EQ(tri.tri_themes.items(), std::vector<std::string>{"Tasses"});
  EXPECT_TRUE(tri.visible());
}

TEST(TriCategories, AlphaHautBasOkAndCancel) {
  ProgrammeDeTest t;
  catalogue(t);
  t.dossier.write("categories", "Vaisselle\r\nLivres\r\nAudio\r\n");
  t.demarrer();
  app::Tmain& main = t.p().main();
  main.ouvrirFicheListee("B1.ref");
  app::Ttri_cat& tri = t.p().tri_cat();
  using Items = std::vector<std::string>;

  // Cancel after "Alpha" keeps the file's order for the next opening.
  main.BitBtn8.click();
  tri.alpha.click();
  EXPECT_EQ(tri.tri_catego.items(), (Items{"Audio", "Livres", "Vaisselle"}));
  tri.annuler.click();
  EXPECT_EQ(t.dossier.read("categories"), "Vaisselle\r\nLivres\r\nAudio\r\n");
  main.BitBtn8.click();
  EXPECT_EQ(tri.tri_catego.items(), (Items{"Vaisselle", "Livres", "Audio"}));

  // "Bas" moves the selection with its line; nothing moves past the end.
  tri.tri_catego.setItemIndex(1);
  tri.bas.click();
  tri.bas.click();
  EXPECT_EQ(tri.tri_catego.items(), (Items{"Vaisselle", "Audio", "Livres"}));
  EXPECT_EQ(tri.tri_catego.itemIndex(), 2);
  tri.haut.click();
  EXPECT_EQ(tri.tri_catego.itemIndex(), 1);
  EXPECT_EQ(tri.tri_catego.items(), (Items{"Vaisselle", "Livres", "Audio"}));

  // "Alpha" and OK: saved sorted, the menu editor shown, and the next opening still sorted.
  tri.alpha.click();
  tri.ok.click();
  EXPECT_EQ(t.dossier.read("categories"), "Audio\r\nLivres\r\nVaisselle\r\n");
  EXPECT_FALSE(tri.visible());
  EXPECT_EQ(main.PageControl1.activePage(), &main.menus);
  t.dossier.write("categories", "Vaisselle\r\nAudio\r\nLivres\r\n");
  main.BitBtn8.click();
  EXPECT_EQ(tri.tri_catego.items(), (Items{"Audio", "Livres", "Vaisselle"}));
  tri.tri_catego.setItemIndex(0);
  tri.bas.click();  // a move by hand ends the alphabetical order
  tri.annuler.click();
  main.BitBtn8.click();
  EXPECT_EQ(tri.tri_catego.items(), (Items{"Vaisselle", "Audio", "Livres"}));
}

TEST(ModifierCategorie, RenamesFromTheDialogAndTheSheetOnScreenFollows) {
  ProgrammeDeTest t;
  catalogue(t);
  t.demarrer();
  app::Tmain& main = t.p().main();
  app::Tmodifcat1& dlg = t.p().modifcat1();
  main.ouvrirFicheListee("B1.ref");
  EXPECT_EQ(main.catego.text(), "Vaisselle");
  EXPECT_EQ(main.themes.text(), "Bols");
  main.BitBtn1.click();
  ASSERT_TRUE(dlg.visible());

  t.dialogs.clear();
  dlg.edit.setText("con");
  dlg.ok.click();
  EXPECT_EQ(dlg.edit.text(), "");
  EXPECT_EQ(t.dialogs.messages(), std::vector<std::string>{"Opération Impossible"});

  dlg.modif_catego.clickItem(0);
  dlg.edit.setText("Céramique");
  dlg.ok.click();
  EXPECT_FALSE(dlg.visible());
  EXPECT_EQ(main.catego.text(), "Céramique");
  EXPECT_EQ(main.themes.text(), "Bols");
  EXPECT_EQ(main.catego.items(), (std::vector<std::string>{"Céramique", "Livres"}));
  EXPECT_EQ(main.PageControl1.activePage(), &main.menus);
  EXPECT_EQ(dlg.fiches.items(), std::vector<std::string>{"B1.ref"});

  main.BitBtn1.click();
  dlg.modif_catego.pressKey(ui::key::Escape);
  EXPECT_FALSE(dlg.visible());
}

// A rename killed halfway is completed from its record when the program starts again.
TEST(ModifierCategorie, AKilledRenameIsCompletedAtStartUp) {
  struct Coupure {};
  ProgrammeDeTest t;
  catalogue(t);
  int operations = 0;
  EXPECT_THROW(app::renommerCategorie(platform::DataFolder(t.dossier.path()),
                                      {{"Vaisselle", "Livres"}, 0, "Céramique", '-'}, {},
                                      [&] { if (++operations == 3) throw Coupure{}; }),
               Coupure);
  t.demarrer();
  app::Tmain& main = t.p().main();
  EXPECT_EQ(main.catego.items(), (std::vector<std::string>{"Céramique", "Livres"}));
  EXPECT_EQ(t.dossier.read("ref.gen"), "B1#Céramique#Bols#Bol##\r\n");
  EXPECT_EQ(t.dossier.read("Céramique.cto"), "Bols\r\nTasses\r\n");
  EXPECT_FALSE(t.dossier.exists(app::nomJournalRenommage));
  EXPECT_TRUE(t.dialogs.messages().empty());
}

// A rename lets the front end paint as it goes, its count of sheets shown, while it reads the
// sheets and while it writes; the user's clicks meanwhile are refused, the rename's own dialog's too.
TEST(ModifierCategorie, KeepsTheWindowsPaintedAndRefusesTheUserMeanwhile) {
  ProgrammeDeTest t;
  catalogue(t);
  std::vector<std::string> vus;
  int refus = 0, pendantEcritures = 0;
  t.patienter = [&] {
    app::Tmain& main = t.p().main();
    vus.push_back(main.stats.panelText(2));
    if (t.dossier.exists(app::nomJournalRenommage)) ++pendantEcritures;
    for (ui::Control* c : std::initializer_list<ui::Control*>{&t.p().modifcat1().ok, &main.html}) {
      try {
        c->click();
      } catch (const ui::UnreachableControl&) {
        ++refus;
      }
    }
  };
  t.demarrer();
  app::Tmodifcat1& dlg = t.p().modifcat1();
  t.p().main().ouvrirFicheListee("B1.ref");
  t.p().main().BitBtn1.click();
  dlg.modif_catego.clickItem(0);
  dlg.edit.setText("Céramique");
  t.p().main().html.setEnabled(true);
  ASSERT_TRUE(t.p().main().html.reachable());
  dlg.ok.click();
  EXPECT_EQ(t.dialogs.messages(), std::vector<std::string>{});
  ASSERT_FALSE(vus.empty());
  EXPECT_EQ(vus.front(), "Traitement de 1 sur 1 fiches");
  EXPECT_GT(pendantEcritures, 0);
  EXPECT_EQ(refus, 2 * static_cast<int>(vus.size()));
  EXPECT_EQ(t.dossier.read("categories"), "Céramique\r\nLivres\r\n");
}

// The dialog renames in the category it listed, even when the main window shows another since.
TEST(ModifierTheme, KeepsTheCategoryItListed) {
  ProgrammeDeTest t;
  catalogue(t);
  t.demarrer();
  app::Tmain& main = t.p().main();
  app::Tmodiftheme1& dlg = t.p().modiftheme1();
  main.catego.type("Vaisselle");
  main.BitBtn11.click();
  EXPECT_EQ(dlg.themes.items(), (std::vector<std::string>{"Bols", "Tasses"}));
  dlg.themes.clickItem(1);
  EXPECT_EQ(dlg.ancienTheme, "Tasses");
  EXPECT_EQ(dlg.cadre.caption(), "Modifier Tasses");
  main.catego.type("Livres");
  dlg.edit.setText("Coupes");
  dlg.ok.click();
  EXPECT_EQ(t.dossier.read("Vaisselle.cto"), "Bols\r\nCoupes\r\n");
  EXPECT_EQ(t.dossier.read("Livres.cto"), "Romans\r\n");
  EXPECT_FALSE(dlg.visible());

  // Coming back to the dialog after the category changed lists the new one's themes.
  main.BitBtn11.click();
  EXPECT_EQ(dlg.themes.items(), std::vector<std::string>{"Romans"});
  main.catego.type("Vaisselle");
  main.show();
  dlg.activate();
  EXPECT_EQ(dlg.themes.items(), (std::vector<std::string>{"Bols", "Coupes"}));
}

// The repair's question and message are played by tests/scenarios/reparation.txt.
TEST(Reparation, ProgressAndCursorsAfterTheRepairAndFamilyCleanup) {
  ProgrammeDeTest t;
  catalogue(t);
  t.dossier.write("B1.ref", "categorie=Vaisselle\r\nfamille=0\r\nmot_cle=Bols\r\n");
  t.demarrer();
  app::Tmain& main = t.p().main();
  t.dialogs.queueAnswer(Answer::Yes);
  main.Reconstruirelesrfrences1.click();
  EXPECT_EQ(main.stats.panelText(2), "Traitement de 1 sur 1 fiches");
  EXPECT_EQ(main.cursor(), ui::Cursor::Default);
  EXPECT_EQ(main.PageControl1.activePage(), &main.fiche_produit);
  main.FamillesClick();
  EXPECT_EQ(t.dossier.read("B1.ref"), "categorie=Vaisselle\r\nmot_cle=Bols\r\n");
  EXPECT_FALSE(t.p().famille1().visible());
}
