#include <gtest/gtest.h>

#include "common/ButtonSpread.h"

namespace tavo {
namespace {

TEST(ButtonSpread, SpreadsButtonsEvenly) {
  // Two buttons of 75 in a 300-wide dialog: gap (300 - 150) / 3 = 50.
  const ButtonSpread s = spreadButtons(300, {75, 75});
  EXPECT_EQ(s.dialogWidth, 300);
  EXPECT_EQ(s.lefts, (std::vector<int>{47, 172}));
}

TEST(ButtonSpread, WidensANarrowDialog) {
  // Three buttons of 100 need 300 + 7 * 3 = 321; gap (321 - 300) / 4 = 5 (remainder dropped).
  const ButtonSpread s = spreadButtons(200, {100, 100, 100});
  EXPECT_EQ(s.dialogWidth, 321);
  EXPECT_EQ(s.lefts, (std::vector<int>{2, 107, 212}));
}

TEST(ButtonSpread, NoButtonsChangeNothing) {
  const ButtonSpread s = spreadButtons(250, {});
  EXPECT_EQ(s.dialogWidth, 250);
  EXPECT_TRUE(s.lefts.empty());
}

}  // namespace
}  // namespace tavo
