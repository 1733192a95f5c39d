#pragma once
// A temporary folder for one test, removed with the object, and helpers that
// build fixture files in it.

#include <string>
#include <string_view>

namespace tavo::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, with a trailing "/".
  const std::string& path() const { return path_; }
  // path() + relative.
  std::string operator/(std::string_view relative) const { return path_ + std::string(relative); }

  // Writes a file (creating its folders); returns its full path.
  std::string write(std::string_view relative, std::string_view bytes) const;
  // Creates a folder (and its parents); returns its full path with a trailing "/".
  std::string mkdir(std::string_view relative) const;

 private:
  std::string path_;
};

// The bytes of a file, or "<missing>".
std::string readFile(const std::string& path);

}  // namespace tavo::test
