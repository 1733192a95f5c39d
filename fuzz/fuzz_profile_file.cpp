// The profile-file parser: reading, writing and writing back any bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "format/ProfileFile.h"
#include "fuzz/FuzzCheck.h"

using namespace tavo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ProfileFile file = ProfileFile::parse(bytes);

  // Every key a section lists can be looked up, and a lookup gives the
  // first occurrence's value.
  for (const std::string& section : file.sectionNames()) {
    FUZZ_CHECK(file.hasSection(section));
    const auto entries = file.sectionEntries(section);
    for (const auto& e : entries) {
      const auto v = file.value(section, e.key);
      FUZZ_CHECK(v.has_value());
    }
    if (!entries.empty()) FUZZ_CHECK(*file.value(section, entries.front().key) == entries.front().value);
    for (const auto& n : file.numberedValues(section, "Image")) FUZZ_CHECK(n.number > 0 && !n.value.empty());
    (void)file.sectionLines(section);
    (void)file.readInteger(section, "1", 0);
  }

  // Writing back what was read is a fixed point after one round.
  const std::string once = file.serialize();
  const std::string twice = ProfileFile::parse(once).serialize();
  FUZZ_CHECK(once == twice);

  // Writes with names taken from the input: a write that is accepted reads back.
  const std::size_t half = size / 2;
  const std::string name(bytes.substr(0, half < 24 ? half : 24));
  const std::string value(bytes.substr(half));
  if (file.writeString("Fuzz", name, value)) {
    const ProfileFile back = ProfileFile::parse(file.serialize());
    const auto got = back.value("Fuzz", name);
    FUZZ_CHECK(got.has_value());
    FUZZ_CHECK(got->size() == value.size());
  }
  if (file.rewriteSection(name, {{"Key", value}, {"Other", name}})) {
    const ProfileFile back = ProfileFile::parse(file.serialize());
    FUZZ_CHECK(back.hasSection(name));
    file.eraseSection(name);
    FUZZ_CHECK(!file.hasSection(name));
  }
  (void)file.writeStrings("Fuzz", {{"a", name}, {"b", value}, {"a", value}});
  file.deleteKey("Fuzz", "a");
  FUZZ_CHECK(!file.hasKey("Fuzz", "a"));
  return 0;
}
