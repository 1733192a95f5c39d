#include "format/TextFile.h"

#include <sys/stat.h>

#include <cerrno>

#include "common/PresentationPath.h"
#include "common/QxMisc.h"

namespace tavo {

FileBytes readPresentationFile(const std::string& path) {
  FileBytes result;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    result.state = (errno == ENOENT || errno == ENOTDIR) ? FileState::Missing : FileState::Unreadable;
    return result;
  }
  if (!S_ISREG(st.st_mode) || static_cast<std::uint64_t>(st.st_size) > kMaxPresentationFileBytes) {
    result.state = FileState::Unreadable;
    return result;
  }
  auto bytes = readFileBytes(path);
  if (!bytes || bytes->size() > kMaxPresentationFileBytes) {
    result.state = FileState::Unreadable;
    return result;
  }
  result.state = FileState::Read;
  result.bytes = std::move(*bytes);
  return result;
}

std::size_t lineCountBound(std::string_view text) {
  std::size_t n = 1;
  for (char c : text) n += (c == '\n') | (c == '\r');
  return n;
}

std::string fileOnDisk(const std::string& path) {
  const std::string folder = folderOf(path);
  if (folder.empty()) return path;
  return resolveName(folder, lastPathName(path));
}

void appendCrLfLine(std::string& out, std::string_view line) {
  const std::size_t start = out.size();
  out.append(line);
  for (std::size_t i = start; i < out.size(); ++i)
    if (out[i] == '\r' || out[i] == '\n') out[i] = ' ';
  out += "\r\n";
}

}  // namespace tavo
