#pragma once
// Fixtures for the self-extractor tests: a small presentation folder, a stand-in
// extractor program, and self-extracting files built from raw archive entries.

#include <archive.h>
#include <archive_entry.h>

#include <string>
#include <vector>

#include "sfx/package/SfxBlock.h"
#include "tests/support/TempFolder.h"

namespace tavo::test {

// A presentation "Pres" in `area`/Projects with text, a picture and a sub-folder.
inline std::string makePresentation(const TempFolder& area) {
  area.write("Projects/Pres/Project.ini", "[Project Info]\r\nPresentation Name=Pres\r\n");
  area.write("Projects/Pres/News/!Tavo.ini", "[Sponsor Options]\r\nCaption Text=News\r\n");
  area.write("Projects/Pres/News/Ticker.txt", std::string(5000, 'x') + "|http://example.com\r\n");
  std::string picture;
  for (int i = 0; i < 3000; ++i) picture += static_cast<char>((i * 7919) & 0xFF);
  area.write("Projects/Pres/News/Pictures/Logo.jpg", picture);
  return area / "Projects/Pres";
}

// Bytes that stand where the extractor program goes; the reader must not care what they are.
inline const std::string kFakeStub = std::string("\x7f" "ELF stand-in extractor\n") + std::string(300, '\0');

struct RawEntry {
  RawEntry(std::string n, std::string d, unsigned t = AE_IFREG, std::string l = {})
      : name(std::move(n)), data(std::move(d)), type(t), link(std::move(l)) {}
  std::string name;
  std::string data;
  unsigned type = AE_IFREG;
  std::string link;  // symlink target or hardlink source
};

// A zip archive of the entries, written by libarchive as an archiver would.
inline std::string rawZip(const std::vector<RawEntry>& entries) {
  std::string out;
  struct archive* a = archive_write_new();
  archive_write_set_format_zip(a);
  archive_write_set_bytes_in_last_block(a, 1);
  archive_write_open(
      a, &out, nullptr,
      [](struct archive*, void* d, const void* b, size_t n) -> la_ssize_t {
        static_cast<std::string*>(d)->append(static_cast<const char*>(b), n);
        return static_cast<la_ssize_t>(n);
      },
      nullptr);
  for (const RawEntry& r : entries) {
    struct archive_entry* e = archive_entry_new();
    archive_entry_set_pathname(e, r.name.c_str());
    archive_entry_set_filetype(e, r.type);
    archive_entry_set_perm(e, 0644);
    if (r.type == AE_IFLNK) archive_entry_set_symlink(e, r.link.c_str());
    if (r.type == AE_IFREG && !r.link.empty()) archive_entry_set_hardlink(e, r.link.c_str());
    archive_entry_set_size(e, static_cast<la_int64_t>(r.data.size()));
    archive_write_header(a, e);
    if (!r.data.empty()) archive_write_data(a, r.data.data(), r.data.size());
    archive_entry_free(e);
  }
  archive_write_close(a);
  archive_write_free(a);
  return out;
}

inline std::string selfExtracting(const std::string& zip, const sfx::SfxConfig& config = {}) {
  return kFakeStub + *sfx::encodeSfxBlock(config) + zip;
}

}  // namespace tavo::test
