// A pop-up menu over an edit, and a colour swatch whose colour the model changes.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>

#include "qt/renderer.h"
#include "qt/widgets.h"
#include "qt_test_support.h"
#include "ui/controls.h"
#include "ui/menu.h"

using qt_testing::waitFor;

namespace {

struct Essai : ui::Form {
  explicit Essai(ui::Application& a) : ui::Form(a, "Tessai", "essai") {}
  ui::Edit titre{*this, "titre"};
  ui::Edit auteur{*this, "auteur"};
  ui::Shape couleur{*this, "couleur"};
  ui::PopupMenu menu{*this, "menu"};
  ui::MenuItem copier{menu, "copier", "Copier"};
};

struct DesktopEditions : ::testing::Test {
  DesktopEditions() {
    QWidget* fenetre = renderer.window(form);
    fenetre->activateWindow();
    EXPECT_TRUE(waitFor([&] { return QApplication::activeWindow() == fenetre; }));
  }
  qt_testing::Dessin<Essai> dessin;
  Essai& form = dessin.form;
  qtui::Renderer& renderer = dessin.renderer;
};

}  // namespace

// The menu takes the focus for a moment: the edit is not left, and is left by Tab after.
TEST_F(DesktopEditions, APopUpMenuRunsNoEditsExitHandler) {
  int sorties = 0, entrees = 0;
  form.titre.onExit = [&] { ++sorties; };
  form.titre.onEnter = [&] { ++entrees; };
  auto* titre = qobject_cast<QLineEdit*>(renderer.widget(form.titre));
  ASSERT_NE(titre, nullptr);
  titre->setFocus(Qt::MouseFocusReason);
  ASSERT_TRUE(waitFor([&] { return titre->hasFocus(); }));
  entrees = 0;
  auto* menu = renderer.window(form)->findChild<QMenu*>();
  ASSERT_NE(menu, nullptr);
  menu->popup(titre->mapToGlobal(QPoint(2, 2)));
  ASSERT_TRUE(waitFor([&] { return menu->isVisible(); }));
  menu->close();
  ASSERT_TRUE(waitFor([&] { return !menu->isVisible() && titre->hasFocus(); }));
  EXPECT_EQ(sorties, 0);
  EXPECT_EQ(entrees, 0);
  renderer.widget(form.auteur)->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(waitFor([&] { return sorties == 1; }));
}

// The swatch is painted again as soon as the model gives it another colour.
TEST_F(DesktopEditions, AColourSwatchRepaintsWhenItsColourChanges) {
  QWidget* nuancier = renderer.widget(form.couleur);
  ASSERT_NE(nuancier, nullptr);
  ASSERT_TRUE(waitFor([&] { return nuancier->isVisible(); }));
  qt_testing::settle();
  int peintures = 0;
  qtui::onEvent(nuancier, [&](QEvent* e) {
    if (e->type() == QEvent::Paint) ++peintures;
    return false;
  });
  form.couleur.setBrushColour(0x0000FF);
  EXPECT_TRUE(waitFor([&] { return peintures > 0; }));
  const QImage image = nuancier->grab().toImage();
  EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2), QColor(0, 0, 255));
}
