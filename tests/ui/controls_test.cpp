#include "ui/controls.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/temp_folder.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/scripted_dialogs.h"

using namespace ui;

namespace {

struct Fenetre : Form {
  explicit Fenetre(Application& app) : Form(app, "Tfenetre", "fenetre") {}
  GroupBox groupe{*this, "groupe", "Groupe"};
  CheckBox coche{groupe, "coche", "Coche"};
  RadioButton radio1{groupe, "radio1"};
  RadioButton radio2{groupe, "radio2"};
  RadioButton ailleurs{*this, "ailleurs"};
  RadioGroup choix{*this, "choix"};
  ScrollBar barre{*this, "barre", 1, 10};
  Edit saisie{*this, "saisie"};
  Memo memo{*this, "memo"};
  ListBox liste{*this, "liste"};
  ComboBox combo{*this, "combo"};
  PageControl pages{*this, "pages"};
  TabSheet page1{pages, "page1", "Un"};
  TabSheet page2{pages, "page2", "Deux"};
  Button bouton{groupe, "bouton", "OK"};
};

struct Compteurs {
  int coche = 0, radio1 = 0, radio2 = 0, choix = 0, barre = 0, saisie = 0, memo = 0, liste = 0,
      combo = 0, pages = 0;
};

class Controls : public ::testing::Test {
 protected:
  Controls() {
    f.coche.onClick = [this] { ++n.coche; };
    f.radio1.onClick = [this] { ++n.radio1; };
    f.radio2.onClick = [this] { ++n.radio2; };
    f.choix.onClick = [this] { ++n.choix; };
    f.barre.onChange = [this] { ++n.barre; };
    f.saisie.onChange = [this] { ++n.saisie; };
    f.memo.onChange = [this] { ++n.memo; };
    f.liste.onClick = [this] { ++n.liste; };
    f.combo.onChange = [this] { ++n.combo; };
    f.pages.onChange = [this] { ++n.pages; };
    f.choix.setItems({"a", "b"});
    f.liste.setItems({"x", "y"});
    f.combo.setItems({"p", "q"});
  }
  ScriptedDialogs dialogs;
  Application app{dialogs};
  Fenetre f{app};
  Compteurs n;
};

}  // namespace

TEST_F(Controls, ProgramChangesRunHandlersOnlyWhenTheValueChanges) {
  f.coche.setChecked(true);
  f.coche.setChecked(true);
  f.coche.setChecked(false);
  EXPECT_EQ(n.coche, 2);

  f.choix.setItemIndex(1);
  f.choix.setItemIndex(1);
  EXPECT_EQ(n.choix, 1);

  f.barre.setPosition(5);
  f.barre.setPosition(5);
  f.barre.setPosition(50);  // clamped to 10: still a change
  f.barre.setPosition(99);  // clamped to 10 again: none
  EXPECT_EQ(n.barre, 2);
  EXPECT_EQ(f.barre.position(), 10);

  f.saisie.setText("a");
  f.saisie.setText("a");
  f.memo.setText("l1\r\nl2");
  f.memo.setLines({"l1", "l2"});
  f.memo.addLine("l3");
  EXPECT_EQ(n.saisie, 1);
  EXPECT_EQ(n.memo, 2);
  EXPECT_EQ(f.memo.text(), "l1\r\nl2\r\nl3");
}

TEST_F(Controls, SelectingByProgramFiresNothingButTheUserActionDoes) {
  f.liste.setItemIndex(1);
  f.combo.setItemIndex(1);
  f.pages.setActivePage(1);
  EXPECT_EQ(n.liste + n.combo + n.pages, 0);
  EXPECT_EQ(f.combo.text(), "q");
  EXPECT_EQ(f.pages.activePage(), &f.page2);

  f.liste.clickItem(0);
  f.combo.select(0);
  f.pages.selectTab(0);
  EXPECT_EQ(n.liste, 1);
  EXPECT_EQ(n.combo, 1);
  EXPECT_EQ(n.pages, 1);
  EXPECT_EQ(f.liste.selected(), "x");
}

TEST_F(Controls, RadioButtonsExcludeEachOtherWithinTheirContainerOnly) {
  f.radio1.setChecked(true);
  f.ailleurs.setChecked(true);
  f.radio2.click();
  EXPECT_FALSE(f.radio1.checked());
  EXPECT_TRUE(f.radio2.checked());
  EXPECT_TRUE(f.ailleurs.checked());
  EXPECT_EQ(n.radio1, 1);  // unchecking runs no handler
  EXPECT_EQ(n.radio2, 1);
  f.radio2.click();
  EXPECT_EQ(n.radio2, 1);
}

TEST_F(Controls, UserCannotReachDisabledOrHiddenControls) {
  f.groupe.setEnabled(false);
  EXPECT_THROW(f.bouton.click(), UnreachableControl);
  EXPECT_THROW(f.coche.click(), UnreachableControl);
  f.groupe.setEnabled(true);
  f.bouton.setVisible(false);
  EXPECT_THROW(f.bouton.click(), UnreachableControl);
  f.page2.setTabVisible(false);
  EXPECT_THROW(f.pages.selectTab(1), UnreachableControl);
  f.saisie.setReadOnly(true);
  EXPECT_THROW(f.saisie.type("x"), UnreachableControl);
  f.coche.click();
  EXPECT_TRUE(f.coche.checked());
}

TEST_F(Controls, EveryControlIsFoundByName) {
  EXPECT_EQ(f.find("coche"), &f.coche);
  EXPECT_EQ(f.find<Edit>("saisie"), &f.saisie);
  EXPECT_EQ(f.find<Edit>("coche"), nullptr);
  EXPECT_EQ(f.find("absent"), nullptr);
  EXPECT_EQ(f.find("fenetre"), &f);
  EXPECT_EQ(app.findForm("Tfenetre"), &f);
  EXPECT_EQ(f.controls().front(), &f.groupe);
}

TEST_F(Controls, KeysReachKeyDownThenKeyPressUnlessSwallowed) {
  std::string seen;
  f.saisie.onKeyDown = [&](int& k, Shift) {
    seen += "down" + std::to_string(k) + ";";
    if (k == key::Escape) k = 0;
  };
  f.saisie.onKeyPress = [&](char& c) { seen += std::string("press") + c + ";"; };
  f.saisie.pressKey(key::Enter);
  f.saisie.pressKey(key::Escape);
  f.saisie.pressKey(key::Delete);
  EXPECT_EQ(seen, "down13;press\r;down27;down46;");
}

TEST_F(Controls, FileListBoxListsItsFolderByMaskWithoutRegardToCase) {
  testing_support::TempFolder dir;
  for (const char* nom : {"B.REF", "a.ref", "c.txt"}) dir.write(nom, "");
  FileListBox fichiers{f, "fichiers", "*.ref"};
  fichiers.setDirectory(dir.path());
  EXPECT_EQ(fichiers.items(), (std::vector<std::string>{"a.ref", "B.REF"}));
  fichiers.clickItem(1);
  EXPECT_EQ(fichiers.fileName(), dir / "B.REF");
  dir.write("d.ref", "");
  fichiers.update();
  EXPECT_EQ(fichiers.count(), 3);
  EXPECT_EQ(fichiers.itemIndex(), -1);
}

TEST_F(Controls, AFileErrorInAUserActionIsToldNotThrown) {
  int after = 0;
  f.bouton.onClick = [&] {
    f.coche.setChecked(true);  // nested handler: the error travels up to the user's action
    ++after;
  };
  f.coche.onClick = [] { throw platform::FileError("Impossible d'écrire le fichier x"); };
  f.bouton.click();
  EXPECT_EQ(after, 0);
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].text, "Impossible d'écrire le fichier x");
  EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Error);
}

TEST_F(Controls, CheckListBoxTicksFollowTheirItems) {
  CheckListBox liste{f, "cases"};
  liste.setItems({"a", "b", "c"});
  liste.setChecked(1, true);
  liste.insertItem(0, "z");
  EXPECT_TRUE(liste.checked(2));
  liste.deleteItem(0);
  EXPECT_TRUE(liste.checked(1));
  EXPECT_FALSE(liste.checked(0));
  liste.setItems({"x", "y"});
  EXPECT_FALSE(liste.checked(1));
  liste.addItem("w");
  EXPECT_FALSE(liste.checked(2));
}

// A renderer is told which tick changed, or that many did, once; the program's ticks fire nothing.
TEST_F(Controls, CheckListBoxTellsWhichTickChanged) {
  struct Releve : Observer {
    std::vector<int> coches;  // changedCheck() at each Checked notification
    void changed(Control& c, Property p) override {
      if (p == Property::Checked) coches.push_back(static_cast<CheckListBox&>(c).changedCheck());
    }
  } releve;
  CheckListBox liste{f, "cases"};
  int clics = 0;
  liste.onClickCheck = [&] { ++clics; };
  liste.setItems(std::vector<std::string>(1000, "x"));
  f.addObserver(&releve);
  liste.setChecked(500, true);
  liste.setChecked(500, true);  // no change, no notification
  EXPECT_EQ(releve.coches, (std::vector<int>{500}));
  EXPECT_EQ(liste.changedCheck(), -1);
  liste.setChecks({true, false, true});
  liste.setChecks({true, false, true});
  EXPECT_EQ(releve.coches, (std::vector<int>{500, -1}));
  EXPECT_TRUE(liste.checked(2));
  EXPECT_FALSE(liste.checked(500));  // missing ticks are unticked
  EXPECT_EQ(clics, 0);
  f.removeObserver(&releve);
}

TEST_F(Controls, MaxLengthBindsTypingOnlyAndFocusIsTheProgramsToSet) {
  f.saisie.maxLength = 3;
  f.saisie.setText("abcdef");
  EXPECT_EQ(f.saisie.text(), "abcdef");
  f.saisie.type("uvwxyz");
  EXPECT_EQ(f.saisie.text(), "uvw");
  f.memo.maxLength = 5;
  f.memo.type("ab\r\ncdef");
  EXPECT_EQ(f.memo.text(), "ab\r\nc");
  f.memo.setText("longer than five");  // the program's own text is kept whole
  EXPECT_EQ(f.memo.text(), "longer than five");
  EXPECT_EQ(f.focused(), nullptr);
  f.memo.setFocus();
  EXPECT_EQ(f.focused(), &f.memo);
}

TEST_F(Controls, AMaskedEditKeepsItsSeparatorsAndTakesDigitsInTheirPlacesOnly) {
  f.saisie.maxLength = 8;
  f.saisie.setEditMask("!99/99/00;1;_");
  EXPECT_EQ(f.saisie.text(), "  /  /  ");
  struct Cas {
    const char *tape, *garde;
  } cas[] = {{"01/02/03", "01/02/03"},   {"010203", "01/02/03"}, {"0a1/02/03", "01/02/03"},
             {"01/0_/__", "01/0 /  "},   {"01/ 2/03", "01/ 2/03"}, {"01/02/0345", "01/02/03"},
             {"", "  /  /  "}};
  for (const Cas& c : cas) {
    f.saisie.type(c.tape);
    EXPECT_EQ(f.saisie.text(), c.garde) << c.tape;
  }
  // A text the program sets (read from a file) is kept as it was; only typing takes the mask.
  f.saisie.setText("mars 2003");
  EXPECT_EQ(f.saisie.text(), "mars 2003");
  f.saisie.type("5x/12/26");
  EXPECT_EQ(f.saisie.text(), "51/22/6 ");
  EXPECT_THROW(f.saisie.setEditMask("LL/99;1;_"), std::invalid_argument);
  EXPECT_THROW(f.saisie.setEditMask("99/99;0;_"), std::invalid_argument);
}
