#include "qt/renderer.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "qt/dialogs.h"
#include "qt_test_support.h"
#include "ui/controls.h"
#include "ui/menu.h"
#include "ui/scripted_dialogs.h"

using qt_testing::cp;
using qt_testing::settle;
using qt_testing::waitFor;

namespace {

struct Sample : ui::Form {
  explicit Sample(ui::Application& a, const char* cls = "Tsample", const char* name = "sample")
      : ui::Form(a, cls, name) {
    setCaption(cp("Fenêtre d'essai"));
    famille.setItems({cp("Thé"), "Livres", "Audio"});
    liste.setItems({"A.ref", "B.ref", "C.ref"});
    combo.setItems({"Vert", "Noir"});
    combo.dropDownList = true;
  }
  ui::MainMenu menuBar{*this, "menuBar"};
  ui::MenuItem projet{menuBar, "projet", "Projet"};
  ui::MenuItem quitter{projet, "quitter", "Quitter"};
  ui::PageControl pages{*this, "pages"};
  ui::TabSheet un{pages, "un", "Un"};
  ui::TabSheet deux{pages, "deux", "Deux"};
  ui::TabSheet trois{pages, "trois", cp("Trois é")};
  ui::Edit titre{un, "titre"};
  ui::Memo notes{un, "notes"};
  ui::Label etiquette{un, "etiquette", cp("Catégorie :")};
  ui::Button ok{un, "ok", "OK"};
  ui::CheckBox dispo{un, "dispo", "Disponible"};
  ui::RadioGroup famille{un, "famille", "Famille"};
  ui::ComboBox combo{deux, "combo"};
  ui::GroupBox groupe{*this, "groupe", "Fiches"};
  ui::ListBox liste{groupe, "liste"};
  ui::RadioButton standard{groupe, "standard", "Standard"};
  ui::RadioButton tableau{groupe, "tableau", "Tableau"};
  ui::ScrollBar maxi{groupe, "maxi", 1, 99};
  ui::Gauge jauge{*this, "jauge"};
  ui::StatusBar stats{*this, "stats", 2};
  ui::Memo cache{*this, "cache"};
};

class DesktopRenderer : public ::testing::Test {
 protected:
  DesktopRenderer() {
    form.cache.hide();
    renderer.window(form);
  }
  template <typename W>
  W* w(const ui::Control& c) {
    auto* widget = qobject_cast<W*>(renderer.widget(c));
    EXPECT_NE(widget, nullptr) << c.name();
    return widget;
  }
  // Shows the form in the active window, where focus moves are told.
  bool showActive() {
    form.show();
    QWidget* window = renderer.window(form);
    window->activateWindow();
    return waitFor([&] { return QApplication::activeWindow() == window; });
  }
  ui::ScriptedDialogs dialogs;
  ui::Application application{dialogs};
  Sample form{application};
  // A second window for the tests that need one: like every form, it outlives the renderer that
  // shows it.
  Sample second{application, "Tsecond", "second"};
  qtui::ModalState modal;
  qtui::Renderer renderer{application, modal};
};

TEST_F(DesktopRenderer, WidgetsStartWithTheModelsCaptionsItemsAndStates) {
  EXPECT_EQ(renderer.window(form)->windowTitle(), QString::fromUtf8("Fenêtre d'essai"));
  EXPECT_EQ(w<QLabel>(form.etiquette)->text(), QString::fromUtf8("Catégorie :"));
  EXPECT_EQ(w<QPushButton>(form.ok)->text(), "OK");
  EXPECT_EQ(w<QGroupBox>(form.groupe)->title(), "Fiches");
  auto* list = w<QListWidget>(form.liste);
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(2)->text(), "C.ref");
  EXPECT_EQ(list->currentRow(), -1);
  auto radios = w<QGroupBox>(form.famille)->findChildren<QRadioButton*>();
  ASSERT_EQ(radios.size(), 3);
  EXPECT_EQ(radios[0]->text(), QString::fromUtf8("Thé"));
  auto* tabs = w<QTabWidget>(form.pages);
  ASSERT_EQ(tabs->count(), 3);
  EXPECT_EQ(tabs->tabText(2), QString::fromUtf8("Trois é"));
  EXPECT_FALSE(w<QComboBox>(form.combo)->isEditable());
  EXPECT_TRUE(w<QPlainTextEdit>(form.cache)->isHidden());
  auto* bar = renderer.window(form)->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->actions().size(), 1);
  EXPECT_EQ(bar->actions()[0]->text(), "Projet");
  EXPECT_EQ(renderer.action(form.quitter)->text(), "Quitter");
  EXPECT_EQ(renderer.window(form)->findChild<QStatusBar*>()->findChildren<QLabel*>().size(), 2);
}

TEST_F(DesktopRenderer, ModelChangesReachTheWidgets) {
  struct Row {
    const char* what;
    std::function<void()> change;
    std::function<bool()> shown;
  } rows[] = {
      {"edit text", [&] { form.titre.setText(cp("Bol à thé")); },
       [&] { return w<QLineEdit>(form.titre)->text() == QString::fromUtf8("Bol à thé"); }},
      {"memo lines",
       [&] {
         form.notes.setLines({"un", cp("deux é")});
       },
       [&] {
         return w<QPlainTextEdit>(form.notes)->toPlainText() == QString::fromUtf8("un\ndeux é");
       }},
      {"label caption with CR", [&] { form.etiquette.setCaption("a\rb"); },
       [&] { return w<QLabel>(form.etiquette)->text() == "a\nb"; }},
      {"list items", [&] { form.liste.setItems({"X.ref"}); },
       [&] { return w<QListWidget>(form.liste)->count() == 1; }},
      {"list selection", [&] { form.liste.setItemIndex(0); },
       [&] { return w<QListWidget>(form.liste)->currentRow() == 0; }},
      {"check box", [&] { form.dispo.setChecked(true); },
       [&] { return w<QCheckBox>(form.dispo)->isChecked(); }},
      {"radio group", [&] { form.famille.setItemIndex(2); },
       [&] {
         auto r = w<QGroupBox>(form.famille)->findChildren<QRadioButton*>();
         return !r[0]->isChecked() && r[2]->isChecked();
       }},
      {"radio buttons",
       [&] {
         form.standard.setChecked(true);
         form.tableau.setChecked(true);
       },
       [&] {
         return !w<QRadioButton>(form.standard)->isChecked() &&
                w<QRadioButton>(form.tableau)->isChecked();
       }},
      {"combo index", [&] { form.combo.setItemIndex(1); },
       [&] { return w<QComboBox>(form.combo)->currentText() == "Noir"; }},
      {"disabled", [&] { form.ok.setEnabled(false); },
       [&] { return !w<QPushButton>(form.ok)->isEnabled(); }},
      {"hidden", [&] { form.dispo.hide(); }, [&] { return w<QCheckBox>(form.dispo)->isHidden(); }},
      {"scroll bar", [&] { form.maxi.setPosition(7); },
       [&] { return w<QScrollBar>(form.maxi)->value() == 7; }},
      {"gauge",
       [&] {
         form.jauge.setRange(0, 10);
         form.jauge.setProgress(4);
       },
       [&] {
         return w<QProgressBar>(form.jauge)->value() == 4 &&
                w<QProgressBar>(form.jauge)->maximum() == 10;
       }},
      {"status panel", [&] { form.stats.setPanelText(1, cp("Prêt")); },
       [&] {
         auto labels = renderer.window(form)->findChild<QStatusBar*>()->findChildren<QLabel*>();
         return labels[1]->text() == QString::fromUtf8("Prêt");
       }},
      {"menu item",
       [&] {
         form.quitter.setEnabled(false);
         form.quitter.setCaption("Sortir");
       },
       [&] {
         return !renderer.action(form.quitter)->isEnabled() &&
                renderer.action(form.quitter)->text() == "Sortir";
       }},
      {"font colour and bold",
       [&] {
         form.etiquette.setFontColour(ui::clRed);
         form.etiquette.setFontBold(true);
       },
       [&] {
         auto* l = w<QLabel>(form.etiquette);
         return l->font().bold() && l->palette().color(QPalette::WindowText) == QColor(Qt::red);
       }},
  };
  for (const auto& row : rows) {
    row.change();
    EXPECT_TRUE(row.shown()) << row.what;
  }
}

// Data in a caption is shown as typed: an "&" marks no keyboard mnemonic on any kind of caption.
TEST_F(DesktopRenderer, AnAmpersandInACaptionIsShownAsTyped) {
  const std::string donnee = cp("Modifier Thé & infusions");
  for (ui::Control* c : std::initializer_list<ui::Control*>{
           &form, &form.ok, &form.dispo, &form.groupe, &form.standard, &form.trois, &form.quitter,
           &form.famille, &form.etiquette})
    c->setCaption(donnee);
  form.famille.setItems({donnee});
  settle();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the former items
  const QString tape = QString::fromUtf8("Modifier Thé & infusions");
  // What a button, box, tab or menu draws: "&&" is an "&", a lone "&" marks the next character.
  auto dessine = [](const QString& s) {
    QString r;
    for (qsizetype i = 0; i < s.size(); ++i) {
      if (s[i] == '&' && ++i == s.size()) break;
      r += s[i];
    }
    return r;
  };
  const QString boutons[] = {
      w<QPushButton>(form.ok)->text(),
      w<QCheckBox>(form.dispo)->text(),
      w<QGroupBox>(form.groupe)->title(),
      w<QRadioButton>(form.standard)->text(),
      w<QTabWidget>(form.pages)->tabText(2),
      renderer.action(form.quitter)->text(),
      w<QGroupBox>(form.famille)->title(),
      w<QGroupBox>(form.famille)->findChildren<QRadioButton*>().value(0)->text(),
  };
  for (const QString& texte : boutons) {
    EXPECT_EQ(dessine(texte), tape) << texte.toStdString();
    EXPECT_TRUE(QKeySequence::mnemonic(texte).isEmpty()) << texte.toStdString();
  }
  EXPECT_EQ(w<QLabel>(form.etiquette)->text(), tape);
  EXPECT_EQ(renderer.window(form)->windowTitle(), tape);
}

TEST_F(DesktopRenderer, UserActionsRunTheModelsHandlersOnce) {
  int clicks = 0, changes = 0, checks = 0, famille = 0, listClicks = 0, combos = 0, quit = 0;
  form.ok.onClick = [&] { ++clicks; };
  form.titre.onChange = [&] { ++changes; };
  form.dispo.onClick = [&] { ++checks; };
  form.famille.onClick = [&] { ++famille; };
  form.liste.onClick = [&] { ++listClicks; };
  form.combo.onChange = [&] { ++combos; };
  form.quitter.onClick = [&] { ++quit; };
  form.show();

  QTest::mouseClick(w<QPushButton>(form.ok), Qt::LeftButton);
  EXPECT_EQ(clicks, 1);

  qt_testing::type(w<QLineEdit>(form.titre), QString::fromUtf8("thé"));
  EXPECT_EQ(form.titre.text(), cp("thé"));
  EXPECT_EQ(changes, 3);

  w<QCheckBox>(form.dispo)->click();
  EXPECT_TRUE(form.dispo.checked());
  EXPECT_EQ(checks, 1);

  w<QGroupBox>(form.famille)->findChildren<QRadioButton*>()[1]->click();
  EXPECT_EQ(form.famille.itemIndex(), 1);
  EXPECT_EQ(famille, 1);

  auto* list = w<QListWidget>(form.liste);
  settle();
  QRect second = list->visualItemRect(list->item(1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
  EXPECT_EQ(form.liste.itemIndex(), 1);
  EXPECT_EQ(listClicks, 1);
  // A click on the item already selected is one more click.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
  EXPECT_EQ(listClicks, 2);

  auto* combo = w<QComboBox>(form.combo);
  emit combo->activated(1);
  EXPECT_EQ(form.combo.itemIndex(), 1);
  EXPECT_EQ(combos, 1);

  renderer.action(form.quitter)->trigger();
  EXPECT_EQ(quit, 1);

  QTest::keyClicks(w<QPlainTextEdit>(form.notes), "a");
  QTest::keyClick(w<QPlainTextEdit>(form.notes), Qt::Key_Return);
  QTest::keyClicks(w<QPlainTextEdit>(form.notes), "b");
  EXPECT_EQ(form.notes.lines(), (platform::LineList{"a", "b"}));
}

using qt_testing::Dessin;

// In every kind of list, a click on an item reaches the click handler, a click on the item that
// is already current too (Qt tells only a change of row).
TEST(DesktopLists, EveryClickOnAnItemReachesTheHandler) {
  struct Listes : ui::Form {
    explicit Listes(ui::Application& a) : ui::Form(a, "Tlistes", "listes") {
      for (ui::ItemsControl* l :
           std::initializer_list<ui::ItemsControl*>{&liste, &fichiers, &coches})
        l->setItems({"A.ref", "B.ref", "C.ref"});
    }
    ui::ListBox liste{*this, "liste"};
    ui::FileListBox fichiers{*this, "fichiers", "*.ref"};
    ui::CheckListBox coches{*this, "coches"};
  };
  Dessin<Listes> dessin;
  auto& form = dessin.form;
  auto& renderer = dessin.renderer;
  for (ui::ItemsControl* l : std::initializer_list<ui::ItemsControl*>{&form.liste, &form.fichiers,
                                                                     &form.coches}) {
    int clics = 0;
    l->onClick = [&] { ++clics; };
    auto* liste = qobject_cast<QListWidget*>(renderer.widget(*l));
    ASSERT_NE(liste, nullptr) << l->name();
    settle();
    const QPoint texte = liste->visualItemRect(liste->item(1)).center();
    for (int fois = 1; fois <= 2; ++fois) {
      QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, texte);
      EXPECT_EQ(clics, fois) << l->name();
      EXPECT_EQ(l->itemIndex(), 1) << l->name();
    }
  }
  EXPECT_FALSE(form.coches.checked(1));  // a click on the text leaves the tick alone
}

// Ticking one item of a long list sets that item's tick alone (a list of 15,000 files took 13 s
// to tick when every tick was redrawn at each one); ticks given at once all show.
TEST(DesktopLists, TickingAnItemTouchesThatItemOnly) {
  struct Liste : ui::Form {
    explicit Liste(ui::Application& a) : ui::Form(a, "Tliste", "liste") {
      coches.setItems(std::vector<std::string>(1000, "page.htm"));
    }
    ui::CheckListBox coches{*this, "coches"};
  };
  Dessin<Liste> dessin;
  auto& form = dessin.form;
  auto& renderer = dessin.renderer;
  int clics = 0;
  form.coches.onClickCheck = [&] { ++clics; };
  auto* liste = qobject_cast<QListWidget*>(renderer.widget(form.coches));
  ASSERT_NE(liste, nullptr);
  settle();
  {
    // A mark the model does not hold: a redraw of every tick would take it off.
    QSignalBlocker silence(liste);
    liste->item(3)->setCheckState(Qt::Checked);
  }
  form.coches.setChecked(700, true);
  EXPECT_EQ(liste->item(700)->checkState(), Qt::Checked);
  EXPECT_EQ(liste->item(3)->checkState(), Qt::Checked);

  std::vector<bool> coches(1000, false);
  for (size_t i = 0; i < coches.size(); i += 3) coches[i] = true;
  form.coches.setChecks(coches);
  for (int r = 0; r < liste->count(); ++r)
    EXPECT_EQ(liste->item(r)->checkState() == Qt::Checked, coches[static_cast<size_t>(r)]) << r;
  EXPECT_EQ(clics, 0);
}

TEST_F(DesktopRenderer, AHandlerThatRewritesTheTextIsShownWithoutLoopingBack) {
  int changes = 0;
  form.titre.onChange = [&] {
    ++changes;
    form.titre.setText(platform::upperAscii(form.titre.text()));
  };
  form.show();
  auto* edit = w<QLineEdit>(form.titre);
  QTest::keyClicks(edit, "ab");
  EXPECT_EQ(form.titre.text(), "AB");
  EXPECT_EQ(edit->text(), "AB");
  // Each keystroke: the user's change, then the handler's own (which changes nothing more).
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(edit->cursorPosition(), 2);
}

TEST_F(DesktopRenderer, TextWindows1252CannotHoldBecomesAQuestionMarkOnScreenToo) {
  form.show();
  auto* edit = w<QLineEdit>(form.titre);
  qt_testing::type(edit, QString::fromUtf8("€☃"));
  EXPECT_EQ(form.titre.text(), "\x80?");
  EXPECT_EQ(edit->text(), QString::fromUtf8("€?"));
}

TEST_F(DesktopRenderer, TheLengthLimitBindsTypingButATextOfTheProgramIsShownWhole) {
  form.titre.maxLength = 3;
  form.titre.password = true;
  form.titre.setText("abcdef");
  auto* edit = w<QLineEdit>(form.titre);
  EXPECT_EQ(edit->text(), "abcdef");
  EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
  form.show();
  form.titre.setText("");
  QTest::keyClicks(edit, "12345");
  EXPECT_EQ(form.titre.text(), "123");
  EXPECT_EQ(edit->text(), "123");
}

TEST_F(DesktopRenderer, ActionsOnControlsTheModelRefusesLeaveTheWidgetAsTheModelIs) {
  form.show();
  form.dispo.setEnabled(false);
  auto* box = w<QCheckBox>(form.dispo);
  // Even when the widget is clicked behind the model's back, the model's state wins.
  box->setEnabled(true);
  box->click();
  EXPECT_FALSE(form.dispo.checked());
  EXPECT_FALSE(box->isChecked());
  EXPECT_FALSE(box->isEnabled());
}

TEST_F(DesktopRenderer, KeyHandlersSeeKeysFirstAndMaySwallowOrChangeThem) {
  std::vector<int> downs;
  form.titre.onKeyDown = [&](int& key, ui::Shift) {
    downs.push_back(key);
    if (key == 'Z') key = 0;
  };
  form.titre.onKeyPress = [&](char& c) {
    if (c == 'x') c = 0;
    if (c == 'a') c = 'A';
  };
  form.show();
  auto* edit = w<QLineEdit>(form.titre);
  QTest::keyClicks(edit, "bzxa");
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(form.titre.text(), "bA");
  EXPECT_EQ(edit->text(), "bA");
  EXPECT_EQ(downs, (std::vector<int>{'B', 'Z', 'X', 'A', ui::key::Enter}));
}

// A long command lets the user's events in to keep its windows painted: a key, a scroll wheel or
// the focus moved then reach no handler and the widgets show the model as it was; once it ends
// they do again.
TEST_F(DesktopRenderer, KeysScrollsAndFocusDuringACommandDoNotReachTheModel) {
  int keys = 0, scrolls = 0, enters = 0;
  form.titre.onKeyDown = [&](int&, ui::Shift) { ++keys; };
  form.titre.onKeyPress = [&](char&) { ++keys; };
  form.maxi.onChange = [&] { ++scrolls; };
  form.titre.onEnter = [&] { ++enters; };
  ASSERT_TRUE(showActive());
  auto* edit = w<QLineEdit>(form.titre);
  auto* bar = w<QScrollBar>(form.maxi);
  auto user = [&] {
    w<QPlainTextEdit>(form.notes)->setFocus(Qt::MouseFocusReason);
    edit->setFocus(Qt::TabFocusReason);
    QCoreApplication::postEvent(edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
    const QPointF centre = QRectF(bar->rect()).center();
    QCoreApplication::postEvent(bar, new QWheelEvent(centre, bar->mapToGlobal(centre), {}, {0, -120},
                                                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                                                     false));
    QCoreApplication::processEvents();
  };
  form.ok.onClick = user;
  QTest::mouseClick(w<QPushButton>(form.ok), Qt::LeftButton);
  EXPECT_EQ(keys, 0);
  EXPECT_EQ(scrolls, 0);
  EXPECT_EQ(enters, 0);
  EXPECT_EQ(form.titre.text(), "");
  EXPECT_EQ(edit->text(), "");
  EXPECT_EQ(form.maxi.position(), 1);
  EXPECT_EQ(bar->value(), 1);

  user();
  EXPECT_EQ(keys, 2);
  EXPECT_EQ(form.titre.text(), "a");
  EXPECT_EQ(scrolls, 1);
  EXPECT_EQ(enters, 1);
  EXPECT_GT(form.maxi.position(), 1);
  EXPECT_EQ(bar->value(), form.maxi.position());
}

TEST_F(DesktopRenderer, FocusLeavingAControlRunsItsExitHandlerButNotForAWindowChange) {
  int exits = 0, enters = 0;
  form.notes.onExit = [&] { ++exits; };
  form.titre.onEnter = [&] { ++enters; };
  ASSERT_TRUE(showActive());
  w<QPlainTextEdit>(form.notes)->setFocus(Qt::MouseFocusReason);
  w<QLineEdit>(form.titre)->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(enters, 1);
  w<QPlainTextEdit>(form.notes)->setFocus(Qt::MouseFocusReason);
  // A message box takes the focus from the window, not from the control.
  qtui::QtDialogs real{modal, "tarvio"};
  qt_testing::whenDialogOpens([](QWidget* dialog) { dialog->close(); });
  real.showMessage("Bonjour");
  EXPECT_EQ(exits, 1);
}

TEST_F(DesktopRenderer, HiddenTabsAreHiddenInTheirPlaceAndComeBackThere) {
  int changes = 0;
  form.pages.onChange = [&] { ++changes; };
  auto* tabs = w<QTabWidget>(form.pages);
  form.deux.setTabVisible(false);
  ASSERT_EQ(tabs->count(), 3);
  EXPECT_FALSE(tabs->isTabVisible(1));
  EXPECT_TRUE(tabs->isTabVisible(2));
  form.pages.setActivePage(form.trois);
  EXPECT_EQ(tabs->currentIndex(), 2);
  EXPECT_EQ(changes, 0);
  form.deux.setTabVisible(true);
  EXPECT_TRUE(tabs->isTabVisible(1));
  EXPECT_EQ(tabs->tabText(1), "Deux");
  EXPECT_EQ(tabs->currentIndex(), 2);
  // The user's choice of a tab goes through the model, which runs its change handler.
  tabs->setCurrentIndex(0);
  EXPECT_EQ(form.pages.activePage(), &form.un);
  EXPECT_EQ(changes, 1);
}

TEST_F(DesktopRenderer, LayoutFollowsDeclarationOrderAndModelSizes) {
  form.pages.setBounds(0, 0, 300, 200);
  form.show();
  settle();
  auto* tabs = w<QTabWidget>(form.pages);
  EXPECT_EQ(tabs->size(), QSize(300, 200));
  // Inside a page, each control comes after the one declared before it (right of it or below).
  QRect edit = w<QLineEdit>(form.titre)->geometry();
  QRect memo = w<QPlainTextEdit>(form.notes)->geometry();
  EXPECT_FALSE(edit.intersects(memo));
  EXPECT_TRUE(memo.left() >= edit.right() || memo.top() >= edit.bottom());
  // A hidden control takes no room: the one after it moves up into its place.
  QRect ok = w<QPushButton>(form.ok)->geometry();
  QRect dispo = w<QCheckBox>(form.dispo)->geometry();
  form.ok.hide();
  settle();
  EXPECT_EQ(w<QCheckBox>(form.dispo)->geometry().topLeft(), ok.topLeft());
  EXPECT_NE(dispo.topLeft(), ok.topLeft());
}

TEST_F(DesktopRenderer, WindowsFollowTheModelAndTheTitleBarCloseGoesThroughIt) {
  int closes = 0;
  second.onClose = [&] { ++closes; };
  form.show();
  second.show();
  QWidget* window = renderer.window(second);
  EXPECT_TRUE(window->isVisible());
  window->close();  // as the title bar's close button
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(second.visible());
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(form.active());
  second.show();
  EXPECT_TRUE(window->isVisible());
  second.onClose = [&] { second.keepOpen(); };
  window->close();
  EXPECT_TRUE(second.visible());
  EXPECT_TRUE(window->isVisible());
  second.hide();
  EXPECT_FALSE(window->isVisible());
}

TEST_F(DesktopRenderer, TheWindowSystemsActivationBecomesTheModels) {
  int activations = 0;
  form.onActivate = [&] { ++activations; };
  form.show();
  second.show();
  ASSERT_TRUE(second.active());
  int before = activations;
  // Until the window system confirms the model's own activation, the user's is taken for its echo.
  ASSERT_TRUE(waitFor([&] {
    renderer.window(form)->activateWindow();
    return form.active();
  }, 5000));
  EXPECT_EQ(activations, before + 1);
  // An activation that only confirms the model's changes no handler again.
  settle();
  EXPECT_EQ(activations, before + 1);
}

TEST_F(DesktopRenderer, ExposureRunsThePaintHandlerFromTheEventLoopNotInsidePainting) {
  int paints = 0;
  form.onPaint = [&] {
    ++paints;
    if (!second.visible()) second.show();  // opens a window, as the main window's paint does
  };
  form.show();
  ASSERT_TRUE(waitFor([&] { return paints > 0; }));
  EXPECT_TRUE(second.visible());
  EXPECT_TRUE(renderer.window(second)->isVisible());
}

TEST_F(DesktopRenderer, AnErrorEscapingAHandlerIsShownNotThrownThroughQt) {
  form.ok.onClick = [] { throw std::runtime_error("disque plein"); };
  form.show();
  QString shown;
  qt_testing::whenDialogOpens([&](QWidget* dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) shown = box->text();
    dialog->close();
  });
  QTest::mouseClick(w<QPushButton>(form.ok), Qt::LeftButton);
  EXPECT_TRUE(shown.contains("disque plein"));
}

// A borderless panel of the window's page control, as the main window's style and menu editors.
struct Panel : ui::Form {
  Panel(ui::Application& a, ui::PageControl& pages) : ui::Form(a, "Tpanel", "panel") {
    panelOver = &pages;
    setBounds(0, 0, 200, 0);
  }
  ui::Edit champ{*this, "champ"};
  ui::Label note{*this, "note", "Note"};
  ui::Shape nuancier{*this, "nuancier"};
};

class DesktopPanel : public ::testing::Test {
 protected:
  DesktopPanel() {
    form.pages.setBounds(0, 0, 300, 200);
    form.show();
    settle();
  }
  ui::ScriptedDialogs dialogs;
  ui::Application application{dialogs};
  Sample form{application};
  Panel panel{application, form.pages};
  qtui::ModalState modal;
  qtui::Renderer renderer{application, modal};
};

TEST_F(DesktopPanel, IsShownInsideItsWindowOverThePagesAndGoesBehindWhenTheWindowIsClicked) {
  panel.show();
  QWidget* shown = renderer.window(panel);
  QWidget* window = renderer.window(form);
  ASSERT_FALSE(shown->isWindow());
  ASSERT_TRUE(window->isAncestorOf(shown));
  EXPECT_TRUE(shown->isVisible());
  auto* tabs = qobject_cast<QTabWidget*>(renderer.widget(form.pages));
  QRect pages(tabs->mapTo(window, QPoint(0, 0)), tabs->size());
  QRect over(shown->mapTo(window, QPoint(0, 0)), shown->size());
  EXPECT_TRUE(pages.contains(over));
  // The tabs stay in sight and can be clicked.
  EXPECT_GE(over.top(), pages.top() + tabs->tabBar()->height());
  EXPECT_TRUE(panel.active());

  // A click in the window beside the panel brings the window in front: the panel goes behind it
  // and stays open in the model.
  auto* list = qobject_cast<QListWidget*>(renderer.widget(form.liste));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(form.active());
  EXPECT_TRUE(shown->isHidden());
  EXPECT_TRUE(panel.visible());

  // Shown again it comes in front; a click inside it keeps it there.
  panel.show();
  EXPECT_TRUE(shown->isVisible());
  EXPECT_TRUE(panel.active());
  QTest::mouseClick(renderer.widget(panel.champ), Qt::LeftButton);
  EXPECT_TRUE(panel.active());
  EXPECT_TRUE(shown->isVisible());
  // Neither does a click on a part that takes no clicks; a colour swatch is clicked as a button.
  int swatch = 0;
  panel.nuancier.onClick = [&] { ++swatch; };
  QTest::mouseClick(renderer.widget(panel.note), Qt::LeftButton);
  QTest::mouseClick(renderer.widget(panel.nuancier), Qt::LeftButton);
  EXPECT_TRUE(panel.active());
  EXPECT_TRUE(shown->isVisible());
  EXPECT_EQ(swatch, 1);
  panel.hide();
  EXPECT_TRUE(shown->isHidden());
  EXPECT_TRUE(form.active());
}

}  // namespace
