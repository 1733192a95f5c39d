// main() of the plain tests: the settings store points into a temporary folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/TempFolder.h"

int main(int argc, char** argv) {
  tavo::test::TempFolder settings;
  ::setenv("TAVO_SETTINGS_DIR", settings.path().c_str(), 1);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
