#include <gtest/gtest.h>

#include "common/GridRules.h"

namespace tavo {
namespace {

TEST(GridRules, RowNumberOffsets) {
  const struct {
    int row, left;
  } cases[] = {{1, 12}, {7, 12}, {9, 12}, {10, 7}, {42, 7}, {99, 7}, {100, 2}, {123, 2}, {10000, 2}};
  for (const auto& c : cases) EXPECT_EQ(rowNumberLeftOffset(c.row), c.left) << c.row;
  EXPECT_EQ(rowNumberTopOffset(17), 2);
}

TEST(GridRules, ColumnControlRects) {
  EXPECT_EQ(columnControlRect(ColumnControlKind::ComboBox, 100, 40, 80, 17, 0), (ControlRect{100, 40, 82, 17}));
  EXPECT_EQ(columnControlRect(ColumnControlKind::DateTimePicker, 100, 40, 80, 17, 0),
            (ControlRect{100, 40, 82, 21}));
  EXPECT_EQ(columnControlRect(ColumnControlKind::Button, 100, 40, 80, 17, 20), (ControlRect{161, 40, 20, 19}));
}

}  // namespace
}  // namespace tavo
