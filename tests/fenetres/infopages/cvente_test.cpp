#include "fenetres/infopages/cvente.h"

#include <gtest/gtest.h>

#include "fenetres/app/fiche.h"
#include "fenetres/frame/voir_menu.h"
#include "support/programme_test.h"

using infopages::Tcvente1;
using testing_support::ProgrammeDeTest;

namespace {

class Editeur : public ::testing::Test {
 protected:
  Editeur() {
    t.dossier.write("ident.opt", "nomE=Boutique\r\nrue=1 rue Basse\r\n");
    t.demarrer();
  }
  Tcvente1& cv() { return t.p().cvente1(); }
  void ouvrir() { t.p().main().PageControl1.selectTab(t.p().main().cventeT.pageIndex()); }
  void choisir(const std::string& rubrique) {
    cv().rubriques.setItemIndex(cv().rubriques.indexOf(rubrique));
    cv().rubriques.click();
  }
  ProgrammeDeTest t;
};

}  // namespace

TEST_F(Editeur, TheMemoIsSavedWhenLeftAndWhenTheWindowIsLeft) {
  ouvrir();
  choisir("Garantie");
  cv().memoR.type("GARANTIE :\nDeux ans.");
  cv().fire(cv().memoR.onExit);
  EXPECT_EQ(t.dossier.read("garantie.vub"), "GARANTIE :\r\nDeux ans.\r\n");
  cv().memoR.type("GARANTIE :\nTrois ans.");
  t.p().main().show();  // the window is left while the memo has the focus
  EXPECT_EQ(t.dossier.read("garantie.vub"), "GARANTIE :\r\nTrois ans.\r\n");
  EXPECT_EQ(t.p().main().PageControl1.activePageIndex(), 0);
}

TEST_F(Editeur, ReAddingARemovedSectionKeepsItsText_InitAllEmptiesOwnSections) {
  ouvrir();
  cv().ajouter.type("Cadeaux");
  cv().Bajout.click();
  choisir("Cadeaux");
  cv().memoR.type("CADEAUX :\nPapier kraft.");
  cv().fire(cv().memoR.onExit);
  cv().panierR.click();
  EXPECT_EQ(cv().rubriques.indexOf("Cadeaux"), -1);
  cv().ajouter.type("Cadeaux");
  cv().Bajout.click();
  EXPECT_EQ(t.dossier.read("cadeaux.vub"), "CADEAUX :\r\nPapier kraft.\r\n");

  t.dossier.write("litiges.vub", "changé\r\n");
  t.dialogs.queueAnswer(ui::Answer::Yes);
  cv().BitBtn3.click();
  EXPECT_EQ(t.dossier.read("cadeaux.vub"), "");
  EXPECT_EQ(t.dossier.read("litiges.vub"),
            "LITIGES :\r\nEn cas de litige, les tribunaux fran\xE7" "ais sont seuls comp\xE9tents.\r\n");
  EXPECT_EQ(t.dialogs.messages().size(), 1u);  // the question alone; its answers in a scenario
}

// The frame generator loads the stored conditions before it writes the frame pages.
TEST_F(Editeur, FrameGeneratorLoadsTheConditions) {
  t.dossier.write("menu.opt", "famille_titre=0\r\nlargeur_menu=200\r\n");
  t.dossier.write("cv.opt",
                  "cvente_cb=oui\r\ncvente_rubriques_index=2\r\nrubrique0=Bulle\r\nchecked0=oui\r\n"
                  "rubrique1=Titre\r\nchecked1=non\r\n");
  t.p().voir_menu1().faire_cadres();
  EXPECT_EQ(cv().options.cvente_cb, "oui");
  EXPECT_EQ(cv().options.cvente_denomination, "Boutique");
  EXPECT_EQ(cv().cv_popup, "oui");
  EXPECT_EQ(cv().rubriques.items(), (std::vector<std::string>{"Bulle", "Titre"}));
  EXPECT_FALSE(cv().rubriques.checked(1));
}
