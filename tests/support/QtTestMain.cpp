// main() of the tests that create widgets: a QApplication on the offscreen
// platform, and the settings store in a temporary folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "tests/support/TempFolder.h"

int main(int argc, char** argv) {
  tavo::test::TempFolder settings;
  ::setenv("TAVO_SETTINGS_DIR", settings.path().c_str(), 1);
  if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
