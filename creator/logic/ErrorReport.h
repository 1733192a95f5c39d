#pragma once
// What the creator's error handler shows for an error that reached the event
// loop. The program goes on after every one of them.

#include <exception>
#include <functional>
#include <stdexcept>
#include <string>

#include "common/Exceptions.h"

namespace tavo::creator {

// Writing a file or stream failed ("Stream write error" when the system gave no reason).
class StreamWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
// Reading or opening a stream failed.
class StreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
// A "mm:ss" time field was left with an incomplete value; `resetField` sets
// the field's text.
class InvalidTimeInput : public std::runtime_error {
 public:
  explicit InvalidTimeInput(std::function<void(const std::string&)> resetField)
      : std::runtime_error("Invalid input value"), resetField_(std::move(resetField)) {}
  void reset(const std::string& text) const {
    if (resetField_) resetField_(text);
  }

 private:
  std::function<void(const std::string&)> resetField_;
};
// A cancelled operation: shows nothing. The one the shared grid raises too.
using SilentAbort = tavo::SilentAbort;

struct ErrorReport {
  enum class Box { None, Error, Warning };
  Box box = Box::Error;
  std::string text;
  // Set for an invalid time field: the text the field is reset to.
  std::string timeFieldReset;
};

inline constexpr const char* kOutOfMemoryText =
    "There is not enough memory to complete this operation.  Close other open programs and try again.  "
    "Restarting TavoCreator may also fix the problem.";
inline constexpr const char* kDiskFullText =
    "TavoCreator could not complete this operation.  You may have run out of disk space or memory.  Close "
    "other open programs and try again.  Freeing up disk space and restarting TavoCreator may also fix the "
    "problem.";

// The report for an error; an invalid time field is reset here.
ErrorReport reportFor(std::exception_ptr error);

}  // namespace tavo::creator
