// The front end's tests run in one QApplication, on the offscreen platform unless told otherwise.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "qt/session.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // A French desktop, when the machine has the locale: numbers must not follow it.
  qputenv("LC_ALL", "fr_FR.UTF-8");
  QApplication application(argc, argv);
  qtui::setUpApplication();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
