#include "sfx/package/ExeWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "common/QxMisc.h"

namespace fs = std::filesystem;

namespace tavo::sfx {

namespace {

std::string firstExisting(const std::string& preferred, const std::string& other) {
  std::error_code ec;
  if (!fs::is_regular_file(preferred, ec) && fs::is_regular_file(other, ec)) return other;
  return preferred;
}

}  // namespace

std::string stubFileIn(const std::string& creatorFolder) {
  const std::string area = withTrailingSeparator(creatorFolder);
  return firstExisting(area + kStubFileName, area + "FileSet/" + kStubFileName);
}

std::string playerFileIn(const std::string& creatorFolder) {
  const std::string area = withTrailingSeparator(creatorFolder);
  return firstExisting(area + "FileSet/" + kPlayerEntryName, area + "FileSet/TavoPlayer");
}

SfxConfig publisherBlock(const ExeChoices& c) {
  SfxConfig block;
  block.flags = SfxFlag::kOverwriteFixed | SfxFlag::kOverwriteAlways;
  if (!c.userCanBrowse) block.flags |= SfxFlag::kNoFolderQuestion;
  block.caption = c.presentationName;
  block.defaultPath = std::string(kFolderToken);
  block.commandLine = std::string(kFolderToken) + kPlayerEntryName + "|Path=\"" + std::string(kFolderToken) +
                      c.presentationName + "\"";
  if (c.showInfo) {
    block.message = c.infoText;
    block.title = c.infoTitle;
  }
  return block;
}

std::string archivePassword(const ExeChoices& c) { return c.passwordRequired ? c.password : std::string(); }

std::string describeText(SfxText text) {
  switch (text) {
    case SfxText::Caption: return "presentation name";
    case SfxText::DefaultPath: return "default extraction path";
    case SfxText::CommandLine: return "command line (the presentation name with the player's start)";
    case SfxText::Message: return "User Message";
    case SfxText::Title: return "Title Bar Caption";
  }
  return {};
}

std::string textTooLongMessage(const SfxTextTooLong& t) {
  return "The " + describeText(t.text) + " is " + std::to_string(t.length) +
         " bytes long; a self-extracting file holds at most " + std::to_string(t.limit) + " bytes.";
}

namespace {

bool writeAll(int fd, const char* p, std::size_t n) {
  while (n > 0) {
    const ssize_t w = ::write(fd, p, n);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) return false;
    p += w;
    n -= static_cast<std::size_t>(w);
  }
  return true;
}

bool copyFileInto(int out, const std::string& path, std::string& error) {
  const int in = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) {
    error = "The self-extractor " + path + " cannot be read: " + std::strerror(errno);
    return false;
  }
  std::vector<char> buffer(1 << 20);
  bool ok = true;
  for (;;) {
    const ssize_t n = ::read(in, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      error = "The self-extractor " + path + " cannot be read: " + std::strerror(errno);
      ok = false;
      break;
    }
    if (n == 0) break;
    if (!writeAll(out, buffer.data(), static_cast<std::size_t>(n))) {
      error = std::string("The file cannot be written: ") + std::strerror(errno);
      ok = false;
      break;
    }
  }
  ::close(in);
  return ok;
}

}  // namespace

BuildResult buildSelfExtractor(const ExeBuildRequest& r, const BuildProgress& progress) {
  BuildResult result;
  if (auto tooLong = findTextTooLong(r.block)) {
    result.error = textTooLongMessage(*tooLong);
    return result;
  }
  const std::string block = *encodeSfxBlock(r.block);
  std::error_code ec;
  if (!fs::is_regular_file(r.stubFile, ec)) {
    result.error = "The self-extractor " + r.stubFile + " is missing.";
    return result;
  }
  if (!r.playerFile.empty() && !fs::is_regular_file(r.playerFile, ec)) {
    result.error = "The player " + r.playerFile + " is missing.";
    return result;
  }
  std::vector<ArchiveItem> items;
  if (!listPresentationItems(r.playerFile, r.presentationFolder, r.presentationName, items, &result.error))
    return result;

  std::string temp = r.outputFile + ".partXXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    result.error = "The file " + r.outputFile + " cannot be written: " + std::strerror(errno);
    return result;
  }
  auto abandon = [&](BuildResult res) {
    ::close(fd);
    ::unlink(temp.c_str());
    return res;
  };

  if (!copyFileInto(fd, r.stubFile, result.error)) return abandon(result);
  if (!writeAll(fd, block.data(), block.size())) {
    result.error = std::string("The file cannot be written: ") + std::strerror(errno);
    return abandon(result);
  }
  BuildResult zip = writeZipArchive(fd, items, r.password, progress);
  if (zip.status != BuildStatus::Done) {
    if (zip.status == BuildStatus::Failed) zip.error = "The file " + r.outputFile + " cannot be written: " + zip.error;
    return abandon(zip);
  }
  // The result is a program: executable by everyone who may read it.
  if (::fchmod(fd, 0755) != 0 || ::fsync(fd) != 0) {
    result.error = std::string("The file cannot be written: ") + std::strerror(errno);
    return abandon(result);
  }
  if (::close(fd) != 0 || ::rename(temp.c_str(), r.outputFile.c_str()) != 0) {
    result.error = "The file " + r.outputFile + " cannot be written: " + std::strerror(errno);
    ::unlink(temp.c_str());
    return result;
  }
  result.status = BuildStatus::Done;
  return result;
}

}  // namespace tavo::sfx
