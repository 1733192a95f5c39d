#include "sfx/package/ByteSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tavo::sfx {

long long MemorySource::read(std::uint64_t offset, void* out, std::size_t n) const {
  if (offset >= bytes_.size()) return 0;
  const std::size_t count = std::min<std::uint64_t>(n, bytes_.size() - offset);
  std::memcpy(out, bytes_.data() + offset, count);
  return static_cast<long long>(count);
}

FileSource::FileSource(const std::string& path) {
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) return;
  struct stat st {};
  if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd_);
    fd_ = -1;
    return;
  }
  size_ = static_cast<std::uint64_t>(st.st_size);
}

FileSource::~FileSource() {
  if (fd_ >= 0) ::close(fd_);
}

long long FileSource::read(std::uint64_t offset, void* out, std::size_t n) const {
  if (fd_ < 0) return -1;
  if (offset >= size_) return 0;
  for (;;) {
    const ssize_t got = ::pread(fd_, out, n, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    return got;
  }
}

}  // namespace tavo::sfx
