#pragma once
// The zip archive of a published presentation: the player at the root, then
// every file of the presentation folder as "<presentation>/<path inside it>".

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tavo::sfx {

// The name the player has inside the archive and beside a published
// presentation, whatever the platform: the command line of the block and
// AutoRun.inf name it so.
inline constexpr const char* kPlayerEntryName = "TavoPlayer.exe";

struct ArchiveItem {
  std::string diskPath;   // file to read
  std::string entryName;  // name in the archive, "/" separated, UTF-8
  std::uint64_t size = 0;
  bool executable = false;
};

// The items of a presentation archive in archive order: the player (when
// `playerFile` is not empty and names a file), then the regular files below
// `presentationFolder`, sorted by name. Links inside the folder are not
// followed, so nothing outside the presentation is packed by accident.
// Nothing (with `error`) when the folder cannot be read.
bool listPresentationItems(const std::string& playerFile, const std::string& presentationFolder,
                           const std::string& presentationName, std::vector<ArchiveItem>& items,
                           std::string* error = nullptr);

// Bytes of file data written so far and in all; false cancels.
using BuildProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

enum class BuildStatus { Done, Cancelled, Failed };
struct BuildResult {
  BuildStatus status = BuildStatus::Failed;
  std::string error;
};

// Appends a zip archive of `items` to the open file descriptor `fd`. With a
// non-empty password every entry is encrypted with the traditional zip
// (PKWARE) encryption. Files that are compressed already (pictures, sound,
// video, archives) are stored, the rest deflated at the default level.
BuildResult writeZipArchive(int fd, const std::vector<ArchiveItem>& items, const std::string& password,
                            const BuildProgress& progress);

// True for names whose contents are compressed already, so that deflating
// them costs time and gains nothing.
bool isCompressedAlready(const std::string& name);

}  // namespace tavo::sfx
