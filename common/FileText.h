#pragma once
// Whole-file reads and atomic whole-file writes.

#include <optional>
#include <string>
#include <string_view>

namespace tavo {

// The bytes of a file, or nothing when it cannot be opened or is not a regular file.
std::optional<std::string> readFileBytes(const std::string& path);

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`, so that readers see either the old or the new file,
// never half of one. Returns false (and leaves any old file untouched) on failure;
// `error`, when given, then receives the reason.
bool writeFileAtomic(const std::string& path, std::string_view bytes, std::string* error = nullptr);

// Splits text into lines at CR LF, LF or a lone CR. A final line end does not
// start another line; a final line without one is kept.
template <typename Fn>
void forEachLine(std::string_view text, Fn&& fn) {
  std::size_t start = 0;
  const std::size_t n = text.size();
  while (start < n) {
    std::size_t end = start;
    while (end < n && text[end] != '\n' && text[end] != '\r') ++end;
    fn(text.substr(start, end - start));
    if (end < n && text[end] == '\r' && end + 1 < n && text[end + 1] == '\n')
      start = end + 2;
    else
      start = end + 1;
  }
}

}  // namespace tavo
