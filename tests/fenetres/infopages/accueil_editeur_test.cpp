#include "fenetres/infopages/accueil.h"

#include <gtest/gtest.h>

#include "fenetres/app/fiche.h"
#include "platform/files.h"
#include "ui/scripted_dialogs.h"
#include "support/programme_test.h"

using testing_support::ProgrammeDeTest;

namespace {

struct Editeur : ProgrammeDeTest {
  Editeur() { demarrer(); }
  infopages::Taccueil1& a() { return p().accueil1(); }
  std::string opt(const char* cle) {
    return platform::LineList::load(dossier / "accueil.opt").value(cle);
  }
};

}  // namespace

// Unsaved edits survive a writer's reload and a new activation; a save or a model load ends them.
TEST(AccueilEditeur, UnsavedEditsSurviveReloadsUntilSaved) {
  Editeur e;
  e.dossier.write("accueil.opt", "titre_intro=Avant\r\ntaille_intro=13\r\n");
  e.a().ouvre();
  e.a().titreEDIT.type("Après");
  e.a().Taille.up();
  ASSERT_TRUE(e.a().modifie());
  e.a().ouvre();
  e.a().FormActivate();
  EXPECT_EQ(e.a().options.titre_intro, "Après");
  EXPECT_EQ(e.a().options.taille_intro, "14");
  e.a().ok_bouton.click();
  EXPECT_FALSE(e.a().modifie());
  EXPECT_EQ(e.opt("titre_intro"), "Après");

  e.dossier.write("m.amd", "titre_intro=Modèle\r\n");
  e.a().titreEDIT.type("Brouillon");
  e.dialogs.queueFile(e.dossier / "m.amd");
  e.dialogs.queueAnswer(ui::Answer::No);
  e.a().ouvrirMClick();  // the model buttons are not offered
  EXPECT_EQ(e.dialogs.messages(),
            std::vector<std::string>{"Enregistrer les modifications de la page d'accueil ?"});
  EXPECT_EQ(e.opt("titre_intro"), "Après");
  EXPECT_EQ(e.a().titreEDIT.text(), "Modèle");
  EXPECT_EQ(e.a().modeleN.caption(), "Modèle : m.amd");
}

TEST(AccueilEditeur, LeavingTheEditsWritesTheirFiles) {
  Editeur e;
  e.dossier.write("BOL01.ref", "reference=BOL01\r\n");
  e.a().refVitrine = "BOL01";
  e.a().descriptionVitrine = "Bol";
  e.a().Bok.click();
  e.a().listepromo.clickItem(0);
  e.a().Mtexte.type("Un bol");
  e.a().Mtexte.onExit();
  EXPECT_EQ(e.dossier.read("BOL01.acc"), "Un bol\r\n");

  e.a().rubriques.addItem("Horaires");
  e.a().rubriques.setItemIndex(e.a().rubriques.count() - 1);
  e.a().rubriquesClick();
  e.a().lienT.type("horaires.htm");
  e.a().lienT.onExit();
  e.a().memoR.type("Ouvert le lundi");
  e.a().memoR.onExit();
  EXPECT_EQ(platform::LineList::load(e.dossier / "horaires.acc").value("lien"), "horaires.htm");
  EXPECT_EQ(e.dossier.read("horaires.rub"), "Ouvert le lundi\r\n");
}

// Refusals that keep files whole: no sheet open, a removed section's text, a section's memo
// after the removal.
TEST(AccueilEditeur, RefusalsAndRemovalsKeepFiles) {
  Editeur e;
  e.a().refVitrine.clear();
  e.a().Bok.click();
  EXPECT_EQ(e.dialogs.messages().back(),
            "Aucune fiche n'est ouverte : il n'y a pas de produit à ajouter");
  EXPECT_EQ(e.a().listeref.count(), 0);

  e.dossier.write("horaires.rub", "Texte d'avant\r\n");
  e.a().ajouter.type("Horaires");
  e.a().Bajout.click();
  EXPECT_EQ(e.dossier.read("horaires.rub"), "Texte d'avant\r\n");
  e.a().rubriques.setItemIndex(e.a().rubriques.indexOf("Horaires"));
  e.a().rubriquesClick();
  e.a().panierR.click();
  e.a().memoR.onExit();
  EXPECT_EQ(e.a().rubriques.itemIndex(), 0);
  EXPECT_EQ(e.dossier.read("horaires.rub"), "Texte d'avant\r\n");
  EXPECT_NE(e.dossier.read("titre.rub"), "Texte d'avant\r\n");
}

TEST(AccueilEditeur, ImportedPictureGetsAFileNameAndKeepsItsExtension) {
  Editeur e;
  e.dossier.write("source/Mon Été.JPG", "x");
  e.a().FormActivate();
  e.dialogs.queueFile(e.dossier / "source/Mon Été.JPG");
  e.a().BitBtn18.click();
  EXPECT_EQ(e.dialogs.messages().back(), "Nom de l'image modifié en mon-ete");
  EXPECT_TRUE(e.dossier.exists("accueil/mon-ete.JPG"));
}

TEST(AccueilEditeur, WindowsFontsRefillOnlyTheirTab) {
  Editeur e;
  e.a().toutesP.click();
  EXPECT_TRUE(e.a().policeP.sorted);
  EXPECT_EQ(e.a().police.count(), 4);
  EXPECT_EQ(e.a().policeR.count(), 4);
}

// Quitter asks before the editor's unsaved edits are dropped: "Oui" saves them, "Non" leaves
// accueil.opt as it was; "Annuler" to the sheet's question keeps the program open with the edits.
TEST(AccueilEditeur, QuittingAsksBeforeDroppingUnsavedEdits) {
  const char* question = "Enregistrer les modifications de la page d'accueil ?";
  struct Cas {
    bool modifier, ficheModifiee;
    std::vector<ui::Answer> reponses;
    std::vector<std::string> messages;
    const char* titre;
    bool fermee;
  } cas[] = {
      {false, false, {}, {}, "Avant", true},
      {true, false, {ui::Answer::Yes}, {question}, "Après", true},
      {true, false, {ui::Answer::No}, {question}, "Avant", true},
      {true, true, {ui::Answer::Cancel}, {"Enregistrer la fiche en cours ?"}, "Avant", false},
  };
  for (const Cas& c : cas) {
    const int n = static_cast<int>(&c - cas);
    Editeur e;
    e.dossier.write("accueil.opt", "titre_intro=Avant\r\n");
    e.dossier.write("P1.ref", "categorie=Livres\r\nreference=P1\r\nmot_cle=Romans\r\n");
    app::Tmain& m = e.p().main();
    m.liste_fiches.update();
    m.liste_fiches.clickItem(0);
    e.a().ouvre();
    if (c.modifier) e.a().titreEDIT.type("Après");
    if (c.ficheModifiee) m.descriptionT.type("Après");
    for (ui::Answer a : c.reponses) e.dialogs.queueAnswer(a);
    m.Quitter1.click();
    EXPECT_EQ(e.dialogs.messages(), c.messages) << n;
    EXPECT_TRUE(e.dialogs.allAnswersUsed()) << n;
    EXPECT_EQ(e.sortie.exited, c.fermee) << n;
    EXPECT_EQ(e.opt("titre_intro"), c.titre) << n;
    if (!c.fermee) EXPECT_EQ(e.a().titreEDIT.text(), "Après") << n;
  }
}
