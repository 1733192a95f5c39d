#include <gtest/gtest.h>

#include "format/TimeText.h"

namespace tavo {
namespace {

TEST(TimeText, OneRuleForEveryKindOfValue) {
  const struct {
    const char* text;
    int cycleMs;                 // cycle and streaming-ad intervals
    std::optional<int> play;     // play time
    std::optional<int> sync;     // synchronized line
  } cases[] = {
      {"01:30", 90000, 90, 90},
      {" 0:05", 5000, 5, 5},      // the time field's optional first digit shows as a blank
      {" 5: 7", 307000, 307, 307},
      {"99:59", 5999000, 5999, 5999},
      {"00:75", 75000, 75, 75},   // digits are digits; the editor's dialog refuses 60 and more
      {"00:00", 15000, std::nullopt, 0},
      {"", 15000, std::nullopt, std::nullopt},
      {"  :  ", 15000, std::nullopt, std::nullopt},
      {"1:5", 15000, std::nullopt, std::nullopt},
      {"01:5 ", 15000, std::nullopt, std::nullopt},
      {"ab:cd", 15000, std::nullopt, std::nullopt},
      {"01-30", 15000, std::nullopt, std::nullopt},
      {"+1:30", 15000, std::nullopt, std::nullopt},
      {"01:30 ", 15000, std::nullopt, std::nullopt},
      {"001:30", 15000, std::nullopt, std::nullopt},
      {"N/A", 15000, std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(parseCycleInterval(c.text), c.cycleMs) << '"' << c.text << '"';
    EXPECT_EQ(parsePlayTime(c.text), c.play) << '"' << c.text << '"';
    EXPECT_EQ(parseSyncTime(c.text), c.sync) << '"' << c.text << '"';
  }
}

TEST(TimeText, PresetTimesOfNewRowsStepByFourSeconds) {
  EXPECT_EQ(presetSyncTime(1), "00:00");
  EXPECT_EQ(presetSyncTime(2), "00:04");
  EXPECT_EQ(presetSyncTime(15), "00:56");
  EXPECT_EQ(presetSyncTime(16), "01:00");
  EXPECT_EQ(presetSyncTime(91), "06:00");
  EXPECT_EQ(formatMinutesSeconds(6000), "100:00");
  for (int row = 1; row <= 200; ++row) EXPECT_EQ(parseSyncTime(presetSyncTime(row)), (row - 1) * 4) << row;
}

TEST(TimeText, BlankTimeFields) {
  EXPECT_TRUE(isBlankTimeText("  :  "));
  EXPECT_TRUE(isBlankTimeText(""));
  EXPECT_FALSE(isBlankTimeText(" 0:05"));
}

}  // namespace
}  // namespace tavo
