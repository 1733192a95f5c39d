#include "format/TimeText.h"

#include <cstdio>

namespace tavo {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Two characters: two digits, or a blank and a digit.
std::optional<int> parsePair(char a, char b) {
  if (!isDigit(b)) return std::nullopt;
  if (a == ' ') return b - '0';
  if (!isDigit(a)) return std::nullopt;
  return (a - '0') * 10 + (b - '0');
}

}  // namespace

std::optional<int> parseMinutesSeconds(std::string_view text) {
  if (text.size() != 5 || text[2] != ':') return std::nullopt;
  const auto minutes = parsePair(text[0], text[1]);
  const auto seconds = parsePair(text[3], text[4]);
  if (!minutes || !seconds) return std::nullopt;
  return *minutes * 60 + *seconds;
}

int parseCycleInterval(std::string_view text) {
  const auto seconds = parseMinutesSeconds(text);
  if (!seconds || *seconds == 0) return kDefaultCycleIntervalMs;
  return *seconds * 1000;
}

std::optional<int> parsePlayTime(std::string_view text) {
  const auto seconds = parseMinutesSeconds(text);
  if (!seconds || *seconds == 0) return std::nullopt;
  return seconds;
}

std::optional<int> parseSyncTime(std::string_view text) { return parseMinutesSeconds(text); }

std::string formatMinutesSeconds(int seconds) {
  if (seconds < 0) seconds = 0;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d", seconds / 60, seconds % 60);
  return buffer;
}

std::string presetSyncTime(int row) { return formatMinutesSeconds(row < 1 ? 0 : (row - 1) * 4); }

bool isBlankTimeText(std::string_view text) {
  for (char c : text)
    if (c != ' ' && c != ':') return false;
  return true;
}

}  // namespace tavo
