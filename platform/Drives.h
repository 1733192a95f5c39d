#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tavo::platform {

class Drives {
 public:
  virtual ~Drives() = default;
  // True when the path lies on a CD-ROM or DVD: a mount of type iso9660 or udf.
  virtual bool isCdRom(const QString& path) const = 0;
};

// The file system type of the mount that holds `path`, read from the text of
// /proc/self/mountinfo (the longest mount point that is a prefix of the path);
// empty when none matches.
std::string fileSystemTypeOf(std::string_view path, std::string_view mountInfo);

}  // namespace tavo::platform
