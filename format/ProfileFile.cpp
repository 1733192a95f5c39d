#include "format/ProfileFile.h"

#include <cerrno>
#include <cstdlib>

#include "common/FileText.h"
#include "common/QxMisc.h"

namespace tavo {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimView(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && isBlank(s[b])) ++b;
  while (e > b && isBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

std::string lowerKey(std::string_view s) { return toLowerAnsi(trimView(s)); }

std::string withoutLineEnds(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c == '\r' || c == '\n') c = ' ';
  return out;
}

}  // namespace

std::optional<std::int64_t> parseProfileInteger(std::string_view value) {
  std::string_view s = trimView(value);
  if (s.empty() || s.size() > 20) return std::nullopt;
  std::size_t i = 0;
  if (s[0] == '+' || s[0] == '-') i = 1;
  if (i >= s.size()) return std::nullopt;
  for (std::size_t k = i; k < s.size(); ++k)
    if (s[k] < '0' || s[k] > '9') return std::nullopt;
  const std::string text(s);
  errno = 0;
  const long long n = std::strtoll(text.c_str(), nullptr, 10);
  if (errno == ERANGE) return std::nullopt;
  return n;
}

void ProfileFile::addLine(std::string_view raw) {
  Line line;
  line.text = std::string(raw);
  std::string_view body = raw;
  std::size_t lead = 0;
  while (lead < body.size() && isBlank(body[lead])) ++lead;
  body = body.substr(lead);
  if (body.empty()) {
    line.kind = Kind::Blank;
  } else if (body.front() == '[') {
    line.kind = Kind::Section;
    const std::size_t close = body.find(']');
    line.name = std::string(trimView(body.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1)));
  } else {
    const std::size_t eq = body.find('=');
    if (eq == std::string_view::npos) {
      line.kind = Kind::Other;
    } else {
      line.kind = Kind::Key;
      line.name = std::string(trimView(body.substr(0, eq)));
      line.valueStart = lead + eq + 1;
    }
  }
  lines_.push_back(std::move(line));
}

void ProfileFile::reindex() {
  sections_.clear();
  SectionIndex* current = nullptr;
  std::string currentName;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.kind == Kind::Section) {
      if (current) current->end = i;
      current = nullptr;
      const std::string lower = toLowerAnsi(line.name);
      auto [it, inserted] = sections_.try_emplace(lower);
      if (inserted) {
        it->second.header = i;
        current = &it->second;
      }
      // A repeated header: its lines belong to no section we read (the first counts).
    } else if (line.kind == Kind::Key && current) {
      current->keys.try_emplace(toLowerAnsi(line.name), i);
    }
  }
  if (current) current->end = lines_.size();
}

ProfileFile ProfileFile::parse(std::string_view bytes) {
  ProfileFile file;
  file.existed_ = true;
  forEachLine(bytes, [&](std::string_view line) { file.addLine(line); });
  file.reindex();
  return file;
}

ProfileFile ProfileFile::load(const std::string& path) {
  const auto bytes = readFileBytes(path);
  if (!bytes) return ProfileFile();
  return parse(*bytes);
}

const ProfileFile::SectionIndex* ProfileFile::findSection(std::string_view section) const {
  const auto it = sections_.find(lowerKey(section));
  return it == sections_.end() ? nullptr : &it->second;
}

std::optional<std::string> ProfileFile::value(std::string_view section, std::string_view key) const {
  const SectionIndex* s = findSection(section);
  if (!s) return std::nullopt;
  const auto it = s->keys.find(lowerKey(key));
  if (it == s->keys.end()) return std::nullopt;
  const Line& line = lines_[it->second];
  return line.text.substr(line.valueStart);
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

bool ProfileFile::hasSection(std::string_view section) const { return findSection(section) != nullptr; }

std::vector<std::string> ProfileFile::sectionNames() const {
  std::vector<std::string> names;
  for (const Line& line : lines_)
    if (line.kind == Kind::Section) {
      bool seen = false;
      for (const auto& n : names) seen = seen || equalsIgnoreCase(n, line.name);
      if (!seen) names.push_back(line.name);
    }
  return names;
}

std::vector<std::string> ProfileFile::sectionLines(std::string_view section) const {
  std::vector<std::string> out;
  const SectionIndex* s = findSection(section);
  if (!s) return out;
  for (std::size_t i = s->header + 1; i < s->end; ++i)
    if (lines_[i].kind == Kind::Key || lines_[i].kind == Kind::Other)
      out.push_back(lines_[i].text.substr(lines_[i].text.find_first_not_of(" \t")));
  return out;
}

std::vector<ProfileEntry> ProfileFile::sectionEntries(std::string_view section) const {
  std::vector<ProfileEntry> out;
  const SectionIndex* s = findSection(section);
  if (!s) return out;
  for (std::size_t i = s->header + 1; i < s->end; ++i)
    if (lines_[i].kind == Kind::Key) out.push_back({lines_[i].name, lines_[i].text.substr(lines_[i].valueStart)});
  return out;
}

bool ProfileFile::validName(std::string_view name) {
  const std::string_view t = trimView(name);
  if (t.empty()) return false;
  for (char c : t)
    if (c == '=' || c == '\r' || c == '\n') return false;
  return true;
}

bool ProfileFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  if (!validName(section) || !validName(key) || trimView(key).front() == '[') return false;
  for (char c : section)
    if (c == ']') return false;
  const std::string cleanValue = withoutLineEnds(value);
  const SectionIndex* s = findSection(section);
  if (s) {
    const auto it = s->keys.find(lowerKey(key));
    if (it != s->keys.end()) {
      Line& line = lines_[it->second];
      line.text = line.text.substr(0, line.valueStart) + cleanValue;
      return true;
    }
    // New key: after the last non-blank line of the section.
    std::size_t at = s->end;
    while (at > s->header + 1 && lines_[at - 1].kind == Kind::Blank) --at;
    Line line;
    line.kind = Kind::Key;
    line.name = std::string(trimView(key));
    line.text = line.name + "=" + cleanValue;
    line.valueStart = line.name.size() + 1;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    reindex();
    return true;
  }
  addLine("[" + std::string(trimView(section)) + "]");
  addLine(std::string(trimView(key)) + "=" + cleanValue);
  reindex();
  return true;
}

bool ProfileFile::writeInteger(std::string_view section, std::string_view key, std::int64_t value) {
  return writeString(section, key, std::to_string(value));
}

bool ProfileFile::writeBool(std::string_view section, std::string_view key, bool value) {
  return writeString(section, key, value ? "1" : "0");
}

void ProfileFile::deleteKey(std::string_view section, std::string_view key) {
  const SectionIndex* s = findSection(section);
  if (!s) return;
  const auto it = s->keys.find(lowerKey(key));
  if (it == s->keys.end()) return;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(it->second));
  reindex();
}

void ProfileFile::eraseSection(std::string_view section) {
  const std::string wanted = lowerKey(section);
  std::vector<Line> kept;
  kept.reserve(lines_.size());
  bool inside = false;
  for (Line& line : lines_) {
    if (line.kind == Kind::Section) inside = toLowerAnsi(line.name) == wanted;
    if (!inside) kept.push_back(std::move(line));
  }
  lines_ = std::move(kept);
  reindex();
}

bool ProfileFile::rewriteSection(std::string_view section, const std::vector<ProfileEntry>& entries) {
  if (!validName(section)) return false;
  for (const auto& e : entries)
    if (!validName(e.key) || trimView(e.key).front() == '[') return false;
  eraseSection(section);
  addLine("[" + std::string(trimView(section)) + "]");
  for (const auto& e : entries) addLine(std::string(trimView(e.key)) + "=" + withoutLineEnds(e.value));
  reindex();
  return true;
}

std::string ProfileFile::serialize() const {
  std::string out;
  std::size_t total = 0;
  for (const Line& line : lines_) total += line.text.size() + 2;
  out.reserve(total);
  for (const Line& line : lines_) {
    out += line.text;
    out += "\r\n";
  }
  return out;
}

bool ProfileFile::save(const std::string& path, std::string* error) const {
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
