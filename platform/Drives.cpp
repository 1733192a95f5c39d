#include "platform/Drives.h"

#include <string>
#include <vector>

#include "common/FileText.h"

namespace tavo::platform {

namespace {

// mountinfo escapes blanks and a few other characters as octal "\040".
std::string unescapeOctal(std::string_view s) {
  const auto isOct = [](char c) { return c >= '0' && c <= '7'; };
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 3 < s.size() && isOct(s[i + 1]) && isOct(s[i + 2]) && isOct(s[i + 3])) {
      out.push_back(static_cast<char>((s[i + 1] - '0') * 64 + (s[i + 2] - '0') * 8 + (s[i + 3] - '0')));
      i += 3;
      continue;
    }
    out.push_back(s[i]);
  }
  return out;
}

std::vector<std::string_view> splitBlanks(std::string_view line) {
  std::vector<std::string_view> parts;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && line[i] == ' ') ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ') ++i;
    if (i > start) parts.push_back(line.substr(start, i - start));
  }
  return parts;
}

bool isUnder(std::string_view path, const std::string& mountPoint) {
  if (mountPoint == "/") return !path.empty() && path.front() == '/';
  if (path.substr(0, mountPoint.size()) != mountPoint) return false;
  return path.size() == mountPoint.size() || path[mountPoint.size()] == '/';
}

}  // namespace

std::string fileSystemTypeOf(std::string_view path, std::string_view mountInfo) {
  // Line: id parent major:minor root mount-point options [optional...] - fstype source super-options
  std::string bestType;
  std::size_t bestLength = 0;
  bool found = false;
  forEachLine(mountInfo, [&](std::string_view line) {
    const auto parts = splitBlanks(line);
    if (parts.size() < 7) return;
    std::size_t dash = 6;
    while (dash < parts.size() && parts[dash] != "-") ++dash;
    if (dash + 1 >= parts.size()) return;
    const std::string mountPoint = unescapeOctal(parts[4]);
    if (!isUnder(path, mountPoint)) return;
    if (!found || mountPoint.size() >= bestLength) {
      found = true;
      bestLength = mountPoint.size();
      bestType = std::string(parts[dash + 1]);
    }
  });
  return bestType;
}

}  // namespace tavo::platform
