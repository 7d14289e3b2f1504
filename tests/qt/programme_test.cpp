// The real program started on a copy of the demo shop, seen through its Qt windows.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextLayout>
#include <QWindow>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/style.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/infopages/accueil.h"
#include "fenetres/infopages/cvente.h"
#include "fenetres/publish/fenetre_mise_a_jour.h"
#include "platform/files.h"
#include "qt/session.h"
#include "demo_programme.h"
#include "qt_test_support.h"
#include "support/temp_folder.h"

using qt_testing::cliquerOnglet;
using qt_testing::cp;
using qt_testing::demarrerDemo;
using qt_testing::settle;
using qt_testing::waitFor;
using qt_testing::whenDialogOpens;

namespace {

class DesktopProgramme : public ::testing::Test {
 protected:
  DesktopProgramme() { session = demarrerDemo(shop, shell); }
  app::Tmain& main() { return session->programme().main(); }
  QWidget* window() { return session->renderer().window(main()); }
  QWidget* widget(const ui::Control& c) { return session->renderer().widget(c); }

  testing_support::TempFolder shop;
  ui::RecordingShell shell;
  std::unique_ptr<qtui::Session> session;
};

// The main window fits the screen it is on, and every control the user can reach in the model
// can be scrolled into sight (the test qt.ecran_1024x768 runs this on a 1024 x 768 screen).
TEST_F(DesktopProgramme, MainWindowFitsItsScreenAndEveryControlCanBeReached) {
  QWidget* w = window();
  const QRect ecran = w->screen()->availableGeometry();
  EXPECT_TRUE(ecran.contains(w->frameGeometry()))
      << w->frameGeometry().width() << "x" << w->frameGeometry().height() << " on "
      << ecran.width() << "x" << ecran.height();
  EXPECT_LE(w->minimumWidth(), ecran.width());
  EXPECT_LE(w->minimumHeight(), ecran.height());
  auto* zone = w->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
  ASSERT_NE(zone, nullptr);
  int vus = 0;
  for (ui::Control* c : main().controls()) {
    QWidget* cw = widget(*c);
    if (!c->reachable() || !cw || !cw->isVisibleTo(w)) continue;
    // The status bar is below the scrolled area, always in sight.
    const bool defile = zone->isAncestorOf(cw);
    if (defile) zone->ensureWidgetVisible(cw, 0, 0);
    const QRect ou(cw->mapTo(w, QPoint(0, 0)), cw->size());
    EXPECT_TRUE((defile ? zone->geometry() : w->rect()).contains(ou.center())) << c->name();
    ++vus;
  }
  EXPECT_GT(vus, 50);
}

TEST_F(DesktopProgramme, MainWindowShowsTheModelsMenusTabsAndSheetList) {
  EXPECT_EQ(window()->windowTitle(), "tarvio");
  auto* bar = window()->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  QStringList menus;
  for (QAction* a : bar->actions()) menus << a->text();
  EXPECT_EQ(menus, (QStringList{"Projet", "Site", "Construction", "Aide"}));

  auto* tabs = qobject_cast<QTabWidget*>(widget(main().PageControl1));
  ASSERT_NE(tabs, nullptr);
  QStringList captions;
  for (int i = 0; i < tabs->count(); ++i)
    if (tabs->isTabVisible(i)) captions << tabs->tabText(i);
  QStringList visible;
  for (ui::TabSheet* page : main().PageControl1.pages())
    if (page->tabVisible()) visible << qtui::toQt(page->caption());
  EXPECT_EQ(captions, visible);
  EXPECT_TRUE(captions.contains("Fiche Produit"));

  auto* list = qobject_cast<QListWidget*>(widget(main().liste_fiches));
  ASSERT_NE(list, nullptr);
  QStringList sheets;
  for (int i = 0; i < list->count(); ++i) sheets << list->item(i)->text();
  EXPECT_EQ(sheets, (QStringList{"BOL01.ref", "BOL02.ref", "INF01.ref", "INF02.ref", "LIV01.ref",
                                 "TAS01.ref"}));
  auto* save = qobject_cast<QPushButton*>(widget(main().bsauve));
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(save->text(), "Sauvegarde");
  // The identity exists in the demo: its window does not come up.
  EXPECT_FALSE(session->programme().ident().visible());
}

TEST_F(DesktopProgramme, ClickingASheetInTheListOpensItAndItsFieldsAreShown) {
  auto* list = qobject_cast<QListWidget*>(widget(main().liste_fiches));
  ASSERT_NE(list, nullptr);
  QRect item = list->visualItemRect(list->item(1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
  EXPECT_EQ(main().liste_fiches.itemIndex(), 1);
  EXPECT_EQ(main().cheminFiche, shop.path() / "BOL02.ref");
  EXPECT_EQ(main().PageControl1.activePage(), &main().fiche_produit);
  EXPECT_EQ(main().referencer.text(), "BOL02");
  // Captioned edits are a label and the edit in one widget.
  auto* title = widget(main().descriptionT)->findChild<QLineEdit*>();
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->text(), QString::fromUtf8("Bol à thé raku"));
  EXPECT_EQ(widget(main().prixT)->findChild<QLineEdit*>()->text(), "32.00");
}

TEST_F(DesktopProgramme, TypingAReferenceIntoTheEmptyBoxKeepsEveryLetterAndTheFocus) {
  window()->activateWindow();
  ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == window(); }));
  auto* edit = widget(main().referencer)->findChild<QLineEdit*>();
  ASSERT_NE(edit, nullptr);
  QTest::mouseClick(edit, Qt::LeftButton);
  ASSERT_EQ(QApplication::focusWidget(), edit);
  // The first letter shows the tabs "Style fiche" and "Accueil"; the keys still go on coming to
  // where the focus is, as the keyboard's do.
  for (char c : std::string("THE01")) QTest::keyClick(QApplication::focusWidget(), c);
  EXPECT_EQ(main().referencer.text(), "THE01");
  EXPECT_EQ(edit->text(), "THE01");
  EXPECT_EQ(QApplication::focusWidget(), edit);
  EXPECT_TRUE(main().style_f.tabVisible());
  auto* tabs = qobject_cast<QTabWidget*>(widget(main().PageControl1));
  EXPECT_TRUE(tabs->isTabVisible(main().style_f.pageIndex()));
}

TEST_F(DesktopProgramme, LongTitlesNeverResizeTheFixedMainWindowTheyAreCutShort) {
  window()->activateWindow();
  ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == window(); }));
  const QSize size = window()->size();
  ASSERT_GE(size.width(), 797);
  auto* title = widget(main().descriptionT)->findChild<QLineEdit*>();
  ASSERT_NE(title, nullptr);
  QTest::mouseClick(title, Qt::LeftButton);
  std::string typed;
  while (typed.size() < 213) typed += "Bol a the raku emaille noir ";
  typed.resize(213);
  for (char c : typed) QTest::keyClick(QApplication::focusWidget(), c);
  ASSERT_EQ(main().descriptionT.text(), typed);
  settle();
  EXPECT_EQ(window()->size(), size);
  auto* bar = window()->findChild<QStatusBar*>();
  ASSERT_NE(bar, nullptr);
  for (QLabel* panel : bar->findChildren<QLabel*>())
    EXPECT_LE(panel->geometry().right(), bar->width());
  // A text of megabytes, as a pasted file would be.
  session->renderer().run([&] { main().descriptionT.type(std::string(5'000'000, 'x')); });
  settle();
  EXPECT_EQ(window()->size(), size);
  auto* area = window()->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
  EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
}

TEST_F(DesktopProgramme, TheEditorsOfTheTabsOpenOverThePageControlAndGoBehindWhenTheTabIsLeft) {
  window()->activateWindow();
  ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == window(); }));
  auto* tabs = qobject_cast<QTabWidget*>(widget(main().PageControl1));
  ASSERT_NE(tabs, nullptr);
  auto clickTab = [&](const ui::TabSheet& page) {
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page.pageIndex()).center());
  };
  auto onScreen = [&] {
    int shown = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->isWindow() && top->isVisible()) ++shown;
    return shown;
  };
  // The page control grows with the first editor that needs more room.
  auto pagesRect = [&] { return QRect(tabs->mapTo(window(), QPoint(0, 0)), tabs->size()); };
  auto over = [&](QWidget* panel) {
    return QRect(panel->mapTo(window(), QPoint(0, 0)), panel->size());
  };

  clickTab(main().style_P);
  auto& styleP = session->programme().styleP();
  ASSERT_TRUE(styleP.visible());
  QWidget* settings = session->renderer().window(styleP);
  ASSERT_FALSE(settings->isWindow());
  EXPECT_TRUE(settings->isVisible());
  EXPECT_TRUE(pagesRect().contains(over(settings)));
  EXPECT_EQ(onScreen(), 1);

  clickTab(main().fiche_produit);
  EXPECT_TRUE(settings->isHidden());
  EXPECT_TRUE(main().active());
  EXPECT_EQ(main().PageControl1.activePage(), &main().fiche_produit);

  // With a sheet open, the menu tab shows the menu editor there, in front of the settings.
  auto* list = qobject_cast<QListWidget*>(widget(main().liste_fiches));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(0)).center());
  ASSERT_TRUE(main().menus.tabVisible());
  clickTab(main().style_P);
  ASSERT_TRUE(settings->isVisible());
  clickTab(main().menus);
  auto& menu = session->programme().menu1();
  QWidget* menuPanel = session->renderer().window(menu);
  EXPECT_TRUE(menu.active());
  ASSERT_FALSE(menuPanel->isWindow());
  EXPECT_TRUE(menuPanel->isVisible());
  EXPECT_TRUE(pagesRect().contains(over(menuPanel)));
  EXPECT_TRUE(settings->isHidden());
  EXPECT_EQ(onScreen(), 1);
}

TEST_F(DesktopProgramme, EveryFieldOfTheIndexTabShowsItsCaption) {
  auto* tabs = qobject_cast<QTabWidget*>(widget(main().PageControl1));
  QTabBar* bar = tabs->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(main().meta1.pageIndex()).center());
  ASSERT_EQ(main().PageControl1.activePage(), &main().meta1);
  settle();
  auto& m = main();
  for (ui::Edit* field :
       {&m.titreE, &m.dateCE, &m.dateRE, &m.langueE, &m.auteurE, &m.copyE, &m.visiteE, &m.catE}) {
    auto* caption = widget(*field)->findChild<QLabel*>();
    ASSERT_NE(caption, nullptr) << field->name();
    EXPECT_TRUE(caption->isVisible()) << field->name();
    EXPECT_FALSE(caption->text().isEmpty()) << field->name();
  }
  EXPECT_EQ(widget(m.copyE)->findChild<QLabel*>()->text(), "Copyright : ");
  for (ui::Control* field : std::initializer_list<ui::Control*>{&m.descriptionM, &m.motsL}) {
    auto* box = qobject_cast<QGroupBox*>(widget(*field)->parentWidget());
    ASSERT_NE(box, nullptr) << field->name();
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->title().isEmpty());
  }
}

// The first and last columns of the area where the picture differs from the area's left middle
// pixel (its background); -1, -1 when nothing is drawn there.
std::pair<int, int> encre(const QImage& image, QRect area) {
  const QRgb fond = image.pixel(area.left(), area.center().y());
  int premiere = -1, derniere = -1;
  for (int x = area.left(); x <= area.right(); ++x)
    for (int y = area.top(); y <= area.bottom(); ++y)
      if (image.pixel(x, y) != fond) {
        if (premiere < 0) premiere = x;
        derniere = x;
        break;
      }
  return {premiere, derniere};
}

TEST_F(DesktopProgramme, TheIndexDatesTakeDigitsInTheirPlacesOnlyAndAreSavedWithTheirSeparators) {
  window()->activateWindow();
  ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == window(); }));
  cliquerOnglet(session->renderer(), main(), main().meta1);
  settle();
  auto* date = widget(main().dateCE)->findChild<QLineEdit*>();
  ASSERT_NE(date, nullptr);
  QTest::mouseClick(date, Qt::LeftButton);
  QTest::keyClick(date, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(date, Qt::Key_Delete);
  EXPECT_EQ(date->displayText(), "__/__/__");
  EXPECT_EQ(main().dateCE.text(), "  /  /  ");
  qt_testing::type(date, "01a0203");
  EXPECT_EQ(date->displayText(), "01/02/03");
  EXPECT_EQ(main().dateCE.text(), "01/02/03");
  QTest::mouseClick(qobject_cast<QPushButton*>(widget(main().BitBtn16)), Qt::LeftButton);
  EXPECT_EQ(platform::LineList::load(shop.path() / "index.opt").value("creation"), "01/02/03");
}

TEST_F(DesktopProgramme, TheStyleEditorShowsItsEmphasisPressedTheTilesItDrawsAndItsAlignment) {
  cliquerOnglet(session->renderer(), main(), main().style_f, true);
  design::TForm1& f = session->programme().Form1();
  ASSERT_TRUE(f.visible());
  ASSERT_EQ(f.elementCourant, "Titre");
  auto montrer = [&](const char* fondHaut, const char* gras) {
    session->renderer().run([&] {
      f.style.fond_titre = fondHaut;
      f.style.fond_bas = "#00FF00";
      f.style.coul_trait = "#0000FF";
      f.style.encadrement_style = "rond";
      f.style.gras_titre = gras;
      f.style.italique_titre = "non";
      f.style.aligne_titre = "right";
      f.elements();
    });
    settle();
  };
  montrer("#FF0000", "oui");
  auto* gras = qobject_cast<QPushButton*>(widget(f.titre4));
  auto* italique = qobject_cast<QPushButton*>(widget(f.titre5));
  EXPECT_TRUE(gras->isChecked());
  EXPECT_FALSE(italique->isChecked());
  QTest::mouseClick(gras, Qt::LeftButton);
  QTest::mouseClick(italique, Qt::LeftButton);
  EXPECT_EQ(f.style.gras_titre, "non");
  EXPECT_FALSE(gras->isChecked());
  EXPECT_TRUE(italique->isChecked());

  // Each tile drawn, every pixel of it, three times its size; drawn again, shown again.
  auto coinsMontres = [&] {
    QWidget* panneau = session->renderer().window(f);
    const std::pair<const char*, const platform::Bitmap*> tuiles[] = {
        {"hg", &f.coins.hg}, {"hd", &f.coins.hd}, {"bg", &f.coins.bg}, {"bd", &f.coins.bd}};
    for (auto [nom, tuile] : tuiles) {
      QWidget* image = panneau->findChild<QWidget*>(nom);
      ASSERT_NE(image, nullptr) << nom;
      ASSERT_EQ(image->size(), QSize(18, 18)) << nom;
      QImage vue = image->grab().toImage();
      for (int y = 0; y < tuile->height(); ++y)
        for (int x = 0; x < tuile->width(); ++x) {
          platform::Rgb c = tuile->pixel(x, y);
          ASSERT_EQ(QColor(vue.pixel(3 * x + 1, 3 * y + 1)), QColor(c.r, c.g, c.b))
              << nom << " " << x << "," << y;
        }
    }
  };
  coinsMontres();
  montrer("#FFFF00", "oui");
  ASSERT_EQ(f.coins.hg.pixel(5, 5), (platform::Rgb{255, 255, 0}));
  coinsMontres();

  // The preview's caption on the right, as its element is aligned.
  session->renderer().run([&] { f.titre.setCaption("Titre"); });
  settle();
  auto* apercu = qobject_cast<QFrame*>(widget(f.titre));
  ASSERT_NE(apercu, nullptr);
  QRect texte = apercu->contentsRect().adjusted(2, 2, -2, -2);
  auto [premiere, derniere] = encre(apercu->grab().toImage(), texte);
  EXPECT_GT(premiere, texte.left() + texte.width() * 2 / 3);
  EXPECT_GT(derniere, texte.right() - 10);
}

TEST_F(DesktopProgramme, TheHomePageEditorShowsThePageBackgroundPictureAndAlignsItsTexts) {
  QImage herbe(8, 8, QImage::Format_RGB32);
  herbe.fill(QColor(30, 140, 60));
  std::filesystem::create_directories(shop.path() / "fonds");
  ASSERT_TRUE(herbe.save(QString::fromStdString((shop.path() / "fonds/herbe.png").string())));
  auto& styleP = session->programme().styleP();
  session->renderer().run([&] {
    styleP.fond_page.clear();
    styleP.cadre.loadPicture(shop.path() / "fonds/herbe.png");
  });
  cliquerOnglet(session->renderer(), main(), main().p_accueil, true);
  infopages::Taccueil1& a = session->programme().accueil1();
  ASSERT_TRUE(a.visible());
  session->renderer().run([&] { a.MemoTexte.setText("Bonjour"); });
  settle();

  // Beside the text and its button, the page's picture.
  QWidget* fond = widget(a.fondpage);
  EXPECT_EQ(QColor(fond->grab().toImage().pixel(fond->width() - 8, fond->height() - 8)),
            QColor(30, 140, 60));
  EXPECT_EQ(qobject_cast<QPushButton*>(widget(a.grasB))->isChecked(),
            a.options.gras_intro == "oui");

  // The introduction is centred in the demo; "Droit" puts its text on the right.
  auto* memo = qobject_cast<QPlainTextEdit*>(widget(a.MemoTexte));
  ASSERT_NE(memo, nullptr);
  auto ligne = [&] {
    QImage vue = memo->viewport()->grab().toImage();
    return std::pair{encre(vue, QRect(0, 0, vue.width(), 20)), vue.width()};
  };
  auto [centre, largeur] = ligne();
  EXPECT_LT(std::abs(centre.first - (largeur - 1 - centre.second)), 12)
      << centre.first << " " << centre.second << " " << largeur;
  auto radios = widget(a.aligne)->findChildren<QRadioButton*>();
  ASSERT_EQ(radios.size(), 3);
  QTest::mouseClick(radios[2], Qt::LeftButton);
  ASSERT_EQ(a.options.alignement_intro, "right");
  auto [droite, largeurDroite] = ligne();
  EXPECT_GT(droite.first, largeurDroite / 2);
  EXPECT_GT(droite.second, largeurDroite - 15);

  // Lines longer than the memo, centred or on the right, can be read from their first letter:
  // each fits the width it is aligned in, none starts left of the memo.
  for (int choix : {1, 2}) {
    QTest::mouseClick(radios[0], Qt::LeftButton);
    session->renderer().run([&] {
      a.MemoTexte.setText("Notre atelier fait a la main bols et tasses en gres,<br>\r\n"
                          "et cueille au jardin les plantes de nos infusions.<br>");
    });
    QTest::mouseClick(radios[choix], Qt::LeftButton);
    settle();
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
      for (int i = 0; i < b.layout()->lineCount(); ++i)
        EXPECT_LE(b.layout()->lineAt(i).naturalTextWidth(), b.layout()->lineAt(i).width())
            << choix << " " << b.text().toStdString();
  }
}

TEST_F(DesktopProgramme, AnswerAnnulerKeepsTheEditedSheetAndItsPlaceInTheList) {
  window()->activateWindow();
  ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == window(); }));
  auto* list = qobject_cast<QListWidget*>(widget(main().liste_fiches));
  auto clickRow = [&](int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  };
  clickRow(0);
  ASSERT_EQ(main().referencer.text(), "BOL01");
  auto* price = widget(main().prixT)->findChild<QLineEdit*>();
  QTest::mouseClick(price, Qt::LeftButton);
  QTest::keyClick(price, Qt::Key_A, Qt::ControlModifier);
  for (char c : std::string("99")) QTest::keyClick(QApplication::focusWidget(), c);
  ASSERT_EQ(main().prixT.text(), "99");
  QString asked;
  whenDialogOpens([&](QWidget* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    ASSERT_NE(box, nullptr);
    asked = box->text();
    for (QAbstractButton* b : box->buttons())
      if (b->text() == "Annuler") b->click();
  });
  clickRow(1);
  settle();
  EXPECT_EQ(asked, "Enregistrer la fiche en cours ?");
  EXPECT_EQ(main().referencer.text(), "BOL01");
  EXPECT_EQ(main().prixT.text(), "99");
  EXPECT_EQ(main().liste_fiches.itemIndex(), 0);
  EXPECT_EQ(list->currentRow(), 0);
  ASSERT_EQ(list->selectedItems().size(), 1);
  EXPECT_EQ(list->row(list->selectedItems().front()), 0);
}

TEST_F(DesktopProgramme, BackupAdviceComesInAMessageBoxTheTestCloses) {
  QString text;
  whenDialogOpens([&](QWidget* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    ASSERT_NE(box, nullptr);
    text = box->text();
    ASSERT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->buttons()[0]->text(), "OK");
    box->buttons()[0]->click();
  });
  QTest::mouseClick(qobject_cast<QPushButton*>(widget(main().bsauve)), Qt::LeftButton);
  EXPECT_TRUE(text.startsWith(QString::fromUtf8(
      "Nous conseillons de faire une sauvegarde régulière du répertoire COMPLET de Tarvio\n")))
      << text.toStdString();
  EXPECT_TRUE(main().visible());
}

TEST_F(DesktopProgramme, MainWindowFitsItsWidthWithoutAHorizontalScrollBar) {
  settle();
  auto* area = window()->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
  ASSERT_NE(area, nullptr);
  EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
  // At least the model's width; wider only as its pages need.
  EXPECT_GE(window()->width(), 797);
  EXPECT_LE(window()->width(), 1280);
}

// Every tab, and the editor it shows over the pages, each on a program just started (an editor
// shown first has the window as it starts): each control shown lies whole inside the window and
// inside what holds it, so that none is cut off or reached only by scrolling; the window stays
// within a 1280 x 1024 screen.
TEST(DesktopPanels, EveryControlOfEveryTabAndPanelLiesInsideTheWindow) {
  for (int onglet = 0;; ++onglet) {
    testing_support::TempFolder shop;
    ui::RecordingShell shell;
    auto session = demarrerDemo(shop, shell);
    app::Tmain& main = session->programme().main();
    qtui::Renderer& renderer = session->renderer();
    QWidget* window = renderer.window(main);
    auto* list = qobject_cast<QListWidget*>(renderer.widget(main.liste_fiches));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    std::vector<ui::TabSheet*> pages;
    for (ui::TabSheet* page : main.PageControl1.pages())
      if (page->tabVisible()) pages.push_back(page);
    if (onglet == static_cast<int>(pages.size())) break;
    ui::TabSheet* page = pages[static_cast<size_t>(onglet)];
    auto* tabs = qobject_cast<QTabWidget*>(renderer.widget(main.PageControl1));
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page->pageIndex()).center());
    settle();
    EXPECT_LE(window->frameGeometry().width(), 1280);
    EXPECT_LE(window->frameGeometry().height(), 1024);
    for (ui::TabSheet* p : pages)
      EXPECT_TRUE(bar->rect().contains(bar->tabRect(p->pageIndex()))) << p->name();
    ui::Form* front = &main;
    for (ui::Form* f : session->programme().application().forms())
      if (f->panelOver == &main.PageControl1 && f->visible() && renderer.window(*f)->isVisible())
        front = f;
    // The part of the window a widget can be seen in: its own rectangle cut by every holder's.
    auto seen = [&](QWidget* w) {
      QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
      for (QWidget* holder = w->parentWidget(); holder && holder != window;
           holder = holder->parentWidget())
        r &= QRect(holder->mapTo(window, QPoint(0, 0)), holder->size());
      return r & window->rect();
    };
    for (ui::Control* c : front->controls()) {
      QWidget* w = renderer.widget(*c);
      if (!w || !w->isVisible() || w->isWindow() || c->kind() == ui::Kind::TabSheet) continue;
      const QPoint at = w->mapTo(window, QPoint(0, 0));
      EXPECT_EQ(seen(w).size(), w->size())
          << page->name() << " / " << front->name() << "." << c->name() << ": " << w->width()
          << "x" << w->height() << " at " << at.x() << "," << at.y() << ", window "
          << window->width() << "x" << window->height();
    }
  }
}

// On a new data folder the identity window opens at the start, and the update window does not:
// the program brought the support files it ships. The window system keeps every window the
// program shows in front of the main window, which owns them.
TEST(DesktopStart, TheWindowsShownAtTheStartStayInFrontOfTheMainWindow) {
  testing_support::TempFolder shop;
  ui::RecordingShell shell;
  qtui::Session session(shop.path(), "tarvio", &shell);
  session.start();
  app::Programme& p = session.programme();
  ASSERT_TRUE(waitFor([&] { return p.ident().visible(); }));
  settle();
  EXPECT_FALSE(p.tarvioupdate().visible());
  EXPECT_TRUE(shop.exists("pix1x1.gif"));
  p.tarvioupdate().show();
  settle();
  QWidget* main = session.renderer().window(p.main());
  for (ui::Form* f : std::initializer_list<ui::Form*>{&p.tarvioupdate(), &p.ident()}) {
    QWidget* w = session.renderer().window(*f);
    EXPECT_TRUE(w->isWindow() && w->isVisible()) << f->name();
    ASSERT_NE(w->windowHandle(), nullptr) << f->name();
    EXPECT_EQ(w->windowHandle()->transientParent(), main->windowHandle()) << f->name();
  }
}

// Grown for an editor, the page control keeps the column beside it and the bar below it.
TEST_F(DesktopProgramme, AGrownPageControlKeepsTheColumnBesideItAndTheBarBelowIt) {
  auto* tabs = qobject_cast<QTabWidget*>(widget(main().PageControl1));
  ASSERT_NE(tabs, nullptr);
  QTabBar* bar = tabs->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(main().cventeT.pageIndex()).center());
  settle();
  ASSERT_TRUE(session->programme().cvente1().visible());
  auto place = [&](const ui::Control& c) {
    return QRect(widget(c)->mapTo(window(), QPoint(0, 0)), widget(c)->size());
  };
  const QRect pages = place(main().PageControl1);
  EXPECT_GT(pages.width(), main().PageControl1.width());  // it grew for the editor
  for (const ui::Control* c : std::initializer_list<const ui::Control*>{
           &main().liste_groupe, &main().GroupBox8}) {
    EXPECT_GT(place(*c).left(), pages.right()) << c->name();
    EXPECT_LT(place(*c).top(), pages.bottom()) << c->name();
  }
  for (const ui::Control* c :
       std::initializer_list<const ui::Control*>{&main().identB, &main().bsauve, &main().aideB})
    EXPECT_GT(place(*c).top(), pages.bottom()) << c->name();
}

// The captions the sheet tab gives its picture controls are shown whole.
TEST_F(DesktopProgramme, ThePictureCaptionsOfTheSheetAreShownWhole) {
  session->renderer().run([&] {
    main().nom_image.setCaption("tasse-the.jpg [960 x 720]");
    main().voir_detail.setCaption(cp("Image Détail [aucune]"));
  });
  settle();
  auto* box = qobject_cast<QGroupBox*>(widget(main().nom_image));
  ASSERT_NE(box, nullptr);
  EXPECT_LE(box->fontMetrics().horizontalAdvance(box->title()) + 16, box->width());
  auto* button = qobject_cast<QAbstractButton*>(widget(main().voir_detail));
  ASSERT_NE(button, nullptr);
  EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 12, button->width());
}

TEST(DesktopStart, ASecondProgramOnTheSameDataFolderIsToldAndMustEnd) {
  testing_support::TempFolder shop;
  auto first = qtui::lockDataFolder(shop.path());
  ASSERT_TRUE(first.has_value());
  QString told;
  whenDialogOpens([&](QWidget* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    ASSERT_NE(box, nullptr);
    told = box->text();
    box->buttons().front()->click();
  });
  EXPECT_FALSE(qtui::lockDataFolder(shop.path()).has_value());
  EXPECT_TRUE(
      told.startsWith(QString::fromUtf8("Tarvio est déjà ouvert sur ce dossier de données :")));
  EXPECT_TRUE(told.contains(QString::fromStdString(shop.path().string())));
  // Once the first program has ended, the folder is free.
  first.reset();
  EXPECT_TRUE(qtui::lockDataFolder(shop.path()).has_value());
}

TEST(DesktopLocale, NumbersOfTheCLibraryIgnoreTheDesktopsLocale) {
  EXPECT_STREQ(std::localeconv()->decimal_point, ".");
  EXPECT_EQ(std::to_string(12.5), "12.500000");
}

TEST_F(DesktopProgramme, ClosingTheMainWindowEndsTheLoopWithCodeFour) {
  int loop = -1;
  QTimer::singleShot(0, [&] { window()->close(); });
  loop = QApplication::exec();
  EXPECT_EQ(loop, 4);
  EXPECT_TRUE(session->exited());
  EXPECT_EQ(session->exitCode(0), 4);
  EXPECT_FALSE(main().visible());
}

}  // namespace
