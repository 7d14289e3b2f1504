// The front end's tests run in one QApplication, on the offscreen platform unless told otherwise.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "qt/session.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  qtui::setUpApplication();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
