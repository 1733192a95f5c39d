// The control helpers that fill controls from the disk.

#include <gtest/gtest.h>

#include <QComboBox>

#include "common/widgets/ControlFunctions.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempFolder.h"

namespace tavo {
namespace {

TEST(FillComboWithSubfolders, ListsVisibleFoldersWithoutRegardToCase) {
  test::TempFolder t;
  for (const char* name : {"Zeta", "alpha", "Beta", "beta2", ".hidden", "Ärger"}) t.mkdir(name);
  t.write("a file", "x");
  QComboBox combo;
  combo.addItem("old");
  fillComboWithSubfolders(QString::fromStdString(t.path()), &combo);
  QStringList items;
  for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
  EXPECT_EQ(items, (QStringList{"alpha", "Beta", "beta2", "Zeta", "Ärger"}));
}

}  // namespace
}  // namespace tavo
