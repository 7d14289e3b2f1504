#include "qt/dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include "qt_test_support.h"
#include "support/temp_folder.h"

using qt_testing::cp;
using qt_testing::whenDialogOpens;

namespace {

TEST(DesktopNameFilters, BecomeQtsNameAndPatternsForm) {
  struct Row {
    const char* filter;
    QStringList expected;
  } rows[] = {
      {"jpg,*img|*.jpg;*.jpg;*img.gif|", {"jpg,*img (*.jpg *img.gif)"}},
      {"Images|*.jpg;*.gif|Tous|*.*", {"Images (*.jpg *.gif)", "Tous (*.*)"}},
      {"*.txt", {"*.txt (*.txt)"}},
      {"Textes (txt)|*.txt", {"Textes [txt] (*.txt)"}},
      {"", {}},
      {"Rien||", {}},
  };
  for (const auto& row : rows) EXPECT_EQ(qtui::nameFilters(row.filter), row.expected) << row.filter;
  EXPECT_EQ(qtui::nameFilters(cp("Modèles|*.mdl")),
            QStringList{QString::fromUtf8("Modèles (*.mdl)")});
}

TEST(DesktopMessageText, LineBreaksOfTheModelBecomeQts) {
  EXPECT_EQ(qtui::messageText(cp("été\r\nhiver\rprintemps\r")),
            QString::fromUtf8("été\nhiver\nprintemps\n"));
}

class DesktopDialogs : public ::testing::Test {
 protected:
  qtui::ModalState modal;
  qtui::QtDialogs dialogs{modal, "tarvio"};
};

// Clicks the button of the message box whose text is `caption`, after recording the box.
struct BoxSeen {
  QString title, text;
  QStringList buttons;
  bool modalCounted = false;
};

TEST_F(DesktopDialogs, QuestionsHaveFrenchButtonsAndGiveTheClickedAnswer) {
  struct Row {
    ui::Buttons buttons;
    const char* click;  // nullptr: Escape
    QStringList captions;
    ui::Answer answer;
  } rows[] = {
      {ui::Buttons::YesNo, "Non", {"Oui", "Non"}, ui::Answer::No},
      {ui::Buttons::YesNo, "Oui", {"Oui", "Non"}, ui::Answer::Yes},
      {ui::Buttons::YesNo, nullptr, {"Oui", "Non"}, ui::Answer::No},
      {ui::Buttons::YesNoCancel, nullptr, {"Oui", "Non", "Annuler"}, ui::Answer::Cancel},
      {ui::Buttons::OkCancel, "OK", {"OK", "Annuler"}, ui::Answer::Ok},
      {ui::Buttons::Ok, nullptr, {"OK"}, ui::Answer::Ok},
  };
  for (const auto& row : rows) {
    BoxSeen seen;
    whenDialogOpens([&](QWidget* dialog) {
      auto* box = qobject_cast<QMessageBox*>(dialog);
      ASSERT_NE(box, nullptr);
      seen.title = box->windowTitle();
      seen.text = box->text();
      seen.modalCounted = modal.running();
      for (QAbstractButton* b : box->buttons()) seen.buttons << b->text();
      if (!row.click) {
        QTest::keyClick(box, Qt::Key_Escape);
        return;
      }
      for (QAbstractButton* b : box->buttons())
        if (b->text() == row.click) b->click();
    });
    // A title of the caller's ("Confirmation") gives way to the program's.
    ui::Answer a = dialogs.messageBox(cp("Désirez-vous la remplacer ?\rVraiment ?"),
                                      "Confirmation", ui::MessageKind::Confirmation, row.buttons);
    EXPECT_EQ(a, row.answer) << row.captions.join(",").toStdString();
    seen.buttons.sort();
    QStringList expected = row.captions;
    expected.sort();
    EXPECT_EQ(seen.buttons, expected);
    EXPECT_EQ(seen.title, "tarvio");
    EXPECT_EQ(seen.text, QString::fromUtf8("Désirez-vous la remplacer ?\nVraiment ?"));
    EXPECT_TRUE(seen.modalCounted);
    EXPECT_FALSE(modal.running());
  }
}

// A short message makes a box wide enough for its title bar to show the program's title whole.
TEST(DesktopMessageBox, AShortMessageLeavesRoomForTheWholeTitle) {
  qtui::ModalState modal;
  qtui::QtDialogs dialogs{modal, "tarvio-boutique"};
  int largeur = 0, titre = 0;
  whenDialogOpens([&](QWidget* dialog) {
    largeur = dialog->width();
    titre = dialog->fontMetrics().horizontalAdvance(dialog->windowTitle());
    EXPECT_EQ(dialog->windowTitle(), "tarvio-boutique");
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  dialogs.messageBox("Ok", "Erreur", ui::MessageKind::Error, ui::Buttons::Ok);
  EXPECT_GE(largeur, titre + 200);
}

TEST_F(DesktopDialogs, InputBoxCancelGivesBackTheTextItWasOpenedWith) {
  struct Row {
    bool accept;
    const char* typed;
    std::string expected;
  } rows[] = {
      {false, "autre", cp("#AABBCç")},
      {true, "#112233", "#112233"},
      {true, "thé", cp("thé")},
  };
  for (const auto& row : rows) {
    QString prompt;
    whenDialogOpens([&](QWidget* dialog) {
      auto* input = qobject_cast<QInputDialog*>(dialog);
      ASSERT_NE(input, nullptr);
      prompt = input->labelText();
      input->setTextValue(QString::fromUtf8(row.typed));
      if (row.accept)
        input->accept();
      else
        input->reject();
    });
    EXPECT_EQ(dialogs.inputBox("Couleur", "Hexa", cp("#AABBCç")), row.expected) << row.typed;
    EXPECT_EQ(prompt, "Hexa");
  }
  std::string value = "avant";
  whenDialogOpens([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
  EXPECT_FALSE(dialogs.inputQuery("Titre", "Nom", value));
  EXPECT_EQ(value, "avant");
}

TEST_F(DesktopDialogs, FileDialogsUseTheFilterAndIgnoreTheCaseOfMasks) {
  QStringList filters;
  bool caseSensitive = true;
  whenDialogOpens([&](QWidget* dialog) {
    auto* files = qobject_cast<QFileDialog*>(dialog);
    ASSERT_NE(files, nullptr);
    filters = files->nameFilters();
    caseSensitive = files->filter().testFlag(QDir::CaseSensitive);
    files->reject();
  });
  ui::FileDialogOptions options;
  options.filter = "jpg,*img|*.jpg;*.jpg;*img.gif|";
  EXPECT_FALSE(dialogs.openFile(options).has_value());
  EXPECT_EQ(filters, QStringList{"jpg,*img (*.jpg *img.gif)"});
  EXPECT_FALSE(caseSensitive);
}

TEST_F(DesktopDialogs, QtsOwnDialogsSpeakFrenchAndFilesOpenInTheDataFolder) {
  testing_support::TempFolder data;
  qtui::QtDialogs inData{modal, "tarvio", data.path()};
  QString folder;
  QStringList texts;
  auto seen = [&](QWidget* dialog) {
    for (auto* label : dialog->findChildren<QLabel*>()) texts << label->text();
    for (auto* button : dialog->findChildren<QAbstractButton*>()) texts << button->text();
    if (auto* files = qobject_cast<QFileDialog*>(dialog))
      folder = files->directory().absolutePath();
    qobject_cast<QDialog*>(dialog)->reject();
  };
  whenDialogOpens(seen);
  EXPECT_FALSE(inData.openFile({}).has_value());
  EXPECT_EQ(folder, QString::fromStdString(data.path().string()));
  EXPECT_TRUE(texts.contains(QString::fromUtf8("&Nom de fichier :")));
  EXPECT_TRUE(texts.contains("&Ouvrir"));
  // A folder the program names is kept.
  testing_support::TempFolder other;
  ui::FileDialogOptions options;
  options.initialDir = other.path();
  whenDialogOpens(seen);
  inData.openFile(options);
  EXPECT_EQ(folder, QString::fromStdString(other.path().string()));
  texts.clear();
  whenDialogOpens(seen);
  EXPECT_FALSE(inData.chooseColour(ui::clRed).has_value());
  EXPECT_TRUE(texts.contains(QString::fromUtf8("Couleurs de &base")));
}

}  // namespace
