#include "fenetres/app/fenetre_identite.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/publish/fenetre_mise_a_jour.h"
#include "support/programme_test.h"

using testing_support::ProgrammeDeTest;
using Lignes = std::vector<std::string>;

namespace {

const char* const kIdentOpt =
    "nomE=Dupont SARL\r\nnomB=La Boutique\r\nfax=01 03\r\ntaux=0.152449\r\nlogin=dupont\r\n"
    "capADR=oui\r\npaysADR=non\r\nurl_base=http://www.boutique.fr\r\n";

class IdentWindow : public ::testing::Test {
 protected:
  IdentWindow() {
    t.dossier.write("ident.opt", kIdentOpt);
    t.demarrer();
    t.p().tarvioupdate().close();  // no support files here
  }
  app::Tident& ident() { return t.p().ident(); }
  platform::LineList fichier() { return platform::LineList::fromText(t.dossier.read("ident.opt")); }
  ProgrammeDeTest t;
};

}  // namespace

TEST_F(IdentWindow, ActivationShowsTheFileAndTicksExactlyTheFlagsSetToOui) {
  // A box left ticked from before must follow the file's "non"; the currency example follows the
  // currency even when its edit already shows it.
  ident().paysBOX.setChecked(true);
  ident().dev1t.setText("EUR");
  ident().dev.setCaption("");
  ident().show();
  EXPECT_FALSE(t.p().main().scriptB.visible());  // the shop has a login
  EXPECT_EQ((Lignes{ident().nomEt.text(), ident().tauxt.text(), ident().logint.text(),
                    ident().dev.caption(), ident().urlE.text()}),
            (Lignes{"Dupont SARL", "0,152449", "dupont", "EUR", "http://www.boutique.fr"}));
  EXPECT_FALSE(ident().urlE.visible());
  EXPECT_TRUE(ident().dev2C.checked());
  struct Row {
    ui::CheckBox& box;
    bool coche;
  } rows[] = {{ident().entBOX, true},      {ident().capBOX, true},  {ident().boutiqueBOX, false},
              {ident().paysBOX, false},    {ident().eBOX, false},   {ident().siretBOX, true}};
  for (const auto& r : rows) EXPECT_EQ(r.box.checked(), r.coche) << r.box.name();
  EXPECT_EQ(ident().identite.paysADR, "non");
}

TEST_F(IdentWindow, OkWritesEditsCleanedRateAndFlagsThenCloses) {
  ident().show();
  ident().nomEt.type(" Dupont & Fils ");
  ident().tauxt.type("6,55957");
  ident().capBOX.click();
  ident().BitBtn1.click();
  EXPECT_FALSE(ident().visible());
  EXPECT_EQ(ident().tauxt.text(), "6,55957");  // shown the French way, stored with a point
  platform::LineList l = fichier();  // the file's layout is in identite_test
  ASSERT_EQ(l.size(), 28u);
  EXPECT_EQ((Lignes{l[0], l[1], l[13], l[17], l[18], l[21], l[27]}),
            (Lignes{"nomE= Dupont & Fils ", "capital=", "taux=6.55957", "capADR=non",
                    "boutiqueADR=", "paysADR=non", "url_base=http://www.boutique.fr"}));
  // The main window, active again, has read the file back.
  EXPECT_TRUE(t.p().main().active());
  EXPECT_EQ(ident().identite.nomE, " Dupont & Fils ");
}

// An unticked second currency and an emptied field stay empty once saved.
TEST_F(IdentWindow, EmptiedValuesStayEmpty) {
  ident().show();
  ident().faxt.type("");
  // A rate that converts nothing is refused while a second currency is named, the box keeps it;
  // a sound one is saved.
  for (const char* taux : {"0", "-5", ""}) {
    ident().tauxt.type(taux);
    ident().BitBtn1.click();
    EXPECT_TRUE(ident().visible()) << taux;
    EXPECT_EQ(ident().tauxt.text(), taux);
  }
  EXPECT_EQ(t.dialogs.messages(),
            (Lignes{"Le taux 0 doit être supérieur à zéro", "Le taux -5 ne peut pas être négatif",
                    "Le taux doit être supérieur à zéro"}));
  ident().dev2C.click();
  EXPECT_EQ(ident().dev2t.text(), "");
  ident().tauxt.type("2");
  ident().BitBtn1.click();
  EXPECT_EQ(fichier()[12], "dev2=");
  EXPECT_EQ(fichier()[13], "taux=2");
  t.p().main().activate();
  ident().show();
  EXPECT_FALSE(ident().dev2C.checked());
  EXPECT_EQ(ident().dev2t.text(), "");
  EXPECT_EQ(ident().faxt.text(), "");
  EXPECT_EQ(ident().identite.fax, "");
}

TEST_F(IdentWindow, ConversionExampleAndLabelFollowTheEdits) {
  ident().show();
  ident().Button1.click();
  EXPECT_EQ(ident().resultat.caption(), "655,96 FF");  // more amounts in identite_test
  ident().dev1t.type("USD");
  EXPECT_EQ(ident().dev.caption(), "USD");
  ident().prix.type("1234567");
  ident().tauxt.type("0,5");
  ident().dev2t.type("CAD");
  ident().Button1.click();
  EXPECT_EQ(ident().resultat.caption(), "2 469 134,00 CAD");
  // Read as OK reads them: refused by name, the example kept.
  for (auto [prix, taux] : {std::pair{"1e3", "2"}, {"10", "abc"}, {"10", "0"}}) {
    ident().prix.type(prix);
    ident().tauxt.type(taux);
    ident().Button1.click();
    EXPECT_EQ(ident().resultat.caption(), "2 469 134,00 CAD") << prix << " " << taux;
  }
  EXPECT_EQ(t.dialogs.messages(),
            (Lignes{"Le prix 1e3 n'est pas un nombre", "Le taux abc n'est pas un nombre",
                    "Le taux 0 doit être supérieur à zéro"}));
}

TEST_F(IdentWindow, TypingIsLimitedButStoredValuesAreNeverCut) {
  t.dossier.write("ident.opt", "dev1=EUROPEENNE\r\next=fran\r\n");
  ident().show();
  EXPECT_EQ(ident().dev1t.text(), "EUROPEENNE");
  EXPECT_EQ(ident().extt.text(), "fran");
  ident().BitBtn1.click();
  EXPECT_EQ(fichier()[11], "dev1=EUROPEENNE");
  EXPECT_EQ(fichier()[15], "ext=fran");
  ident().show();
  ident().dev1t.type("ABCDEFGHIJ");
  ident().extt.type("abcd");
  EXPECT_EQ(ident().dev1t.text(), "ABCDEFG");
  EXPECT_EQ(ident().extt.text(), "abc");
}

// "Fermer" is in the scenario identite.
TEST_F(IdentWindow, TheOrderLinkOpensTheSignUpPage) {
  ident().show();
  ident().scriptB.click();
  EXPECT_EQ(t.shell.opened.size(), 1u);
}

TEST_F(IdentWindow, AFailedSaveIsReportedAndKeepsTheWindowOpen) {
  ident().show();
  std::filesystem::remove(t.dossier / "ident.opt");
  std::filesystem::create_directory(t.dossier / "ident.opt");
  ident().BitBtn1.click();
  EXPECT_EQ(t.dialogs.messages().size(), 1u);
  EXPECT_TRUE(ident().visible());
}
