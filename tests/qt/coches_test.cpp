// A click on an item's tick box in every check list of the program, as the mouse gives it: that
// tick alone changes, and the window goes on showing and acting on the item it showed.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTabBar>
#include <QTabWidget>
#include <string>

#include "demo_programme.h"
#include "fenetres/app/fenetre_prix_promotions.h"
#include "fenetres/infopages/accueil.h"
#include "fenetres/infopages/cvente.h"
#include "fenetres/infopages/fenetre_liste_recherche.h"
#include "fenetres/publish/fenetre_comparateurs.h"
#include "fenetres/publish/transfert.h"
#include "platform/files.h"
#include "platform/lines.h"

using qt_testing::cliquerOnglet;
using qt_testing::cp;
using qt_testing::settle;
using qt_testing::waitFor;

namespace {

// Where the view's style draws an item's tick box.
QPoint caseDe(QListWidget* liste, int row) {
  QStyleOptionViewItem o;
  o.initFrom(liste->viewport());
  o.rect = liste->visualItemRect(liste->item(row));
  o.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
  o.text = liste->item(row)->text();
  o.widget = liste;
  return liste->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &o, liste).center();
}

class DesktopCoches : public ::testing::Test {
 protected:
  DesktopCoches() { session = qt_testing::demarrerDemo(shop, shell); }
  app::Programme& p() { return session->programme(); }
  QWidget* widget(const ui::Control& c) { return session->renderer().widget(c); }
  std::string fichier(const std::string& nom) {
    return platform::LineList::load(shop.path() / nom).text();
  }
  void cliquer(const ui::Control& bouton) {
    QTest::mouseClick(qobject_cast<QPushButton*>(widget(bouton)), Qt::LeftButton);
  }
  // The widget typed into: a captioned edit's line edit.
  QWidget* champ(const ui::Control& c) {
    auto* edit = widget(c)->findChild<QLineEdit*>();
    return edit ? edit : widget(c);
  }
  // Clicks into an edit or a memo and types after what it holds.
  void taper(const ui::Control& c, const char* texte) {
    QWidget* w = champ(c);
    QTest::mouseClick(w, Qt::LeftButton);
    QTest::keyClick(w, Qt::Key_End, Qt::ControlModifier);
    qt_testing::type(w, QString::fromUtf8(texte));
  }
  // The text of item `montre` clicked, then the box of item `coche`: that tick alone changed.
  void cocherApres(ui::CheckListBox& c, int montre, int coche) {
    settle();
    auto* liste = qobject_cast<QListWidget*>(widget(c));
    ASSERT_NE(liste, nullptr);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(liste->item(montre)).center());
    ASSERT_EQ(c.itemIndex(), montre);
    const bool avant = c.checked(static_cast<size_t>(coche));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, caseDe(liste, coche));
    EXPECT_NE(c.checked(static_cast<size_t>(coche)), avant) << c.name();
    EXPECT_EQ(c.itemIndex(), montre) << c.name();
    EXPECT_EQ(liste->currentRow(), montre) << c.name();
  }
  // The message box the next action opens is read and closed.
  void fermerMessage(std::string* lu = nullptr) {
    qt_testing::whenDialogOpens([lu](QWidget* d) {
      auto* boite = qobject_cast<QMessageBox*>(d);
      if (lu) *lu = boite->text().toStdString();
      boite->buttons().front()->click();
    });
  }

  testing_support::TempFolder shop;
  ui::RecordingShell shell;
  std::unique_ptr<qtui::Session> session;
};

TEST_F(DesktopCoches, APriceTypedAfterABoxClickGoesToTheEntryShown) {
  session->renderer().action(p().main().Modificationdesprix1)->trigger();
  app::TprixF& f = p().prixF();
  ASSERT_TRUE(waitFor([&] { return f.visible() && f.listeB.count() >= 2; }));
  const std::string montree = f.listeB.items()[0], cochee = f.listeB.items()[1];
  const std::string autre = fichier(cochee + ".pro");
  cocherApres(f.listeB, 0, 1);
  QWidget* prix = champ(f.prixini);
  QTest::mouseClick(prix, Qt::LeftButton);
  QTest::keyClick(prix, Qt::Key_A, Qt::ControlModifier);
  qt_testing::type(prix, "6,20");
  // The box of the entry shown, ticked and unticked, keeps the price being typed.
  auto* liste = qobject_cast<QListWidget*>(widget(f.listeB));
  for (int fois = 0; fois < 2; ++fois)
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, caseDe(liste, 0));
  std::string message;
  fermerMessage(&message);
  cliquer(f.mBT);
  EXPECT_EQ(message, "Prix modifié");
  EXPECT_EQ(platform::LineList::load(shop.path() / (montree + ".pro")).value("prix"), "6,20");
  EXPECT_EQ(fichier(cochee + ".pro"), autre);
}

TEST_F(DesktopCoches, TheConditionsSectionShownKeepsItsTextAndTheTickedOneItsOwn) {
  cliquerOnglet(session->renderer(), p().main(), p().main().cventeT);
  infopages::Tcvente1& f = p().cvente1();
  ASSERT_TRUE(f.visible());
  const int prix = f.rubriques.indexOf("Prix"), reserves = f.rubriques.indexOf(cp("Réserves"));
  const std::string texteReserves = fichier("reserves.vub");
  cocherApres(f.rubriques, prix, reserves);
  ASSERT_EQ(f.memoR.lines()[0], "PRIX DE VENTE :");
  taper(f.memoR, "Franco de port.");
  cliquerOnglet(session->renderer(), p().main(), p().main().fiche_produit);
  EXPECT_NE(fichier("prix.vub").find("Franco de port."), std::string::npos);
  EXPECT_EQ(fichier("reserves.vub"), texteReserves);
  const platform::LineList options = platform::LineList::load(shop.path() / "cv.opt");
  EXPECT_EQ(options.value("checked" + std::to_string(reserves)), "non");
}

TEST_F(DesktopCoches, TheHomePageSectionShownKeepsItsTextAndTheTickedOneItsOwn) {
  cliquerOnglet(session->renderer(), p().main(), p().main().p_accueil, true);
  infopages::Taccueil1& f = p().accueil1();
  ASSERT_TRUE(f.visible());
  QTabBar* onglets = qobject_cast<QTabWidget*>(widget(f.PageControl1))->tabBar();
  QTest::mouseClick(onglets, Qt::LeftButton, {},
                    onglets->tabRect(f.Tab_rubriques.pageIndex()).center());
  const int montree = f.rubriques.indexOf("Contact"), cochee = f.rubriques.indexOf("Livraison");
  ASSERT_GE(montree, 0);
  ASSERT_GE(cochee, 0);
  const std::string texteCochee = fichier("livraison.rub");
  cocherApres(f.rubriques, montree, cochee);
  taper(f.memoR, "Ouvert le samedi.");
  QTest::mouseClick(champ(f.ajouter), Qt::LeftButton);
  EXPECT_NE(fichier("contact.rub").find("Ouvert le samedi."), std::string::npos);
  EXPECT_EQ(fichier("livraison.rub"), texteCochee);
}

TEST_F(DesktopCoches, TheComparatorsPreviewAndOverrideStayWithTheProductShown) {
  session->renderer().run([&] { p().main().kelkooB.click(); });
  publish::Tkelkoo2& f = p().kelkoo2();
  ASSERT_TRUE(waitFor([&] { return f.visible() && f.refL.count() >= 2; }));
  cocherApres(f.refL, 0, 1);
  const std::string montree = platform::trim(f.titreG.caption());
  cliquer(f.iniB);  // "Défaut" shows the product shown again
  EXPECT_EQ(platform::trim(f.titreG.caption()), montree);
  taper(f.titreE, " neuf");
  fermerMessage();
  cliquer(f.modiftB);
  EXPECT_TRUE(platform::fileExists(shop.path() / "tmp" / (montree + ".kel")));
  EXPECT_EQ(platform::listFiles(shop.path() / "tmp", "*.kel").size(), 1u);
  cliquer(f.fermerB);
  const platform::LineList exclues = platform::LineList::load(shop.path() / "tmp/kelkoo.ref");
  EXPECT_GE(exclues.indexOf(f.refL.items()[1]), 0);
  EXPECT_EQ(exclues.indexOf(f.refL.items()[0]), -1);
}

TEST_F(DesktopCoches, TheSearchWordShownStaysShownWhenTheTicksAreSaved) {
  infopages::Tliste_recherche& f = p().liste_recherche();
  session->renderer().run([&] { f.show(); });
  ASSERT_TRUE(waitFor([&] { return f.visible(); }));
  settle();
  auto* fiches = qobject_cast<QListWidget*>(widget(f.listeRef));
  QTest::mouseClick(fiches->viewport(), Qt::LeftButton, {},
                    fiches->visualItemRect(fiches->item(0)).center());
  const std::string reference = f.listeRef.selected().substr(0, f.listeRef.selected().find('.'));
  ASSERT_GE(f.listeR.count(), 2);
  const int cochee = f.listeR.checked(0) ? 1 : 0;
  const int montree = 1 - cochee;
  const std::string mot = f.listeR.items()[static_cast<size_t>(montree)];
  cocherApres(f.listeR, montree, cochee);
  fermerMessage();
  cliquer(f.enrB);
  EXPECT_EQ(f.MrechA.caption(), mot);
  const std::string base = fichier("recherche_base.bdd");
  EXPECT_NE(base.find(f.listeR.items()[static_cast<size_t>(cochee)] + "=[00]" + reference),
            std::string::npos)
      << base;
}

TEST_F(DesktopCoches, AFileTickedForTheUploadIsCountedAlone) {
  publish::Ttransfert1& f = p().transfert1();
  platform::makeFolder(shop.path() / "ftp");
  platform::LineList{"abc"}.save(shop.path() / "ftp/un.htm");
  platform::LineList{"abcdef"}.save(shop.path() / "ftp/deux.htm");
  session->renderer().run([&] {
    f.HostTxt.setText("ftp.exemple.fr");
    f.memoFTP.setItems({"un.htm", "deux.htm"});
    f.show();
  });
  ASSERT_TRUE(waitFor([&] { return f.visible(); }));
  cocherApres(f.memoFTP, 0, 1);
  cliquer(f.bouton);
  EXPECT_EQ(f.sizeA.caption(), cp("A transférer : 8 octets"));
}

}  // namespace
