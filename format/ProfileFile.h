#pragma once
// Reader and writer of the INI ("profile") files of a presentation.
//
// Conventions, shared by every INI file the programs read or write:
// - "[name]" lines start sections; "key=value" lines hold values. Leading
//   blanks of a line and blanks around a section or key name are ignored.
// - Section and key names are matched without regard to case. When a section
//   occurs twice, the first occurrence counts and the lines of the later one
//   belong to no section; when a key occurs twice in a section, the first
//   occurrence counts.
// - A value is the raw text after the first "=" of its line: not trimmed, not
//   unquoted, not unescaped. A present-but-empty value is empty; only a missing
//   key (or file) gives the reader's default.
// - Integers (and Booleans, written "1"/"0") are read from the value as a
//   decimal number, blanks around it allowed; a missing key or a value that is
//   not a number gives the default. A Boolean is true for any number but 0.
// - Lines may end in CR LF, LF or CR; a file is written with CR LF.
// - A write changes only what it owns: one key, some keys, or one section that
//   it erases and rewrites. Every other line stays as it was, and a missing
//   file or section is created. Saving replaces the file atomically.
// - A file that exists but cannot be read (no permission, not a regular file,
//   larger than kMaxPresentationFileBytes) reads as empty, and `save` refuses
//   to replace it, so that no write loses what it could not see.
//
// A ProfileFile parses its file once when loaded (linear in its size) and
// indexes sections and keys; readers then look values up in memory. Writers
// change the in-memory lines and `save` writes them back.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

struct ProfileEntry {
  std::string key;
  std::string value;
};

// A value under a numbered key ("Image" + number, "SearchName" + number, ...).
struct NumberedValue {
  int number = 0;
  std::string value;
};

class ProfileFile {
 public:
  ProfileFile() = default;

  // A missing file gives an empty profile (existed() false); an unreadable one
  // an empty profile with unreadable() true.
  static ProfileFile load(const std::string& path);
  static ProfileFile parse(std::string_view bytes);

  bool existed() const { return existed_; }
  bool unreadable() const { return unreadable_; }

  std::optional<std::string> value(std::string_view section, std::string_view key) const;
  std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;
  std::int64_t readInteger(std::string_view section, std::string_view key, std::int64_t fallback) const;
  bool readBool(std::string_view section, std::string_view key, bool fallback) const;

  bool hasSection(std::string_view section) const;
  bool hasKey(std::string_view section, std::string_view key) const { return value(section, key).has_value(); }
  // Section names in file order, each once (as first written).
  std::vector<std::string> sectionNames() const;
  // Every non-blank line of the section in file order, as written (without
  // its leading blanks and its line end).
  std::vector<std::string> sectionLines(std::string_view section) const;
  // The key lines of the section in file order, repeated keys included.
  std::vector<ProfileEntry> sectionEntries(std::string_view section) const;
  // The keys `prefix` + number (number from 1, written without leading zeros
  // or sign, at most nine digits) whose value is not empty, in ascending
  // number order. The prefix is matched without regard to case.
  std::vector<NumberedValue> numberedValues(std::string_view section, std::string_view prefix) const;

  // Writers. Names must be non-empty and hold no line end; a key must hold no
  // "=" and not begin with "["; a section name must hold no "]". Line ends in
  // values are replaced by blanks. A refused write returns false and changes
  // nothing.
  bool writeString(std::string_view section, std::string_view key, std::string_view value);
  bool writeInteger(std::string_view section, std::string_view key, std::int64_t value);
  bool writeBool(std::string_view section, std::string_view key, bool value);
  // Writes several keys of one section at once (one pass over the file).
  bool writeStrings(std::string_view section, const std::vector<ProfileEntry>& entries);
  // Removes the key (every occurrence of it in the section).
  void deleteKey(std::string_view section, std::string_view key);
  // Removes the section (every occurrence) with all its lines.
  void eraseSection(std::string_view section);
  // Erases the section and writes the given entries into it, in order, where
  // its first occurrence was (at the end of the file when it was missing).
  bool rewriteSection(std::string_view section, const std::vector<ProfileEntry>& entries);

  std::string serialize() const;
  // Refused (false) for a profile loaded from an unreadable file.
  bool save(const std::string& path, std::string* error = nullptr) const;

 private:
  enum class Kind : std::uint8_t { Section, Key, Other, Blank };
  // One line (or, for Blank, a run of consecutive blank lines) as a range of store_.
  struct Line {
    std::uint64_t offset = 0;
    std::uint32_t size = 0;
    std::uint32_t meta = 0;  // kind in the low two bits; for Blank the number of lines above them
  };
  struct Section {
    std::uint32_t header = 0;  // line of the first header
    std::uint32_t end = 0;     // one past its last line
  };

  static Kind kindOf(const Line& line) { return static_cast<Kind>(line.meta & 3u); }
  std::string_view textOf(const Line& line) const { return std::string_view(store_).substr(line.offset, line.size); }
  std::string_view nameOf(const Line& line) const;
  std::string_view valueOf(const Line& line) const;

  static ProfileFile fromBytes(std::string&& bytes);
  void addLine(std::string_view raw, std::uint64_t offset);
  Line makeLine(std::string_view text);
  void reindex();
  int findSection(std::string_view section) const;  // ordinal in sections_, or -1
  int findKey(int section, std::string_view key) const;  // line index, or -1
  std::uint32_t insertionPoint(int section) const;
  static bool validSectionName(std::string_view name);
  static bool validKeyName(std::string_view name);

  std::string store_;  // the file's bytes, then the texts of lines added or changed
  std::vector<Line> lines_;
  std::vector<Section> sections_;  // first occurrences, in file order
  std::vector<std::uint32_t> sectionSlots_;  // open addressing: ordinal + 1, 0 = free
  std::vector<std::uint32_t> keySlots_;      // open addressing: line index + 1, 0 = free
  bool existed_ = false;
  bool unreadable_ = false;
};

// Integer rule of the profile files: a decimal number with optional sign and
// surrounding blanks; nothing for anything else.
std::optional<std::int64_t> parseProfileInteger(std::string_view value);

// One-call helpers: read one value from a file / write one key into a file.
std::string readProfileString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view fallback);
bool writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace tavo
