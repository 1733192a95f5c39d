#pragma once
// Random access to the bytes of a self-extracting file: the file itself, or a
// buffer in memory for tests and the fuzzer.

#include <cstdint>
#include <string>
#include <string_view>

namespace tavo::sfx {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::uint64_t size() const = 0;
  // Reads up to `n` bytes at `offset` into `out`; returns the number read
  // (0 at or past the end), or -1 on a read error.
  virtual long long read(std::uint64_t offset, void* out, std::size_t n) const = 0;
};

class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
  std::uint64_t size() const override { return bytes_.size(); }
  long long read(std::uint64_t offset, void* out, std::size_t n) const override;

 private:
  std::string_view bytes_;
};

// A file opened for reading; ok() is false when it could not be opened.
class FileSource final : public ByteSource {
 public:
  explicit FileSource(const std::string& path);
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  bool ok() const { return fd_ >= 0; }
  std::uint64_t size() const override { return size_; }
  long long read(std::uint64_t offset, void* out, std::size_t n) const override;

 private:
  int fd_ = -1;
  std::uint64_t size_ = 0;
};

}  // namespace tavo::sfx
