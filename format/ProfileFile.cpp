#include "format/ProfileFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <limits>
#include <unordered_map>

#include "common/FileText.h"
#include "common/QxMisc.h"
#include "format/TextFile.h"

namespace tavo {

namespace {

constexpr std::uint32_t kNoEnd = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint32_t kMaxBlankRun = (std::uint32_t{1} << 30) - 1;
// Longest line a write may create (a line is addressed with 32 bits).
constexpr std::size_t kMaxLineBytes = std::size_t{1} << 31;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimView(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && isBlank(s[b])) ++b;
  while (e > b && isBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

std::string_view skipLeadingBlanks(std::string_view s) {
  std::size_t b = 0;
  while (b < s.size() && isBlank(s[b])) ++b;
  return s.substr(b);
}

std::string withoutLineEnds(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c == '\r' || c == '\n') c = ' ';
  return out;
}

// FNV-1a over the lower-case bytes, then a final mix so that the low bits
// used for the slot spread well.
std::uint64_t nameHash(std::string_view name, std::uint64_t seed) {
  std::uint64_t h = 1469598103934665603ull ^ (seed * 0x9E3779B97F4A7C15ull);
  for (char c : name) {
    h ^= static_cast<unsigned char>(toLowerAnsi(c));
    h *= 1099511628211ull;
  }
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdull;
  h ^= h >> 33;
  return h;
}

std::size_t slotCapacity(std::size_t count) {
  std::size_t cap = 8;
  while (cap < count * 2) cap <<= 1;
  return cap;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<std::int64_t> parseProfileInteger(std::string_view value) {
  std::string_view s = trimView(value);
  if (s.empty() || s.size() > 20) return std::nullopt;
  std::size_t i = 0;
  if (s[0] == '+' || s[0] == '-') i = 1;
  if (i >= s.size()) return std::nullopt;
  for (std::size_t k = i; k < s.size(); ++k)
    if (!isDigit(s[k])) return std::nullopt;
  const std::string text(s);
  errno = 0;
  const long long n = std::strtoll(text.c_str(), nullptr, 10);
  if (errno == ERANGE) return std::nullopt;
  return n;
}

// ---- lines ------------------------------------------------------------------

std::string_view ProfileFile::nameOf(const Line& line) const {
  const std::string_view body = skipLeadingBlanks(textOf(line));
  switch (kindOf(line)) {
    case Kind::Section: {
      const std::string_view inner = body.substr(1);
      return trimView(inner.substr(0, inner.find(']')));
    }
    case Kind::Key: return trimView(body.substr(0, body.find('=')));
    default: return {};
  }
}

std::string_view ProfileFile::valueOf(const Line& line) const {
  const std::string_view text = textOf(line);
  const std::size_t eq = text.find('=');
  return eq == std::string_view::npos ? std::string_view() : text.substr(eq + 1);
}

namespace {

// The kind of a line from its text.
template <typename KindT>
KindT classify(std::string_view raw) {
  const std::string_view body = skipLeadingBlanks(raw);
  if (body.empty()) return KindT::Blank;
  if (body.front() == '[') return KindT::Section;
  if (body.find('=') != std::string_view::npos) return KindT::Key;
  return KindT::Other;
}

}  // namespace

void ProfileFile::addLine(std::string_view raw, std::uint64_t offset) {
  const Kind kind = classify<Kind>(raw);
  if (kind == Kind::Blank && !lines_.empty() && kindOf(lines_.back()) == Kind::Blank) {
    Line& run = lines_.back();
    const std::uint64_t size = offset + raw.size() - run.offset;
    if ((run.meta >> 2) < kMaxBlankRun && size <= std::numeric_limits<std::uint32_t>::max()) {
      run.size = static_cast<std::uint32_t>(size);
      run.meta += 4;
      return;
    }
  }
  Line line;
  line.offset = offset;
  line.size = static_cast<std::uint32_t>(raw.size());
  line.meta = static_cast<std::uint32_t>(kind) | (kind == Kind::Blank ? 4u : 0u);
  lines_.push_back(line);
}

ProfileFile::Line ProfileFile::makeLine(std::string_view text) {
  Line line;
  line.offset = store_.size();
  line.size = static_cast<std::uint32_t>(text.size());
  store_.append(text);
  const Kind kind = classify<Kind>(text);
  line.meta = static_cast<std::uint32_t>(kind) | (kind == Kind::Blank ? 4u : 0u);
  return line;
}

// ---- index ------------------------------------------------------------------

int ProfileFile::findSection(std::string_view section) const {
  if (sectionSlots_.empty()) return -1;
  const std::string_view name = trimView(section);
  const std::size_t mask = sectionSlots_.size() - 1;
  for (std::size_t slot = nameHash(name, 0) & mask;; slot = (slot + 1) & mask) {
    const std::uint32_t entry = sectionSlots_[slot];
    if (entry == 0) return -1;
    const Section& s = sections_[entry - 1];
    if (equalsIgnoreCase(nameOf(lines_[s.header]), name)) return static_cast<int>(entry - 1);
  }
}

int ProfileFile::findKey(int section, std::string_view key) const {
  if (section < 0 || keySlots_.empty()) return -1;
  const std::string_view name = trimView(key);
  const Section& s = sections_[static_cast<std::size_t>(section)];
  const std::size_t mask = keySlots_.size() - 1;
  for (std::size_t slot = nameHash(name, static_cast<std::uint64_t>(section) + 1) & mask;;
       slot = (slot + 1) & mask) {
    const std::uint32_t entry = keySlots_[slot];
    if (entry == 0) return -1;
    const std::uint32_t index = entry - 1;
    if (index > s.header && index < s.end && equalsIgnoreCase(nameOf(lines_[index]), name))
      return static_cast<int>(index);
  }
}

void ProfileFile::reindex() {
  std::size_t headers = 0, keys = 0;
  for (const Line& line : lines_) {
    const Kind kind = kindOf(line);
    headers += kind == Kind::Section;
    keys += kind == Kind::Key;
  }
  sections_.clear();
  sectionSlots_.assign(slotCapacity(headers), 0);
  keySlots_.assign(slotCapacity(keys), 0);
  const std::size_t sectionMask = sectionSlots_.size() - 1;
  const std::size_t keyMask = keySlots_.size() - 1;

  int current = -1;
  for (std::uint32_t i = 0; i < lines_.size(); ++i) {
    const Kind kind = kindOf(lines_[i]);
    if (kind == Kind::Section) {
      if (current >= 0) sections_[static_cast<std::size_t>(current)].end = i;
      current = -1;
      const std::string_view name = nameOf(lines_[i]);
      if (findSection(name) >= 0) continue;  // a repeated header: its lines belong to no section
      sections_.push_back({i, kNoEnd});
      current = static_cast<int>(sections_.size() - 1);
      std::size_t slot = nameHash(name, 0) & sectionMask;
      while (sectionSlots_[slot] != 0) slot = (slot + 1) & sectionMask;
      sectionSlots_[slot] = static_cast<std::uint32_t>(current + 1);
    } else if (kind == Kind::Key && current >= 0) {
      const std::string_view name = nameOf(lines_[i]);
      if (findKey(current, name) >= 0) continue;  // the first occurrence counts
      std::size_t slot = nameHash(name, static_cast<std::uint64_t>(current) + 1) & keyMask;
      while (keySlots_[slot] != 0) slot = (slot + 1) & keyMask;
      keySlots_[slot] = i + 1;
    }
  }
  if (current >= 0) sections_[static_cast<std::size_t>(current)].end = static_cast<std::uint32_t>(lines_.size());
}

// ---- loading ----------------------------------------------------------------

ProfileFile ProfileFile::parse(std::string_view bytes) { return fromBytes(std::string(bytes)); }

ProfileFile ProfileFile::fromBytes(std::string&& bytes) {
  ProfileFile file;
  file.existed_ = true;
  file.store_ = std::move(bytes);
  const std::string_view text(file.store_);
  reserveLines(file.lines_, text);
  forEachLine(text, [&](std::string_view line) {
    file.addLine(line, static_cast<std::uint64_t>(line.data() - text.data()));
  });
  file.reindex();
  return file;
}

ProfileFile ProfileFile::load(const std::string& path) {
  FileBytes file = readPresentationFile(path);
  if (file.state == FileState::Read) return fromBytes(std::move(file.bytes));
  ProfileFile empty;
  empty.unreadable_ = file.state == FileState::Unreadable;
  empty.existed_ = empty.unreadable_;
  return empty;
}

// ---- readers ----------------------------------------------------------------

std::optional<std::string> ProfileFile::value(std::string_view section, std::string_view key) const {
  const int line = findKey(findSection(section), key);
  if (line < 0) return std::nullopt;
  return std::string(valueOf(lines_[static_cast<std::size_t>(line)]));
}

std::string ProfileFile::readString(std::string_view section, std::string_view key,
                                    std::string_view fallback) const {
  auto v = value(section, key);
  return v ? std::move(*v) : std::string(fallback);
}

std::int64_t ProfileFile::readInteger(std::string_view section, std::string_view key,
                                      std::int64_t fallback) const {
  const auto v = value(section, key);
  if (!v) return fallback;
  return parseProfileInteger(*v).value_or(fallback);
}

bool ProfileFile::readBool(std::string_view section, std::string_view key, bool fallback) const {
  return readInteger(section, key, fallback ? 1 : 0) != 0;
}

bool ProfileFile::hasSection(std::string_view section) const { return findSection(section) >= 0; }

std::vector<std::string> ProfileFile::sectionNames() const {
  std::vector<std::string> names;
  names.reserve(sections_.size());
  for (const Section& s : sections_) names.emplace_back(nameOf(lines_[s.header]));
  return names;
}

std::vector<std::string> ProfileFile::sectionLines(std::string_view section) const {
  std::vector<std::string> out;
  const int s = findSection(section);
  if (s < 0) return out;
  const Section& range = sections_[static_cast<std::size_t>(s)];
  for (std::uint32_t i = range.header + 1; i < range.end; ++i) {
    const Kind kind = kindOf(lines_[i]);
    if (kind == Kind::Key || kind == Kind::Other) out.emplace_back(skipLeadingBlanks(textOf(lines_[i])));
  }
  return out;
}

std::vector<ProfileEntry> ProfileFile::sectionEntries(std::string_view section) const {
  std::vector<ProfileEntry> out;
  const int s = findSection(section);
  if (s < 0) return out;
  const Section& range = sections_[static_cast<std::size_t>(s)];
  for (std::uint32_t i = range.header + 1; i < range.end; ++i)
    if (kindOf(lines_[i]) == Kind::Key)
      out.push_back({std::string(nameOf(lines_[i])), std::string(valueOf(lines_[i]))});
  return out;
}

std::vector<NumberedValue> ProfileFile::numberedValues(std::string_view section, std::string_view prefix) const {
  std::vector<NumberedValue> out;
  const int s = findSection(section);
  if (s < 0) return out;
  const Section& range = sections_[static_cast<std::size_t>(s)];
  for (std::uint32_t i = range.header + 1; i < range.end; ++i) {
    if (kindOf(lines_[i]) != Kind::Key) continue;
    const std::string_view name = nameOf(lines_[i]);
    if (!startsWithIgnoreCase(name, prefix)) continue;
    const std::string_view digits = name.substr(prefix.size());
    if (digits.empty() || digits.size() > 9 || digits.front() == '0') continue;
    if (!std::all_of(digits.begin(), digits.end(), isDigit)) continue;
    const std::string_view value = valueOf(lines_[i]);
    if (value.empty()) continue;
    if (findKey(s, name) != static_cast<int>(i)) continue;  // a repeated key: the first counts
    int number = 0;
    for (char c : digits) number = number * 10 + (c - '0');
    out.push_back({number, std::string(value)});
  }
  std::stable_sort(out.begin(), out.end(),
                   [](const NumberedValue& a, const NumberedValue& b) { return a.number < b.number; });
  return out;
}

// ---- writers ----------------------------------------------------------------

bool ProfileFile::validSectionName(std::string_view name) {
  const std::string_view t = trimView(name);
  if (t.empty() || t.size() > kMaxLineBytes) return false;
  for (char c : t)
    if (c == ']' || c == '\r' || c == '\n') return false;
  return true;
}

bool ProfileFile::validKeyName(std::string_view name) {
  const std::string_view t = trimView(name);
  if (t.empty() || t.size() > kMaxLineBytes || t.front() == '[') return false;
  for (char c : t)
    if (c == '=' || c == '\r' || c == '\n') return false;
  return true;
}

std::uint32_t ProfileFile::insertionPoint(int section) const {
  const Section& s = sections_[static_cast<std::size_t>(section)];
  std::uint32_t at = s.end;
  while (at > s.header + 1 && kindOf(lines_[at - 1]) == Kind::Blank) --at;
  return at;
}

bool ProfileFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  return writeStrings(section, {ProfileEntry{std::string(key), std::string(value)}});
}

bool ProfileFile::writeInteger(std::string_view section, std::string_view key, std::int64_t value) {
  return writeString(section, key, std::to_string(value));
}

bool ProfileFile::writeBool(std::string_view section, std::string_view key, bool value) {
  return writeString(section, key, value ? "1" : "0");
}

bool ProfileFile::writeStrings(std::string_view section, const std::vector<ProfileEntry>& entries) {
  if (!validSectionName(section)) return false;
  for (const auto& e : entries)
    if (!validKeyName(e.key) || e.value.size() + e.key.size() >= kMaxLineBytes) return false;

  const int s = findSection(section);
  // Keys already in the file are changed in place; new keys are collected and
  // inserted together, so the file is re-indexed at most once.
  std::vector<std::string> added;
  std::unordered_map<std::string, std::size_t> addedIndex;  // lower-case key -> position in added
  for (const auto& e : entries) {
    const std::string clean = withoutLineEnds(e.value);
    const int line = findKey(s, e.key);
    if (line >= 0) {
      Line& old = lines_[static_cast<std::size_t>(line)];
      const std::string_view text = textOf(old);
      const std::string newText = std::string(text.substr(0, text.find('=') + 1)) + clean;
      old = makeLine(newText);
      continue;
    }
    const std::string name(trimView(e.key));
    const auto [it, inserted] = addedIndex.try_emplace(toLowerAnsi(name), added.size());
    if (inserted)
      added.push_back(name + "=" + clean);
    else
      added[it->second] = name + "=" + clean;
  }
  if (added.empty()) return true;

  std::vector<Line> newLines;
  if (s < 0) newLines.push_back(makeLine("[" + std::string(trimView(section)) + "]"));
  for (const auto& text : added) newLines.push_back(makeLine(text));
  const std::size_t at = s < 0 ? lines_.size() : insertionPoint(s);
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), newLines.begin(), newLines.end());
  reindex();
  return true;
}

void ProfileFile::deleteKey(std::string_view section, std::string_view key) {
  const int s = findSection(section);
  if (findKey(s, key) < 0) return;
  // Every occurrence goes, so that a repeated key does not come back.
  const Section range = sections_[static_cast<std::size_t>(s)];
  const std::string_view name = trimView(key);
  std::vector<Line> kept;
  kept.reserve(lines_.size());
  for (std::uint32_t i = 0; i < lines_.size(); ++i) {
    const bool inside = i > range.header && i < range.end;
    if (inside && kindOf(lines_[i]) == Kind::Key && equalsIgnoreCase(nameOf(lines_[i]), name)) continue;
    kept.push_back(lines_[i]);
  }
  lines_ = std::move(kept);
  reindex();
}

void ProfileFile::eraseSection(std::string_view section) {
  if (findSection(section) < 0) return;
  const std::string_view wanted = trimView(section);
  std::vector<Line> kept;
  kept.reserve(lines_.size());
  bool inside = false;
  for (const Line& line : lines_) {
    if (kindOf(line) == Kind::Section) inside = equalsIgnoreCase(nameOf(line), wanted);
    if (!inside) kept.push_back(line);
  }
  lines_ = std::move(kept);
  reindex();
}

bool ProfileFile::rewriteSection(std::string_view section, const std::vector<ProfileEntry>& entries) {
  if (!validSectionName(section)) return false;
  for (const auto& e : entries)
    if (!validKeyName(e.key) || e.value.size() + e.key.size() >= kMaxLineBytes) return false;
  const int s = findSection(section);
  // The first occurrence has no erased lines before it, so it keeps its place.
  const std::size_t at = s < 0 ? std::string::npos : sections_[static_cast<std::size_t>(s)].header;
  eraseSection(section);
  std::vector<Line> newLines;
  newLines.reserve(entries.size() + 1);
  newLines.push_back(makeLine("[" + std::string(trimView(section)) + "]"));
  for (const auto& e : entries) newLines.push_back(makeLine(std::string(trimView(e.key)) + "=" + withoutLineEnds(e.value)));
  const std::size_t where = at == std::string::npos ? lines_.size() : at;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(where), newLines.begin(), newLines.end());
  reindex();
  return true;
}

std::string ProfileFile::serialize() const {
  std::size_t total = 0;
  for (const Line& line : lines_) total += line.size + 2 * (line.meta >> 2 ? line.meta >> 2 : 1);
  std::string out;
  out.reserve(total);
  for (const Line& line : lines_) {
    if (kindOf(line) != Kind::Blank) {
      out += textOf(line);
      out += "\r\n";
      continue;
    }
    // A run of blank lines: write each as it was, then the empty ones that
    // the split of the run does not show (a final empty line).
    std::uint32_t written = 0;
    forEachLine(textOf(line), [&](std::string_view blank) {
      out += blank;
      out += "\r\n";
      ++written;
    });
    for (std::uint32_t n = line.meta >> 2; written < n; ++written) out += "\r\n";
  }
  return out;
}

bool ProfileFile::save(const std::string& path, std::string* error) const {
  if (unreadable_) {
    if (error) *error = "the file could not be read, so it is left as it was";
    return false;
  }
  return writeFileAtomic(path, serialize(), error);
}

std::string readProfileString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view fallback) {
  return ProfileFile::load(path).readString(section, key, fallback);
}

bool writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
  ProfileFile file = ProfileFile::load(path);
  return file.writeString(section, key, value) && file.save(path);
}

}  // namespace tavo
