#include "common/QxMisc.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace tavo {

int minInt(int a, int b) { return a < b ? a : b; }
int maxInt(int a, int b) { return a > b ? a : b; }

std::string copyFrom(std::string_view text, int position) {
  if (position < 1) position = 1;
  const auto start = static_cast<std::size_t>(position - 1);
  if (start >= text.size()) return {};
  return std::string(text.substr(start));
}

std::string dropLastChar(std::string_view text) {
  if (text.empty()) return {};
  return std::string(text.substr(0, text.size() - 1));
}

std::string dropLastCharIf(std::string_view text, char c) {
  if (!text.empty() && text.back() == c) return std::string(text.substr(0, text.size() - 1));
  return std::string(text);
}

std::string removeChar(std::string_view text, char c) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text)
    if (ch != c) out.push_back(ch);
  return out;
}

std::string trimChar(std::string_view text, char c) {
  std::size_t b = 0, e = text.size();
  while (b < e && text[b] == c) ++b;
  while (e > b && text[e - 1] == c) --e;
  return std::string(text.substr(b, e - b));
}

std::string removeControlChars(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text)
    if (static_cast<unsigned char>(ch) > 31) out.push_back(ch);
  return out;
}

std::string doubleChar(std::string_view text, char c) {
  std::string out;
  out.reserve(text.size() + 4);
  for (char ch : text) {
    out.push_back(ch);
    if (ch == c) out.push_back(ch);
  }
  return out;
}

std::string undoubleChar(std::string_view text, char c) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    out.push_back(text[i]);
    if (text[i] == c && i + 1 < text.size() && text[i + 1] == c) ++i;
  }
  return out;
}

std::string collapseRuns(std::string_view text, char c) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    if (ch == c && !out.empty() && out.back() == c) continue;
    out.push_back(ch);
  }
  return out;
}

std::string lastChar(std::string_view text) {
  if (text.empty()) return {};
  return std::string(1, text.back());
}

std::string appendCharIfMissing(std::string_view text, char c) {
  std::string out(text);
  if (out.empty() || out.back() != c) out.push_back(c);
  return out;
}

namespace {

// Upper case of the single-byte Western European letters, the reverse of toLowerAnsi.
char toUpperAnsi(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
  switch (u) {
    case 0x9A: return static_cast<char>(0x8A);  // s caron
    case 0x9C: return static_cast<char>(0x8C);  // oe
    case 0x9E: return static_cast<char>(0x8E);  // z caron
    case 0xFF: return static_cast<char>(0x9F);  // y diaeresis
    default: return c;
  }
}

}  // namespace

char toLowerAnsi(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
  if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 32);
  switch (u) {
    case 0x8A: return static_cast<char>(0x9A);
    case 0x8C: return static_cast<char>(0x9C);
    case 0x8E: return static_cast<char>(0x9E);
    case 0x9F: return static_cast<char>(0xFF);
    default: return c;
  }
}

std::string toLowerAnsi(std::string_view text) {
  std::string out(text);
  for (char& ch : out) ch = toLowerAnsi(ch);
  return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (toLowerAnsi(a[i]) != toLowerAnsi(b[i])) return false;
  return true;
}

bool startsWithIgnoreCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && equalsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

std::string capitalizeWords(std::string_view text) {
  std::string out = toLowerAnsi(text);
  bool upNext = true;
  for (char& ch : out) {
    if (upNext) ch = toUpperAnsi(ch);
    upNext = (ch == ' ' || ch == '-' || ch == '.');
  }
  return out;
}

std::string trimBlanks(std::string_view text) {
  auto blank = [](char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; };
  std::size_t b = 0, e = text.size();
  while (b < e && blank(text[b])) ++b;
  while (e > b && blank(text[e - 1])) --e;
  return std::string(text.substr(b, e - b));
}

std::string yesNoText(bool flag) { return flag ? "Yes" : "No"; }

int secondsSinceMidnight() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

std::string shortPathName(std::string_view path) { return std::string(path); }

// ---- fields -----------------------------------------------------------------

std::string getField(std::string_view text, int n, char c) {
  if (n < 1) return {};
  std::size_t start = 0;
  for (int i = 1; i < n; ++i) {
    const std::size_t sep = text.find(c, start);
    if (sep == std::string_view::npos) return {};
    start = sep + 1;
  }
  const std::size_t end = text.find(c, start);
  return std::string(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

std::string getFieldFromEnd(std::string_view text, int n, char c) {
  if (n < 1) return {};
  std::size_t end = text.size();
  for (int i = 1; i < n; ++i) {
    if (end == 0) return {};
    const std::size_t sep = text.rfind(c, end - 1);
    if (sep == std::string_view::npos) return {};
    end = sep;
  }
  const std::size_t sep = end == 0 ? std::string_view::npos : text.rfind(c, end - 1);
  const std::size_t start = sep == std::string_view::npos ? 0 : sep + 1;
  return std::string(text.substr(start, end - start));
}

std::string getField2(std::string_view text, int n, char c1, char c2) {
  if (n < 1) return {};
  std::size_t start = 0;
  for (int i = 1; i < n; ++i) {
    const std::size_t sep = text.find_first_of(std::string{c1, c2}, start);
    if (sep == std::string_view::npos) return {};
    start = sep + 1;
  }
  const std::size_t end = text.find_first_of(std::string{c1, c2}, start);
  return std::string(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

int fieldCount(std::string_view text, char c) {
  if (text.empty()) return 0;
  return static_cast<int>(std::count(text.begin(), text.end(), c)) + 1;
}

std::string setField(std::string_view text, int n, char c, std::string_view value) {
  if (n < 1 || fieldCount(text, c) < n) return std::string(text);
  std::size_t start = 0;
  for (int i = 1; i < n; ++i) start = text.find(c, start) + 1;
  const std::size_t end = text.find(c, start);
  std::string out(text.substr(0, start));
  out.append(value);
  if (end != std::string_view::npos) out.append(text.substr(end));
  return out;
}

std::string afterLast(std::string_view text, char c) {
  const std::size_t sep = text.rfind(c);
  if (sep == std::string_view::npos) return std::string(text);
  return std::string(text.substr(sep + 1));
}

// ---- paths and folders ------------------------------------------------------

std::string baseName(std::string_view path) {
  const std::size_t sep = path.find_last_of("/\\:");
  const std::size_t start = sep == std::string_view::npos ? 0 : sep + 1;
  const std::size_t dot = path.find('.', start);
  if (dot == std::string_view::npos) return std::string(path);
  return std::string(path.substr(start, dot - start));
}

std::string driveRoot(std::string_view path) {
  if (path.size() >= 3) {
    const auto first = static_cast<unsigned char>(path[0]);
    const bool letter = (first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z');
    if (letter && path[1] == ':' && path[2] == '\\') return std::string(path.substr(0, 3));
  }
  return {};
}

std::string withTrailingSeparator(std::string_view folder) {
  if (folder.empty()) return {};
  std::string out = withoutTrailingSeparator(folder);
  if (out != "/") out.push_back(kPathSeparator);
  return out;
}

std::string withoutTrailingSeparator(std::string_view path) {
  std::string out(path);
  while (out.size() > 1 && (out.back() == '/' || out.back() == '\\')) out.pop_back();
  return out;
}

std::string lastPathName(std::string_view path) {
  const std::string trimmed = withoutTrailingSeparator(path);
  const std::size_t sep = trimmed.find_last_of("/\\");
  if (sep == std::string::npos) return trimmed;
  return trimmed.substr(sep + 1);
}

std::string folderOf(std::string_view path) {
  const std::size_t sep = path.find_last_of("/\\");
  if (sep == std::string_view::npos) return {};
  return std::string(path.substr(0, sep + 1));
}

std::uint64_t folderSize(const std::string& folder) {
  std::uint64_t total = 0;
  std::error_code ec;
  fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::error_code sizeError;
    if (it->is_regular_file(sizeError)) {
      const auto size = it->file_size(sizeError);
      if (!sizeError) total += size;
    }
  }
  return total;
}

void listSubfolders(const std::string& folder, std::vector<std::string>& list) {
  std::vector<std::string> found;
  std::error_code ec;
  fs::directory_iterator it(folder, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_directory(typeError) && !it->is_symlink(typeError)) found.push_back(it->path().filename().string());
  }
  sortNamesAsListed(found);
  list.insert(list.end(), std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
}

void sortNamesAsListed(std::vector<std::string>& names) {
  std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string la = toLowerAnsi(a), lb = toLowerAnsi(b);
    return la != lb ? la < lb : a < b;
  });
}

std::vector<std::string> listVisibleSubfoldersSorted(const std::string& folder) {
  std::vector<std::string> all, visible;
  listSubfolders(folder, all);
  for (auto& name : all)
    if (!name.empty() && name.front() != '.') visible.push_back(std::move(name));
  std::sort(visible.begin(), visible.end());
  return visible;
}

bool wildcardMatch(std::string_view pattern, std::string_view name) {
  // Iterative match with one backtrack point per "*": linear in practice.
  std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || toLowerAnsi(pattern[p]) == toLowerAnsi(name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

int setReadOnly(const std::string& mask, bool on) {
  const std::string folder = folderOf(mask);
  std::string pattern = afterLast(mask, '/');
  if (pattern == "*.*") pattern = "*";
  int changed = 0;
  std::error_code ec;
  fs::directory_iterator it(folder.empty() ? std::string(".") : folder, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::error_code e;
    if (!it->is_regular_file(e) || !wildcardMatch(pattern, it->path().filename().string())) continue;
    const auto write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (on)
      fs::permissions(it->path(), write, fs::perm_options::remove, e);
    else
      fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, e);
    if (!e) ++changed;
  }
  return changed;
}

}  // namespace tavo
