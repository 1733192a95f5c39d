#include "sfx/package/ArchiveWriter.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include "common/QxMisc.h"

namespace fs = std::filesystem;

namespace tavo::sfx {

namespace {

struct Output {
  int fd = -1;
  int error = 0;
};

la_ssize_t writeToFd(struct archive*, void* data, const void* buffer, size_t length) {
  auto* out = static_cast<Output*>(data);
  const char* p = static_cast<const char*>(buffer);
  size_t left = length;
  while (left > 0) {
    const ssize_t n = ::write(out->fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      out->error = n < 0 ? errno : ENOSPC;
      return -1;
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
  return static_cast<la_ssize_t>(length);
}

std::string archiveError(struct archive* a) {
  const char* s = archive_error_string(a);
  return s ? s : "the archive cannot be written";
}

}  // namespace

bool isCompressedAlready(const std::string& name) {
  static const char* const kinds[] = {".jpg", ".jpeg", ".png", ".gif", ".mp3", ".mp4", ".m4a", ".m4v", ".avi",
                                      ".wmv", ".wma", ".mov", ".mpg", ".mpeg", ".ogg", ".webm", ".webp", ".zip",
                                      ".gz",  ".7z",  ".rar", ".xz",  ".bz2", ".cab"};
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos || name.find('/', dot) != std::string::npos) return false;
  const std::string ext = name.substr(dot);
  for (const char* kind : kinds)
    if (equalsIgnoreCase(ext, kind)) return true;
  return false;
}

bool listPresentationItems(const std::string& playerFile, const std::string& presentationFolder,
                           const std::string& presentationName, std::vector<ArchiveItem>& items, std::string* error) {
  items.clear();
  std::error_code ec;
  if (!playerFile.empty() && fs::is_regular_file(playerFile, ec)) {
    items.push_back({playerFile, kPlayerEntryName, fs::file_size(playerFile, ec), true});
  }
  if (!fs::is_directory(presentationFolder, ec)) {
    if (error) *error = "the presentation folder " + presentationFolder + " does not exist";
    return false;
  }
  std::vector<ArchiveItem> files;
  const fs::path root(presentationFolder);
  fs::recursive_directory_iterator it(root, fs::directory_options::none, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    const fs::directory_entry& entry = *it;
    if (entry.is_symlink(ec) || !entry.is_regular_file(ec)) continue;
    const std::string relative = entry.path().lexically_relative(root).generic_string();
    const auto perms = entry.status(ec).permissions();
    files.push_back({entry.path().string(), presentationName + "/" + relative, entry.file_size(ec),
                     (perms & fs::perms::owner_exec) != fs::perms::none});
  }
  if (ec) {
    if (error) *error = "the presentation folder cannot be read: " + ec.message();
    return false;
  }
  std::sort(files.begin(), files.end(), [](const ArchiveItem& a, const ArchiveItem& b) { return a.entryName < b.entryName; });
  items.insert(items.end(), files.begin(), files.end());
  return true;
}

BuildResult writeZipArchive(int fd, const std::vector<ArchiveItem>& items, const std::string& password,
                            const BuildProgress& progress) {
  BuildResult result;
  std::unique_ptr<struct archive, decltype(&archive_write_free)> a(archive_write_new(), archive_write_free);
  archive_write_set_format_zip(a.get());
  // No padding after the archive: the end record must end the file.
  archive_write_set_bytes_per_block(a.get(), 1 << 20);
  archive_write_set_bytes_in_last_block(a.get(), 1);
  if (!password.empty()) {
    if (archive_write_set_options(a.get(), "zip:encryption=traditional") != ARCHIVE_OK ||
        archive_write_set_passphrase(a.get(), password.c_str()) != ARCHIVE_OK) {
      result.error = archiveError(a.get());
      return result;
    }
  }
  Output out{fd};
  if (archive_write_open(a.get(), &out, nullptr, writeToFd, nullptr) != ARCHIVE_OK) {
    result.error = archiveError(a.get());
    return result;
  }

  std::uint64_t total = 0;
  for (const ArchiveItem& item : items) total += item.size;
  std::uint64_t done = 0;
  std::vector<char> buffer(1 << 20);
  std::unique_ptr<struct archive_entry, decltype(&archive_entry_free)> entry(archive_entry_new(), archive_entry_free);

  auto failWith = [&](const std::string& why) {
    result.status = BuildStatus::Failed;
    result.error = out.error ? std::string(std::strerror(out.error)) : why;
    return result;
  };

  for (const ArchiveItem& item : items) {
    const int in = ::open(item.diskPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return failWith(item.diskPath + " cannot be read: " + std::strerror(errno));
    struct stat st {};
    ::fstat(in, &st);
    archive_entry_clear(entry.get());
    archive_entry_set_pathname_utf8(entry.get(), item.entryName.c_str());
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    archive_entry_set_perm(entry.get(), item.executable ? 0755 : 0644);
    archive_entry_set_size(entry.get(), st.st_size);
    archive_entry_set_mtime(entry.get(), st.st_mtim.tv_sec, 0);
    if (isCompressedAlready(item.entryName))
      archive_write_zip_set_compression_store(a.get());
    else
      archive_write_zip_set_compression_deflate(a.get());
    if (archive_write_header(a.get(), entry.get()) != ARCHIVE_OK) {
      ::close(in);
      return failWith(archiveError(a.get()));
    }
    for (;;) {
      const ssize_t n = ::read(in, buffer.data(), buffer.size());
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        const std::string why = item.diskPath + " cannot be read: " + std::strerror(errno);
        ::close(in);
        return failWith(why);
      }
      if (n == 0) break;
      if (archive_write_data(a.get(), buffer.data(), static_cast<size_t>(n)) < 0) {
        ::close(in);
        return failWith(archiveError(a.get()));
      }
      done += static_cast<std::uint64_t>(n);
      if (progress && !progress(done, total)) {
        ::close(in);
        result.status = BuildStatus::Cancelled;
        return result;
      }
    }
    ::close(in);
    if (archive_write_finish_entry(a.get()) != ARCHIVE_OK) return failWith(archiveError(a.get()));
  }
  if (archive_write_close(a.get()) != ARCHIVE_OK) return failWith(archiveError(a.get()));
  if (progress) progress(total, total);
  result.status = BuildStatus::Done;
  return result;
}

}  // namespace tavo::sfx
