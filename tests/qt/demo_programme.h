#pragma once
// The real program started on a copy of the demo shop, and the clicks its tests share.

#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/publish/fenetre_mise_a_jour.h"
#include "qt/renderer.h"
#include "qt/session.h"
#include "qt_test_support.h"
#include "support/temp_folder.h"
#include "ui/services.h"

namespace qt_testing {

inline std::filesystem::path sourceFolder() {
  const char* dir = std::getenv("TARVIO_SOURCE_DIR");
  return dir ? std::filesystem::path(dir) : std::filesystem::path(TARVIO_SOURCE_DIR_DEFAULT);
}

// The program started on a copy of the demo shop in that folder, its main window on screen.
inline std::unique_ptr<qtui::Session> demarrerDemo(const testing_support::TempFolder& shop,
                                                   ui::Shell& shell) {
  std::filesystem::copy(sourceFolder() / "demo", shop.path(),
                        std::filesystem::copy_options::recursive);
  auto session = std::make_unique<qtui::Session>(shop.path(), "tarvio", &shell);
  session->start();
  app::Tmain& main = session->programme().main();
  EXPECT_TRUE(waitFor(
      [&] { return main.visible() && session->renderer().window(main)->isVisible(); }));
  session->programme().tarvioupdate().close();  // the demo has no updater: the check offers it
  settle();
  return session;
}

// Clicks the tab of a page of the main window; for an editor's tab, a sheet is opened first (the
// first of the list), which shows those tabs.
inline void cliquerOnglet(qtui::Renderer& renderer, app::Tmain& main, const ui::TabSheet& page,
                          bool ouvrirFiche = false) {
  if (ouvrirFiche) {
    auto* list = qobject_cast<QListWidget*>(renderer.widget(main.liste_fiches));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
  }
  QTabBar* bar = qobject_cast<QTabWidget*>(renderer.widget(main.PageControl1))->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page.pageIndex()).center());
}

}  // namespace qt_testing
