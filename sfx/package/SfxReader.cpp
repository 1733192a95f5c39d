#include "sfx/package/SfxReader.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

namespace fs = std::filesystem;

namespace tavo::sfx {

namespace {

std::uint64_t le(const unsigned char* p, int bytes) {
  std::uint64_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

bool readExact(const ByteSource& file, std::uint64_t offset, void* out, std::size_t n) {
  if (offset > file.size() || n > file.size() - offset) return false;
  auto* dst = static_cast<unsigned char*>(out);
  while (n > 0) {
    const long long got = file.read(offset, dst, n);
    if (got <= 0) return false;
    dst += got;
    offset += static_cast<std::uint64_t>(got);
    n -= static_cast<std::size_t>(got);
  }
  return true;
}

bool fail(std::string* error, const std::string& why) {
  if (error) *error = why;
  return false;
}

// The archive's start and length, from its end records.
bool findArchive(const ByteSource& file, std::uint64_t& start, std::uint64_t& length, std::string* error) {
  constexpr std::size_t kEocd = 22;
  const std::uint64_t size = file.size();
  if (size < kEocd) return fail(error, "the file holds no archive");
  const std::size_t tail = static_cast<std::size_t>(std::min<std::uint64_t>(size, kEocd + 65535));
  std::string buf(tail, '\0');
  if (!readExact(file, size - tail, buf.data(), tail)) return fail(error, "the file cannot be read");
  const auto* b = reinterpret_cast<const unsigned char*>(buf.data());

  // The end record: its signature, with a comment that reaches exactly to the end of the file.
  std::size_t at = tail - kEocd + 1;
  bool found = false;
  while (at-- > 0) {
    if (b[at] == 'P' && b[at + 1] == 'K' && b[at + 2] == 5 && b[at + 3] == 6 &&
        at + kEocd + le(b + at + 20, 2) == tail) {
      found = true;
      break;
    }
  }
  if (!found) return fail(error, "the file holds no archive (no end record)");
  const std::uint64_t eocdPos = size - tail + at;
  std::uint64_t cdSize = le(b + at + 12, 4);
  std::uint64_t cdOffset = le(b + at + 16, 4);
  std::uint64_t recordsPos = eocdPos;  // where the central directory ends

  if (cdSize == 0xFFFFFFFFu || cdOffset == 0xFFFFFFFFu || le(b + at + 10, 2) == 0xFFFF) {
    // Zip64: the locator just before the end record, the zip64 end record before it.
    unsigned char loc[20];
    if (eocdPos < 20 + 56 || !readExact(file, eocdPos - 20, loc, 20) || le(loc, 4) != 0x07064b50u)
      return fail(error, "the archive's zip64 end record is missing");
    unsigned char rec[56];
    const std::uint64_t recPos = eocdPos - 20 - 56;
    if (!readExact(file, recPos, rec, 56) || le(rec, 4) != 0x06064b50u)
      return fail(error, "the archive's zip64 end record is damaged");
    cdSize = le(rec + 40, 8);
    cdOffset = le(rec + 48, 8);
    recordsPos = recPos;
  }
  if (cdSize > recordsPos || cdOffset > recordsPos - cdSize)
    return fail(error, "the archive's directory lies outside the file");
  start = recordsPos - cdSize - cdOffset;
  length = size - start;
  return true;
}

// libarchive reads the archive through a window on the file, so that the
// archive's own offsets (counted from its start) are right.
struct Window {
  const ByteSource* file = nullptr;
  std::uint64_t base = 0;
  std::uint64_t size = 0;
  std::uint64_t pos = 0;
  std::vector<char> buffer = std::vector<char>(256 * 1024);
};

la_ssize_t windowRead(struct archive* a, void* data, const void** out) {
  auto* w = static_cast<Window*>(data);
  const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(w->buffer.size(), w->size - w->pos));
  *out = w->buffer.data();
  if (n == 0) return 0;
  const long long got = w->file->read(w->base + w->pos, w->buffer.data(), n);
  if (got < 0) {
    archive_set_error(a, EIO, "the file cannot be read");
    return -1;
  }
  w->pos += static_cast<std::uint64_t>(got);
  return static_cast<la_ssize_t>(got);
}

la_int64_t windowSeek(struct archive*, void* data, la_int64_t offset, int whence) {
  auto* w = static_cast<Window*>(data);
  long long target = offset;
  if (whence == SEEK_CUR) target += static_cast<long long>(w->pos);
  else if (whence == SEEK_END) target += static_cast<long long>(w->size);
  if (target < 0) return ARCHIVE_FATAL;
  w->pos = std::min<std::uint64_t>(static_cast<std::uint64_t>(target), w->size);
  return static_cast<la_int64_t>(w->pos);
}

la_int64_t windowSkip(struct archive*, void* data, la_int64_t request) {
  auto* w = static_cast<Window*>(data);
  if (request < 0) return 0;
  const std::uint64_t n = std::min<std::uint64_t>(static_cast<std::uint64_t>(request), w->size - w->pos);
  w->pos += n;
  return static_cast<la_int64_t>(n);
}

struct ReaderDeleter {
  void operator()(struct archive* a) const { archive_read_free(a); }
};
using Reader = std::unique_ptr<struct archive, ReaderDeleter>;

Reader openReader(Window& w, const std::string& password, std::string* error) {
  Reader a(archive_read_new());
  if (!a) return nullptr;
  archive_read_support_format_zip_seekable(a.get());
  if (!password.empty()) archive_read_add_passphrase(a.get(), password.c_str());
  archive_read_set_read_callback(a.get(), windowRead);
  archive_read_set_seek_callback(a.get(), windowSeek);
  archive_read_set_skip_callback(a.get(), windowSkip);
  archive_read_set_callback_data(a.get(), &w);
  if (archive_read_open1(a.get()) != ARCHIVE_OK) {
    fail(error, std::string("the archive cannot be opened: ") + (archive_error_string(a.get()) ? archive_error_string(a.get()) : "unknown format"));
    return nullptr;
  }
  return a;
}

std::string entryName(struct archive_entry* e) {
  const char* utf8 = archive_entry_pathname_utf8(e);
  if (utf8) return utf8;
  const char* raw = archive_entry_pathname(e);
  return raw ? raw : "";
}

std::string archiveError(struct archive* a, const char* fallback) {
  const char* s = archive_error_string(a);
  return s ? s : fallback;
}

bool isPasswordError(struct archive* a) {
  const char* s = archive_error_string(a);
  return s && std::strstr(s, "assphrase") != nullptr;
}

// Makes the working folder `folder` for the life of the object and returns to
// the old one after, so that the disk writer gets relative names and can
// refuse absolute ones.
class WorkingFolder {
 public:
  explicit WorkingFolder(const std::string& folder) {
    saved_ = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ok_ = saved_ >= 0 && ::chdir(folder.c_str()) == 0;
  }
  ~WorkingFolder() {
    if (saved_ >= 0) {
      if (::fchdir(saved_) != 0) { /* the old folder is gone; nothing better to do */ }
      ::close(saved_);
    }
  }
  bool ok() const { return ok_; }

 private:
  int saved_ = -1;
  bool ok_ = false;
};

}  // namespace

std::optional<SfxLayout> locateSfxPayload(const ByteSource& file, std::string* error) {
  SfxLayout layout;
  if (!findArchive(file, layout.archiveOffset, layout.archiveSize, error)) return std::nullopt;
  if (layout.archiveOffset < kBlockFixedBytes) {
    fail(error, "the file holds no configuration block");
    return std::nullopt;
  }
  unsigned char total[2];
  if (!readExact(file, layout.archiveOffset - 2, total, 2)) {
    fail(error, "the file cannot be read");
    return std::nullopt;
  }
  const std::uint64_t blockSize = le(total, 2);
  if (blockSize < kBlockFixedBytes || blockSize > layout.archiveOffset) {
    fail(error, "the configuration block's length is wrong");
    return std::nullopt;
  }
  layout.blockOffset = layout.archiveOffset - blockSize;
  std::string block(static_cast<std::size_t>(blockSize), '\0');
  if (!readExact(file, layout.blockOffset, block.data(), block.size())) {
    fail(error, "the file cannot be read");
    return std::nullopt;
  }
  auto config = decodeSfxBlock(block, error);
  if (!config) return std::nullopt;
  layout.config = std::move(*config);
  return layout;
}

bool isSafeEntryName(const std::string& name) {
  if (name.empty() || name.front() == '/' || name.front() == '\\') return false;
  if (name.size() >= 2 && name[1] == ':') return false;  // "C:..."
  if (name.find('\0') != std::string::npos) return false;
  std::size_t start = 0;
  while (start <= name.size()) {
    std::size_t end = name.find_first_of("/\\", start);
    if (end == std::string::npos) end = name.size();
    const std::string_view part(name.data() + start, end - start);
    if (part == "..") return false;
    start = end + 1;
  }
  return true;
}

std::optional<SfxScan> scanSfxArchive(const ByteSource& file, const SfxLayout& layout, std::string* error) {
  Window w{&file, layout.archiveOffset, layout.archiveSize};
  Reader a = openReader(w, {}, error);
  if (!a) return std::nullopt;
  SfxScan scan;
  struct archive_entry* e = nullptr;
  for (;;) {
    const int r = archive_read_next_header(a.get(), &e);
    if (r == ARCHIVE_EOF) break;
    if (r < ARCHIVE_WARN) {
      fail(error, "the archive is damaged: " + archiveError(a.get(), "unreadable entry"));
      return std::nullopt;
    }
    SfxEntry entry;
    entry.name = entryName(e);
    const auto type = archive_entry_filetype(e);
    if (archive_entry_symlink(e) || archive_entry_hardlink(e) || (type != AE_IFREG && type != AE_IFDIR)) {
      fail(error, "the archive holds a link or special file, which is not extracted: \"" + entry.name + "\"");
      return std::nullopt;
    }
    if (!isSafeEntryName(entry.name)) {
      fail(error, "the archive holds an entry that would be written outside the folder: \"" + entry.name + "\"");
      return std::nullopt;
    }
    entry.folder = type == AE_IFDIR;
    entry.size = archive_entry_size_is_set(e) && archive_entry_size(e) > 0 ? static_cast<std::uint64_t>(archive_entry_size(e)) : 0;
    entry.encrypted = archive_entry_is_encrypted(e);
    scan.encrypted = scan.encrypted || entry.encrypted;
    scan.totalBytes += entry.size;
    scan.entries.push_back(std::move(entry));
  }
  return scan;
}

bool checkSfxPassword(const ByteSource& file, const SfxLayout& layout, const std::string& password) {
  Window w{&file, layout.archiveOffset, layout.archiveSize};
  Reader a = openReader(w, password, nullptr);
  if (!a) return false;
  struct archive_entry* e = nullptr;
  while (archive_read_next_header(a.get(), &e) == ARCHIVE_OK) {
    if (!archive_entry_is_encrypted(e)) continue;
    char byte;
    return archive_read_data(a.get(), &byte, 1) >= 0;
  }
  return true;
}

bool readAllSfxEntries(const ByteSource& file, const SfxLayout& layout, const std::string& password, std::string* error) {
  Window w{&file, layout.archiveOffset, layout.archiveSize};
  Reader a = openReader(w, password, error);
  if (!a) return false;
  struct archive_entry* e = nullptr;
  for (;;) {
    const int r = archive_read_next_header(a.get(), &e);
    if (r == ARCHIVE_EOF) return true;
    if (r < ARCHIVE_WARN) return fail(error, archiveError(a.get(), "unreadable entry"));
    const void* block;
    size_t size;
    la_int64_t offset;
    int d;
    while ((d = archive_read_data_block(a.get(), &block, &size, &offset)) == ARCHIVE_OK) {
    }
    if (d != ARCHIVE_EOF) return fail(error, archiveError(a.get(), "unreadable data"));
  }
}

ExtractResult extractSfxArchive(const ByteSource& file, const SfxLayout& layout, const ExtractOptions& options) {
  ExtractResult result;
  auto scan = scanSfxArchive(file, layout, &result.error);
  if (!scan) return result;

  std::error_code ec;
  fs::create_directories(options.folder, ec);
  if (!fs::is_directory(options.folder)) {
    result.error = "the folder \"" + options.folder + "\" cannot be created";
    return result;
  }
  WorkingFolder here(options.folder);
  if (!here.ok()) {
    result.error = "the folder \"" + options.folder + "\" cannot be opened";
    return result;
  }

  Window w{&file, layout.archiveOffset, layout.archiveSize};
  Reader a = openReader(w, options.password, &result.error);
  if (!a) return result;
  std::unique_ptr<struct archive, decltype(&archive_write_free)> disk(archive_write_disk_new(), archive_write_free);
  archive_write_disk_set_options(disk.get(), ARCHIVE_EXTRACT_TIME | ARCHIVE_EXTRACT_SECURE_NODOTDOT |
                                                 ARCHIVE_EXTRACT_SECURE_SYMLINKS |
                                                 ARCHIVE_EXTRACT_SECURE_NOABSOLUTEPATHS);

  OverwriteMode mode = options.overwrite;
  std::uint64_t done = 0;
  struct archive_entry* e = nullptr;
  for (std::size_t index = 0;; ++index) {
    const int r = archive_read_next_header(a.get(), &e);
    if (r == ARCHIVE_EOF) break;
    if (r < ARCHIVE_WARN || index >= scan->entries.size()) {
      result.error = "the archive is damaged: " + archiveError(a.get(), "unreadable entry");
      return result;
    }
    const SfxEntry& entry = scan->entries[index];
    if (entryName(e) != entry.name) {
      result.error = "the archive changed while it was read";
      return result;
    }
    // The name was checked; the writer gets it exactly as checked.
    archive_entry_copy_pathname(e, entry.name.c_str());

    struct stat st {};
    if (!entry.folder && ::lstat(entry.name.c_str(), &st) == 0) {
      bool write = true;
      if (mode == OverwriteMode::Never) {
        write = false;
      } else if (mode == OverwriteMode::Ask && options.askOverwrite) {
        switch (options.askOverwrite((fs::path(options.folder) / entry.name).string())) {
          case OverwriteAnswer::Yes: break;
          case OverwriteAnswer::No: write = false; break;
          case OverwriteAnswer::YesToAll: mode = OverwriteMode::Always; break;
          case OverwriteAnswer::NoToAll: mode = OverwriteMode::Never; write = false; break;
        }
      }
      if (!write) {
        done += entry.size;
        continue;  // the reader skips the data at the next header
      }
    }

    if (archive_write_header(disk.get(), e) < ARCHIVE_WARN) {
      result.error = "\"" + entry.name + "\" cannot be written: " + archiveError(disk.get(), "write error");
      return result;
    }
    const void* block;
    size_t size;
    la_int64_t offset;
    int d;
    while ((d = archive_read_data_block(a.get(), &block, &size, &offset)) == ARCHIVE_OK) {
      if (archive_write_data_block(disk.get(), block, size, offset) < ARCHIVE_OK) {
        result.error = "\"" + entry.name + "\" cannot be written: " + archiveError(disk.get(), "write error");
        return result;
      }
      done += size;
      if (options.progress && !options.progress(done, scan->totalBytes)) {
        archive_write_finish_entry(disk.get());
        result.status = ExtractStatus::Cancelled;
        return result;
      }
    }
    if (d != ARCHIVE_EOF) {
      if (entry.encrypted && isPasswordError(a.get())) {
        result.status = ExtractStatus::WrongPassword;
        result.error = "the password is not correct";
      } else {
        result.error = "\"" + entry.name + "\" is damaged: " + archiveError(a.get(), "unreadable data");
      }
      archive_write_finish_entry(disk.get());
      // What was written of the entry is not a file the user should find.
      if (!entry.folder) ::unlink(entry.name.c_str());
      return result;
    }
    if (archive_write_finish_entry(disk.get()) < ARCHIVE_WARN) {
      result.error = "\"" + entry.name + "\" cannot be written: " + archiveError(disk.get(), "write error");
      return result;
    }
    if (!entry.folder) ++result.filesWritten;
  }
  if (options.progress) options.progress(scan->totalBytes, scan->totalBytes);
  result.status = ExtractStatus::Done;
  return result;
}

}  // namespace tavo::sfx
