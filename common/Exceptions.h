#pragma once
// Exceptions the shared library raises to its callers.
//
//   try { grid.loadFromFile(path); } catch (const FileError& e) { showError(e.what()); }

#include <exception>
#include <stdexcept>

namespace tavo {

// A cancelled operation: whoever catches it shows nothing. A handler raises it
// to stop the operation it was called from (TQxGrid's BeforeDelete).
class SilentAbort : public std::exception {
 public:
  const char* what() const noexcept override { return "Operation aborted"; }
};

// A file could not be opened, read or written; what() names the file and the reason.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace tavo
