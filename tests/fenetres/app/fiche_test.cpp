#include "fenetres/app/fiche.h"

#include <gtest/gtest.h>

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/infopages/accueil.h"
#include "platform/gif.h"
#include "support/programme_test.h"
#include "ui/form.h"

#include <set>

using testing_support::ProgrammeDeTest;

namespace {

class MainWindow : public ::testing::Test {
 protected:
  MainWindow() {
    t.dossier.write("ident.opt", "nomE=Boutique\r\n");
    t.demarrer();
  }
  app::Tmain& main() { return t.p().main(); }
  ProgrammeDeTest t;
};

}  // namespace

TEST(Programme, CreatesEveryWindowOnceInOrderWithTheMainWindowFirst) {
  ProgrammeDeTest t;
  auto& p = t.creer();
  const auto& forms = p.application().forms();
  ASSERT_EQ(forms.size(), 47u);
  EXPECT_EQ(forms.front()->className(), "Tmain");
  EXPECT_EQ(forms[17]->className(), "Tvoir_menu1");
  EXPECT_EQ(forms.back()->className(), "TstyleMDyn");
  for (ui::Form* f : forms) {
    EXPECT_FALSE(f->visible()) << f->className();
    EXPECT_EQ(p.fenetre(f->className()), f);
  }
  EXPECT_EQ(p.main().colour(), 0x808080u);
  EXPECT_EQ(p.main().caption(), "tarvio");
  // The new-product button and its list of named lists start hidden.
  EXPECT_EQ(p.main().find("newC")->kind(), ui::Kind::ComboBox);
  for (const char* c : {"newC", "newprodB"}) EXPECT_FALSE(p.main().find(c)->visible()) << c;
}

// What the navigation buttons leave behind besides the window they open.
TEST_F(MainWindow, NavigationButtonsSetTheModeOfTheWindowTheyOpen) {
  auto cliquer = [&](ui::Control& c) {
    for (ui::Form* f : t.p().application().forms())
      if (f != &main()) f->hide();
    main().PageControl1.setActivePage(main().menus);
    main().activate();
    c.setEnabled(true);
    c.click();
  };
  cliquer(main().b_chanteur);
  EXPECT_EQ(main().modeAuteurs, "2");
  EXPECT_EQ(main().b_chanteur.caption(), "Chanteurs");
  cliquer(main().b_auteur);
  EXPECT_EQ(main().modeAuteurs, "1");
  cliquer(main().BitBtn1);
  EXPECT_TRUE(main().rechargerMenu);
  cliquer(main().b_promo);
  EXPECT_EQ(t.p().accueil1().PageControl1.activePage(), &t.p().accueil1().Tab_promo);
  EXPECT_EQ(main().PageControl1.activePage(), &main().p_accueil);
}

TEST_F(MainWindow, AdviceMessagesAndRefusals) {
  main().bsauve.click();
  main().pbP.click();
  main().BitBtn24.click();
  main().Modificationdesprix1.click();
  main().tableau.setChecked(true);
  main().liensB.click();
  main().options.frames = "oui";
  main().Lhtm.click();
  auto m = t.dialogs.messages();
  ASSERT_EQ(m.size(), 6u);
  EXPECT_EQ(m[0],
            "Nous conseillons de faire une sauvegarde régulière du répertoire COMPLET de Tarvio\r"
            "de préférence sur un deuxième disque dur et/ou sur une clé USB.\r"
            "Sur CD les données seront enregistrées en lecture seule : pensez à modifier les "
            "attributs une fois les données récupérées\r"
            "Une autre solution est de zipper le répertoire avant de l'enregistrer.\r");
  EXPECT_TRUE(m[1].ends_with("zone Ordinateur local"));
  EXPECT_EQ(m[2],
            "Par défaut seules les images en .jpg sont acceptées. Vous pouvez forcer d'autres "
            "extensions en terminant le nom de vos images par img, par exemple image-img.gif.");
  EXPECT_EQ(m[3], "Aucune fiche disponible");
  EXPECT_EQ(m[4], "Fonction uniquement en mode standard");
  EXPECT_EQ(m[5], "Fonction non prévue avec une construction en frames [voir style]");
}

TEST_F(MainWindow, TickingImportChoosesTheFramesetAndNeedsTheShopsEntryPage) {
  // Without the page the tick is refused and the saved layout holds.
  t.dossier.write("frames.inf", "frames=non\r\n");
  main().options.frames = "non";
  main().importC.click();
  EXPECT_EQ(t.dialogs.messages(),
            std::vector<std::string>{"Aucune page d'index à importer n'est présente dans le "
                                     "répertoire " +
                                     t.p().chemin("import/index.htm").string()});
  EXPECT_FALSE(main().importC.checked());
  EXPECT_EQ(main().options.frames, "non");

  t.dossier.write("import/index.htm", "<HTML>\r\n");
  main().options.frames = "non";
  main().importC.click();
  EXPECT_TRUE(main().importC.checked());
  EXPECT_EQ(main().options.frames, "oui");
  // Unticking gives the saved layout back.
  main().importC.click();
  EXPECT_EQ(main().options.frames, "non");
  EXPECT_EQ(t.dialogs.messages().size(), 1u);
}

TEST_F(MainWindow, TheHelpLinksAndTheSheetPageOpenInTheBrowser) {
  main().aideB.click();
  main().FAQ1.click();
  main().options.frames = "non";
  t.dossier.write("ftp/robes-0.htm", "<HTML></HTML>\r\n");
  main().Lhtm.setCaption("robes-0.htm");
  main().Lhtm.click();
  ASSERT_EQ(t.shell.opened.size(), 3u);
  EXPECT_EQ(t.shell.opened[2], (t.dossier.path() / "ftp" / "robes-0.htm").string());

  // The name comes from listeHTM.tmp: nothing outside the built site is opened.
  t.dossier.write("secret.txt", "x");
  for (const char* nom : {"/etc/passwd", "../secret.txt", "../../x", "ftp/../secret.txt",
                          "C:\\Windows\\x.htm", "absente.htm"}) {
    t.dialogs.clear();
    main().Lhtm.setCaption(nom);
    main().Lhtm.click();
    EXPECT_EQ(t.dialogs.messages(),
              std::vector<std::string>{std::string("La page ") + nom + " n'est pas une page du site construit"});
  }
  EXPECT_EQ(t.shell.opened.size(), 3u);
}

TEST_F(MainWindow, ImageImportRenamesAsksBeforeReplacingAndRereadsTheList) {
  testing_support::TempFolder ailleurs;
  // A picture is known by its content: a GIF under a .JPG name is one.
  auto image = [&](const char* nom, int largeur) {
    EXPECT_TRUE(platform::writeGif(ailleurs / nom,
                                   platform::quantize(platform::Bitmap(largeur, 4)), -1));
    return ailleurs.read(nom);
  };
  const std::string neuve = image("Photo Été.JPG", 10);
  t.dialogs.queueFile(ailleurs / "Photo Été.JPG");
  main().BitBtn18.click();
  EXPECT_EQ(t.dialogs.messages(), std::vector<std::string>{"Nom de l'image modifié en photo-ete"});
  EXPECT_EQ(t.dossier.read("photo-ete.JPG"), neuve);
  EXPECT_EQ(main().listejpg.items(), std::vector<std::string>{"photo-ete.JPG"});

  // Same name again: No keeps the old file.
  const std::string autre = image("Photo Été.JPG", 20);
  t.dialogs.clear();
  t.dialogs.queueFile(ailleurs / "Photo Été.JPG");
  t.dialogs.queueAnswer(ui::Answer::No);
  main().BitBtn18.click();
  EXPECT_EQ(t.dialogs.messages().back(), "Une image existe déjà sous ce nom. Désirez-vous la remplacer ?");
  EXPECT_EQ(t.dossier.read("photo-ete.JPG"), neuve);
  t.dialogs.queueFile(ailleurs / "Photo Été.JPG");
  t.dialogs.queueAnswer(ui::Answer::Yes);
  main().BitBtn18.click();
  EXPECT_EQ(t.dossier.read("photo-ete.JPG"), autre);

  // A name already plain is copied without a word; a copy that fails is reported.
  t.dialogs.clear();
  image("logoimg.gif", 5);
  t.dialogs.queueFile(ailleurs / "logoimg.gif");
  main().BitBtn18.click();
  EXPECT_TRUE(t.dialogs.messages().empty());
  std::filesystem::remove(t.dossier / "logoimg.gif");
  std::filesystem::create_directory(t.dossier / "logoimg.gif");  // in the way of the copy
  t.dialogs.queueFile(ailleurs / "logoimg.gif");
  main().BitBtn18.click();
  ASSERT_EQ(t.dialogs.messages().size(), 1u);
  EXPECT_TRUE(t.dialogs.messages()[0].starts_with("L'image n'a pas pu être copiée"));
  EXPECT_TRUE(t.dialogs.allAnswersUsed());
}

// A file that is no picture, or none at all, is refused before anything is copied.
TEST_F(MainWindow, ImageImportRefusesAFileThatIsNoPicture) {
  testing_support::TempFolder ailleurs;
  ailleurs.write("faux.jpg", "du texte\r\n");
  ailleurs.write("vide.jpg", "");
  ailleurs.write("coupeeimg.gif", "GIF89a");
  for (const char* nom : {"faux.jpg", "vide.jpg", "coupeeimg.gif", "absente.jpg"}) {
    t.dialogs.clear();
    t.dialogs.queueFile(ailleurs / nom);
    main().BitBtn18.click();
    EXPECT_EQ(t.dialogs.messages(),
              std::vector<std::string>{std::string("Le fichier ") + nom +
                                       " n'est pas une image lisible (JPEG ou GIF)"});
    EXPECT_FALSE(t.dossier.exists(nom)) << nom;
  }
  EXPECT_TRUE(main().listejpg.items().empty());
}

TEST_F(MainWindow, EveryActivationMakesTheWorkingFoldersAndDropsTheOldHelpFile) {
  t.dossier.write("aide.hlp", "x");
  std::filesystem::remove_all(t.dossier / "vignettes");
  t.p().ident().show();
  main().activate();
  EXPECT_FALSE(t.dossier.exists("aide.hlp"));
  EXPECT_TRUE(t.dossier.exists("vignettes"));
  EXPECT_TRUE(t.dossier.exists("vibdd"));
  EXPECT_TRUE(main().scriptB.visible());  // no login yet
  EXPECT_FALSE(main().etatB.visible());
  t.dossier.write("etat.txt", "");
  t.p().ident().show();
  main().activate();
  EXPECT_TRUE(main().etatB.visible());
}

TEST_F(MainWindow, TheShowReadsTheOrderScriptAndTheSheetBoxes) {
  for (const char* url : {"PRO.PHP", "pro.php"}) {
    ProgrammeDeTest u;
    u.creer();
    u.p().styleP().url_cgi.setText(url);
    app::Tmain& m = u.p().main();
    using F = app::TFicheProduit;
    struct {
      ui::Edit& boite;
      std::string F::*variable;
    } boites[] = {{m.referencer, &F::reference}, {m.descriptionT, &F::description},
                  {m.auteurT, &F::auteur},       {m.prixT, &F::prix},
                  {m.ecotaxeE, &F::pecotaxe},    {m.ecotaxeAE, &F::pecotaxeA},
                  {m.ecotaxeBE, &F::pecotaxeB},  {m.ecotaxeCE, &F::pecotaxeC}};
    for (auto& b : boites) b.boite.setText(b.boite.name());
    m.show();
    bool pro = std::string(url) == "pro.php";
    EXPECT_EQ(m.panierPro, pro ? "oui" : "");
    EXPECT_EQ(m.auteur_nom.font().bold, pro);
    for (auto& b : boites) EXPECT_EQ(m.fiche.*b.variable, b.boite.name());
  }
}

// The buttons and boxes speak French: none keeps the English caption of a toolkit's stock button.
TEST(Programme, NoControlHasAnEnglishStockCaption) {
  ProgrammeDeTest t;
  auto& p = t.creer();
  const std::set<std::string> anglais{"Cancel", "Close", "Yes", "No", "Help", "Browse", "Apply",
                                      "Open", "Save", "Delete", "Abort", "Retry", "Ignore"};
  for (ui::Form* f : p.application().forms())
    for (ui::Control* c : f->controls())
      EXPECT_FALSE(anglais.contains(c->caption())) << f->className() << "." << c->name();
}

TEST_F(MainWindow, ClosingEndsTheProcessWithCodeFour) {
  main().Quitter1.click();
  EXPECT_TRUE(t.sortie.exited);
  EXPECT_EQ(t.sortie.code, 4);
}

TEST_F(MainWindow, HiddenTabsCannotBeChosenUntilASheetIsActive) {
  EXPECT_THROW(main().PageControl1.selectTab(main().style_f.pageIndex()), ui::UnreachableControl);
}

TEST_F(MainWindow, RefreshingTheListLoadsTheFirstSheetOnlyAfterADeletion) {
  t.dossier.write("b.ref", "reference=b\r\n");
  t.dossier.write("a.ref", "reference=a\r\n");
  t.dossier.write("newprod.ref", "");  // the new-products marker is no sheet
  main().PageControl1.setActivePage(main().meta1);
  main().rafraichirListeFiches();
  EXPECT_EQ(main().liste_fiches.items(), (std::vector<std::string>{"a.ref", "b.ref"}));
  EXPECT_TRUE(main().cheminFiche.empty());
  main().rechargerPremiereFiche = true;
  main().rafraichirListeFiches();
  EXPECT_EQ(main().cheminFiche, t.dossier / "a.ref");
  EXPECT_EQ(main().PageControl1.activePage(), &main().fiche_produit);
  EXPECT_FALSE(main().rechargerPremiereFiche);

  std::filesystem::remove(t.dossier / "a.ref");
  std::filesystem::remove(t.dossier / "b.ref");
  main().cheminFiche.clear();
  main().rechargerPremiereFiche = true;
  main().rafraichirListeFiches();
  EXPECT_TRUE(main().cheminFiche.empty());
  EXPECT_FALSE(main().rechargerPremiereFiche);
}

TEST_F(MainWindow, OrganiserFromTheHomeTabBringsTheHomeEditorBackFirst) {
  for (ui::Form* f : t.p().application().forms())
    if (f != &main()) f->hide();
  main().PageControl1.setActivePage(main().p_accueil);
  main().Borga.click();
  EXPECT_TRUE(t.p().fenetre("Taccueil1")->visible());
  EXPECT_TRUE(t.p().fenetre("Torga")->active());
  EXPECT_EQ(main().PageControl1.activePage(), &main().p_accueil);
}

TEST_F(MainWindow, OpeningASheetWithAStyleOfItsOwnMarksTheStyleButton) {
  t.dossier.write("a.ref", "reference=a\r\n");
  t.dossier.write("b.ref", "reference=b\r\n");
  t.dossier.write("a.typ", "x\r\n");
  main().liste_fiches.update();
  struct Cas {
    int index;
    const char* caption;
    ui::Colour colour;
    bool bold;
  } cas[] = {{0, "FICHE SEULE", ui::clRed, true}, {1, "Style", ui::clBlack, false}};
  for (const auto& c : cas) {
    main().PageControl1.setActivePage(main().meta1);
    main().liste_fiches.clickItem(c.index);
    EXPECT_EQ(main().cheminFiche, t.dossier / main().liste_fiches.items()[c.index]);
    EXPECT_EQ(main().PageControl1.activePage(), &main().fiche_produit);
    EXPECT_EQ(main().formes.caption(), c.caption);
    EXPECT_EQ(main().formes.font().colour, c.colour);
    EXPECT_EQ(main().formes.font().bold, c.bold);
  }
}

TEST(MainWindowStart, EcotaxAndWeightEditsFollowTheMainSettingsFromTheStart) {
  for (bool oui : {false, true}) {
    ProgrammeDeTest t;
    t.dossier.write("ident.opt", "nomE=Boutique\r\n");
    t.dossier.write("styleP", oui ? "ecotaxe=oui\r\npoids=oui\r\n" : "ecotaxe=non\r\npoids=non\r\n");
    t.demarrer();
    for (ui::Edit* e : {&t.p().main().ecotaxeE, &t.p().main().poidsCE})
      EXPECT_EQ(e->visible(), oui) << e->name();
  }
}

TEST_F(MainWindow, TheSearchEngineLauncherStartsTheNewestModuleInTheDataFolder) {
  t.dossier.write("moteur.exe", "");
  t.dossier.write("moteur_v3.exe", "");
  main().bmoteur.click();
  ASSERT_EQ(t.shell.ran.size(), 1u);
  EXPECT_EQ(t.shell.ran[0].filename(), "moteur_v3.exe");
}

TEST(MainWindowStart, AShippedFileThatCannotBeWrittenIsToldInTheErrorBoxAndTheProgramStarts) {
  ProgrammeDeTest t;
  t.dossier.write("ident.opt", "nomE=Boutique\r\n");
  t.dossier.write("puces", "un fichier à la place du dossier");
  app::Environment env{t.dossier.path(), t.dialogs, t.shell, t.sortie, t.horloge, "tarvio"};
  env.apporterFournitures = true;
  app::Programme p(std::move(env));
  p.demarrer();
  EXPECT_TRUE(p.main().visible());
  ASSERT_EQ(t.dialogs.shown().size(), 1u);
  EXPECT_EQ(t.dialogs.shown()[0].kind, ui::MessageKind::Error);
  EXPECT_EQ(t.dialogs.shown()[0].title, "tarvio");
}
