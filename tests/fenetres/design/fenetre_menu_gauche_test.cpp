#include "fenetres/design/fenetre_menu_gauche.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/style_principal.h"
#include "platform/lines.h"
#include "support/programme_test.h"
#include "support/temp_folder.h"

using namespace design;
using testing_support::ProgrammeDeTest;

TEST(StyleAccueilMenuFile, NineLinesInOrderOrEightWithoutAPlace) {
  TStyleAccueilMenu s{"Maison", "oui", "non", "oui", "#FF8000", "3", "right", "haut", "Arial"};
  EXPECT_EQ(lignesStyleAccueilMenu(s),
            (platform::LineList{"texteAMG=Maison", "souligneAMG=oui", "grasAMG=non",
                                "italiqueAMG=oui", "couleurAMG=#FF8000", "tailleAMG=3",
                                "centreAMG=right", "aligneAMG=haut", "policeAMG=Arial"}));
  s.aligneAMG.clear();
  s.couleurAMG.clear();
  platform::LineList huit = lignesStyleAccueilMenu(s);
  ASSERT_EQ(huit.size(), 8u);
  EXPECT_EQ(huit[4], "couleurAMG=");
  EXPECT_EQ(huit[7], "policeAMG=Arial");
}

TEST(StyleAccueilMenuFile, DefaultsThenTheFileByTheSameLookupAsTheMenu) {
  testing_support::TempFolder dossier;
  TStyleAccueilMenu s;
  chargerStyleAccueilMenu(s, dossier / "menuG.inf", "#0000FF", "Tahoma");
  EXPECT_EQ(s, (TStyleAccueilMenu{"Accueil", "oui", "oui", "non", "#0000FF", "2", "center", "bas",
                                  "Tahoma"}));
  // One line is enough here; keys ignore case, the first line wins, empty values keep the default.
  dossier.write("menuG.inf", "TEXTEAMG=Maison");
  chargerStyleAccueilMenu(s, dossier / "menuG.inf", "", "Arial");
  EXPECT_EQ(s.texteAMG, "Maison");
  EXPECT_EQ(s.policeAMG, "Arial");
  dossier.write("menuG.inf", "grasAMG=non\r\ngrasAMG=oui\r\ntailleAMG=\r\npoliceAMG=Tahoma\r\n");
  chargerStyleAccueilMenu(s, dossier / "menuG.inf", "", "Arial");
  EXPECT_EQ(s.texteAMG, "Accueil");
  EXPECT_EQ(s.grasAMG, "non");
  EXPECT_EQ(s.tailleAMG, "2");
  EXPECT_EQ(s.policeAMG, "Tahoma");
}

namespace {

class HomeEntryDialog : public ::testing::Test {
 protected:
  HomeEntryDialog() {
    t.dossier.write("ident.opt", "nomE=Boutique\r\n");
    t.demarrer();
    t.dialogs.clear();
  }
  TmenuG& dlg() { return t.p().menuG(); }
  // A load of the menu options with this menuG.inf (none when empty) and this default font.
  void charger(const std::string& menuG, const std::string& police = "Verdana") {
    std::filesystem::remove(t.dossier / "menuG.inf");
    if (!menuG.empty()) t.dossier.write("menuG.inf", menuG);
    t.p().main().options.options.police_defaut = police;
    ASSERT_TRUE(t.p().menu1().chargerMenu());
  }
  platform::LineList fichier() { return platform::LineList::load(t.dossier / "menuG.inf"); }
  ProgrammeDeTest t;
};

}  // namespace

TEST_F(HomeEntryDialog, WithoutFileTheLoadShowsTheDefaults) {
  struct Case {
    const char* police_defaut;
    const char* police;
  } cases[] = {{"Arial", "Arial"}, {"Times", "Times"}, {"Tahoma", "Verdana"}, {"", "Verdana"}};
  for (const auto& c : cases) {
    charger("", c.police_defaut);
    EXPECT_EQ(dlg().texteAE.text(), "Accueil");
    EXPECT_TRUE(dlg().souligneAC.checked());
    EXPECT_TRUE(dlg().grasAC.checked());
    EXPECT_FALSE(dlg().italiqueAC.checked());
    EXPECT_EQ(dlg().tailleAE.selected(), "2");
    EXPECT_EQ(dlg().centreAC.selected(), "Centr\xE9");
    EXPECT_EQ(dlg().alignementAC.selected(), "Bas");
    EXPECT_EQ(dlg().policeAE.text(), c.police) << c.police_defaut;
  }
}

TEST_F(HomeEntryDialog, StoredValuesSelectTheirControls) {
  struct Case {
    const char* fichier;
    const char* taille;
    int centre;
    const char* centreAMG;
  } cases[] = {
      {"centreAMG=oui\r\n", "2", 0, "center"},
      {"centreAMG=right\r\ntailleAMG=5\r\n", "5", 2, "right"},
      {"centreAMG=left\r\ntailleAMG=1\r\n", "1", 1, "left"},
      {"tailleAMG=9\r\n", "", 0, "center"},
      {"tailleAMG=deux\r\n", "", 0, "center"},
      {"tailleAMG=0\r\n", "", 0, "center"},
  };
  for (const auto& c : cases) {
    charger(c.fichier);
    EXPECT_EQ(dlg().tailleAE.selected(), c.taille) << c.fichier;
    EXPECT_EQ(dlg().tailleAE.text(), c.taille) << c.fichier;
    EXPECT_EQ(dlg().centreAC.itemIndex(), c.centre) << c.fichier;
    EXPECT_EQ(dlg().styleAccueil.centreAMG, c.centreAMG) << c.fichier;
  }
  charger("souligneAMG=peut-etre\r\ngrasAMG=peut-etre\r\nitaliqueAMG=oui\r\naligneAMG=haut\r\n");
  EXPECT_TRUE(dlg().souligneAC.checked());
  EXPECT_FALSE(dlg().grasAC.checked());
  EXPECT_TRUE(dlg().italiqueAC.checked());
  EXPECT_EQ(dlg().alignementAC.selected(), "Haut");
}

TEST(HomeEntryDialogFresh, WithNeitherPlaceSelectedTheSaveWritesEightLines) {
  // A window whose "Alignement" was never set, loaded with an unknown place.
  testing_support::ProgrammeDeTest autre;
  autre.dossier.write("ident.opt", "nomE=Boutique\r\n");
  autre.dossier.write("menuG.inf", "aligneAMG=milieu\r\ntailleAMG=9\r\n");
  autre.demarrer();
  TmenuG& d = autre.p().menuG();
  EXPECT_EQ(d.alignementAC.itemIndex(), -1);
  d.sauver();
  platform::LineList f = platform::LineList::load(autre.dossier / "menuG.inf");
  ASSERT_EQ(f.size(), 8u);
  EXPECT_FALSE(f.hasName("aligneAMG"));
  EXPECT_EQ(f.value("tailleAMG"), "");
  EXPECT_TRUE(f.hasName("tailleAMG"));
}

TEST_F(HomeEntryDialog, OnlyAFontOfTheListIsSaved) {
  charger("");
  dlg().policeAE.select(1);
  dlg().sauver();
  EXPECT_EQ(fichier().value("policeAMG"), dlg().policeAE.items()[1]);
  // A typed name is no item of the list: it saves an empty font and the next load keeps the
  // default font.
  dlg().policeAE.type("Georgia");
  dlg().sauver();
  EXPECT_TRUE(fichier().hasName("policeAMG"));
  EXPECT_EQ(fichier().value("policeAMG"), "");
  charger(t.dossier.read("menuG.inf"), "Arial");
  EXPECT_EQ(dlg().policeAE.selected(), "Arial");
  // A stored font the list lacks leaves the list on its first font, which the next save keeps.
  charger("policeAMG=Georgia\r\n", "Arial");
  EXPECT_EQ(dlg().policeAE.text(), "Verdana");
  dlg().sauver();
  EXPECT_EQ(fichier().value("policeAMG"), "Verdana");
}

TEST_F(HomeEntryDialog, ColourButton) {
  charger("couleurAMG= #102030 \r\n");
  t.dialogs.queueColourCancel();
  dlg().couleurB.click();
  EXPECT_EQ(dlg().styleAccueil.couleurAMG, " #102030 ");
  EXPECT_EQ(dlg().ColorDialog.color, 0x102030u);  // seeded from the stored colour

  t.dialogs.queueColour(0xFF8000);
  t.dialogs.queueText("#ff8001");
  dlg().couleurB.click();
  EXPECT_EQ(dlg().styleAccueil.couleurAMG, "#ff8001");
  dlg().sauver();
  EXPECT_EQ(fichier().value("couleurAMG"), "#ff8001");
  // A stored colour that is no colour stops the button before the chooser opens.
  charger("couleurAMG=#12\r\n");
  dlg().couleurB.click();
  EXPECT_EQ(t.dialogs.messages().back(), "'$' n'est pas une valeur enti\xE8re correcte");
}

TEST_F(HomeEntryDialog, OkSavesAndHidesUnlessTheSaveFails) {
  dlg().show();
  std::filesystem::create_directory(t.dossier / "menuG.inf");
  dlg().ok_bouton.click();
  EXPECT_TRUE(dlg().visible());
  EXPECT_EQ(t.dialogs.messages().size(), 1u);
  std::filesystem::remove(t.dossier / "menuG.inf");
  dlg().texteAE.type("Maison");
  dlg().centreAC.clickItem(2);
  dlg().ok_bouton.click();
  EXPECT_FALSE(dlg().visible());
  EXPECT_EQ(fichier().value("texteAMG"), "Maison");
  // Of the style in memory only the alignment follows the save.
  EXPECT_EQ(dlg().styleAccueil.centreAMG, "right");
  EXPECT_EQ(dlg().styleAccueil.texteAMG, "Accueil");
}

TEST_F(HomeEntryDialog, PreviewSavesTheMenuThenTheEntry) {
  t.p().menu1().options.coul_items = "#0A0B0C";
  dlg().texteAE.type("Maison");
  dlg().BitBtn2.click();
  EXPECT_EQ(platform::LineList::load(t.dossier / "menu.opt").value("coul_items"), "#0A0B0C");
  EXPECT_EQ(fichier().value("texteAMG"), "Maison");
  EXPECT_TRUE(t.dialogs.messages().empty());

  // When the menu options cannot be written, the entry is not written either.
  std::filesystem::remove(t.dossier / "menuG.inf");
  std::filesystem::remove(t.dossier / "menu.opt");
  std::filesystem::create_directory(t.dossier / "menu.opt");
  dlg().BitBtn2.click();
  EXPECT_FALSE(t.dossier.exists("menuG.inf"));
  EXPECT_EQ(t.dialogs.messages().size(), 1u);
}
