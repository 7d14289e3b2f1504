#include "fenetres/design/ouvre.h"

#include <gtest/gtest.h>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/style.h"
#include "platform/files.h"
#include "support/programme_test.h"

using namespace design;
using testing_support::ProgrammeDeTest;

namespace {

class StyleWindows : public ::testing::Test {
 protected:
  StyleWindows() {
    t.creer();
    editeur().themeStyle = "Livres_Poche";
    editeur().referenceStyle = "R1";
  }
  TForm1& editeur() { return t.p().Form1(); }
  TForm2& chargeur() { return t.p().Form2(); }
  std::vector<std::string> fichiers(const char* masque) {
    return platform::listFiles(t.dossier.path(), masque);
  }
  ProgrammeDeTest t;
};

}  // namespace

TEST_F(StyleWindows, LoaderReadsTheCascadeOfTheEditorsNamesAndUnticksQuantity) {
  t.dossier.write("defaut.typ", "coul_titre=#000001\r\nquantite_style=oui\r\n");
  t.dossier.write("Livres_Poche.typ", "coul_prix=#000002\r\n");
  t.dossier.write("R1.typ", "coul_ref=#000003\r\n");
  t.dossier.write("Livres_Romans.typ", "coul_ref=#000004\r\n");
  t.dossier.write("modeles/m.mdl", "coul_titre=#000005\r\n");
  editeur().quantiteB.setChecked(true);
  editeur().style.type1 = "Poche";

  chargeur().chargerStyleFiche();
  EXPECT_FALSE(editeur().quantiteB.checked());
  EXPECT_EQ(editeur().style.quantite_style, "oui");
  EXPECT_EQ(editeur().style.coul_titre, "#000001");
  EXPECT_EQ(editeur().style.coul_prix, "#000002");
  EXPECT_EQ(editeur().style.coul_ref, "#000003");
  EXPECT_EQ(editeur().style.type1, "Poche");

  editeur().themeImpose = "Livres_Romans";
  editeur().fichierModele = (t.dossier / "modeles/m.mdl").string();
  chargeur().chargerStyleFiche(true);
  EXPECT_EQ(editeur().style.coul_ref, "#000004");
  EXPECT_EQ(editeur().style.coul_titre, "#000005");
}

TEST_F(StyleWindows, SaveTakesScopeQuantityAndOrderButtonFromTheControls) {
  chargeur().chargerStyleFiche();
  t.dossier.write("R1.typ", "coul_titre=#000003\r\n");
  t.dossier.write("R2.typ", "coul_titre=#000003\r\n");
  struct Case {
    int portee;
    const char* nomCadre;
    bool quantite;
    ui::RadioButton* radio;
    const char* fichier;
    std::vector<std::string> typ;
    const char* type_prix;
  } cases[] = {
      {1, "R1", true, &editeur().jcsoumission, "R1.typ", {"R1.typ", "R2.typ"}, "soumission"},
      {0, "Livres_Poche", false, &editeur().jctexte, "Livres_Poche.typ",
       {"Livres_Poche.typ", "R2.typ"}, "texte"},
      {3, "Livres_Poche", false, &editeur().jcimage, "defaut.typ", {"defaut.typ"}, "image"},
  };
  for (const auto& c : cases) {
    editeur().appli.setItemIndex(c.portee);
    editeur().nomCadre = c.nomCadre;
    editeur().quantiteB.setChecked(c.quantite);
    c.radio->setChecked(true);
    ASSERT_TRUE(editeur().sauverStyleFiche()) << c.fichier;
    EXPECT_EQ(fichiers("*.typ"), c.typ) << c.fichier;
    auto lignes = platform::LineList::load(t.dossier / c.fichier);
    EXPECT_EQ(lignes[57], std::string("quantite_style=") + (c.quantite ? "oui" : ""));
    EXPECT_EQ(lignes[62], std::string("type_prix=") + c.type_prix);
  }
  EXPECT_EQ(editeur().nomCadre, "defaut");
  EXPECT_TRUE(t.dossier.exists("defaut_bd.gif"));
  EXPECT_TRUE(t.dossier.exists("livres-poche_hg.gif"));
}

TEST_F(StyleWindows, NoOrderRadioTickedKeepsTheStoredKind) {
  chargeur().chargerStyleFiche();
  editeur().style.type_prix = "texte";
  editeur().appli.setItemIndex(2);
  editeur().nomCadre = "defaut";
  ASSERT_TRUE(editeur().sauverStyleFiche());
  EXPECT_EQ(platform::LineList::load(t.dossier / "defaut.typ")[62], "type_prix=texte");
}

TEST_F(StyleWindows, ModelSaveWritesTheChosenFileAndCornersUnderTheStyleName) {
  chargeur().chargerStyleFiche();
  t.p().main().options.options.sepurl = "_";
  std::filesystem::create_directories(t.dossier / "modeles");
  editeur().appli.setItemIndex(1);
  editeur().nomCadre = "Livre_R1";
  editeur().sauverModele = true;
  editeur().SaveModele.fileName = t.dossier / "modeles/R1.mdl";
  ASSERT_TRUE(editeur().sauverStyleFiche());
  EXPECT_TRUE(t.dossier.exists("modeles/R1.mdl"));
  EXPECT_TRUE(fichiers("*.typ").empty());
  EXPECT_EQ(fichiers("*.gif"), (std::vector<std::string>{"livre_r1_bd.gif", "livre_r1_bg.gif",
                                                         "livre_r1_hd.gif", "livre_r1_hg.gif"}));
}

TEST_F(StyleWindows, SaveWithoutThemeOrSheetIsRefusedWithAMessage) {
  chargeur().chargerStyleFiche();
  t.dossier.write("R1.typ", "coul_titre=#000003\r\n");
  editeur().themeStyle = "";
  editeur().referenceStyle = "";
  for (int portee : {0, 1}) {
    editeur().appli.setItemIndex(portee);
    editeur().nomCadre = "";
    EXPECT_FALSE(editeur().sauverStyleFiche()) << portee;
  }
  EXPECT_EQ(t.dialogs.messages(), (std::vector<std::string>{kStyleSansNom, kStyleSansNom}));
  EXPECT_EQ(platform::listFiles(t.dossier.path(), "*.typ;*.gif"),
            (std::vector<std::string>{"R1.typ"}));
}
