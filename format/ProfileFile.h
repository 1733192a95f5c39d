#pragma once
// Reader and writer of the INI ("profile") files of a presentation.
//
// Conventions, shared by every INI file the programs read or write:
// - "[name]" lines start sections; "key=value" lines hold values. Leading
//   blanks of a line and blanks around a section or key name are ignored.
// - Section and key names are matched without regard to case. When a name
//   occurs twice, the first occurrence counts.
// - A value is the raw text after the first "=" of its line: not trimmed, not
//   unquoted, not unescaped. A present-but-empty value is empty; only a missing
//   key (or file) gives the reader's default.
// - Integers (and Booleans, written "1"/"0") are read from the value as a
//   decimal number, blanks around it allowed; a missing key or a value that is
//   not a number gives the default. A Boolean is true for any number but 0.
// - Lines may end in CR LF, LF or CR; a file is written with CR LF.
// - A write changes only what it owns: one key, or one section that it erases
//   and rewrites. Every other line stays as it was, and a missing file or
//   section is created. Saving replaces the file atomically.
//
// A ProfileFile parses its file once when loaded; readers then look values up
// in memory. Writers change the in-memory lines and `save` writes them back.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tavo {

struct ProfileEntry {
  std::string key;
  std::string value;
};

class ProfileFile {
 public:
  ProfileFile() = default;

  // A missing or unreadable file gives an empty profile (existed() is false).
  static ProfileFile load(const std::string& path);
  static ProfileFile parse(std::string_view bytes);

  bool existed() const { return existed_; }

  std::optional<std::string> value(std::string_view section, std::string_view key) const;
  std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;
  std::int64_t readInteger(std::string_view section, std::string_view key, std::int64_t fallback) const;
  bool readBool(std::string_view section, std::string_view key, bool fallback) const;

  bool hasSection(std::string_view section) const;
  bool hasKey(std::string_view section, std::string_view key) const { return value(section, key).has_value(); }
  std::vector<std::string> sectionNames() const;
  // Every non-blank line of the section in file order, as written (without its line end).
  std::vector<std::string> sectionLines(std::string_view section) const;
  // The key lines of the section in file order (lines without "=" are left out).
  std::vector<ProfileEntry> sectionEntries(std::string_view section) const;

  // Writers. Names must be non-empty, hold no "=" and no line end, and a key
  // must not begin with "["; values cannot hold line ends, which are replaced
  // by blanks. A refused write returns false and changes nothing.
  bool writeString(std::string_view section, std::string_view key, std::string_view value);
  bool writeInteger(std::string_view section, std::string_view key, std::int64_t value);
  bool writeBool(std::string_view section, std::string_view key, bool value);
  void deleteKey(std::string_view section, std::string_view key);
  // Removes the section (every occurrence) with all its lines.
  void eraseSection(std::string_view section);
  // Erases the section and writes the given entries into it, in order.
  bool rewriteSection(std::string_view section, const std::vector<ProfileEntry>& entries);

  std::string serialize() const;
  bool save(const std::string& path, std::string* error = nullptr) const;

 private:
  enum class Kind { Section, Key, Other, Blank };
  struct Line {
    Kind kind = Kind::Other;
    std::string text;   // the raw line
    std::string name;   // section or key name, trimmed
    std::size_t valueStart = 0;  // for keys: where the value starts in text
  };
  struct SectionIndex {
    std::size_t header = 0;  // line of the first header
    std::size_t end = 0;     // one past its last line
    std::unordered_map<std::string, std::size_t> keys;  // lower-case key -> first line
  };

  void addLine(std::string_view raw);
  void reindex();
  const SectionIndex* findSection(std::string_view section) const;
  static bool validName(std::string_view name);

  std::vector<Line> lines_;
  std::unordered_map<std::string, SectionIndex> sections_;  // lower-case name -> first occurrence
  bool existed_ = false;
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
