#pragma once
// Reading presentation files as bytes, with the limits every reader shares.
//
// A presentation file larger than kMaxPresentationFileBytes is not a file the
// creator could have written; it is treated as unreadable, so that a stray or
// damaged huge file gives the reader's defaults instead of exhausting memory.
// Writers refuse to replace a file that exists but could not be read.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/FileText.h"

namespace tavo {

inline constexpr std::uint64_t kMaxPresentationFileBytes = std::uint64_t{256} << 20;  // 256 MiB

enum class FileState {
  Missing,     // no such file
  Read,        // read whole
  Unreadable,  // exists, but is not a regular file, cannot be opened or is too large
};

struct FileBytes {
  FileState state = FileState::Missing;
  std::string bytes;  // empty unless state is Read
};

FileBytes readPresentationFile(const std::string& path);

// `path` with its last name matched on disk without regard to case (the
// folder part is taken as given): "Ticker.Txt" finds "ticker.txt", and a
// writer updates the file that is there instead of adding a second one.
std::string fileOnDisk(const std::string& path);

// White space for the readers that stop where only white space is left.
inline bool isWhiteSpaceByte(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Calls fn for each line of `text` (split as forEachLine does) up to the last
// line that holds anything besides blanks, tabs and line ends: trailing blank
// lines give no calls, blank lines between others do.
template <typename Fn>
void forEachLineBeforeBlankEnd(std::string_view text, Fn&& fn) {
  std::size_t last = text.size();
  while (last > 0 && isWhiteSpaceByte(text[last - 1])) --last;
  if (last == 0) return;
  // Keep the rest of the line that holds the last visible byte.
  std::size_t cut = last;
  while (cut < text.size() && text[cut] != '\r' && text[cut] != '\n') ++cut;
  forEachLine(text.substr(0, cut), fn);
}

// Calls fn for each line of `text` but the empty lines at its end (lines
// with nothing but their line end); the editors' writers skip such rows, so
// reading them would only cost memory.
template <typename Fn>
void forEachLineBeforeEmptyEnd(std::string_view text, Fn&& fn) {
  std::size_t cut = text.size();
  while (cut > 0 && (text[cut - 1] == '\r' || text[cut - 1] == '\n')) --cut;
  forEachLine(text.substr(0, cut), fn);
}

// An upper bound of the number of lines of `text` (every line end counted,
// so CR LF counts twice).
std::size_t lineCountBound(std::string_view text);

// The most lines a line reader (ticker, synchronized and playlist texts) keeps
// from one file; the lines after them are not read. No one writes such a
// text, and a file of line ends within the size limit would otherwise make
// hundreds of millions of items, gigabytes of them.
inline constexpr std::size_t kMaxLinesKept = std::size_t{1} << 20;

// Reserves room in `lines` for the lines of `text` before a split: never more
// than the lines it can keep, and never more bytes than the text has, so that
// a file made of line ends does not ask for many times its size.
template <typename T>
void reserveLines(std::vector<T>& lines, std::string_view text) {
  lines.reserve(std::min({lineCountBound(text), kMaxLinesKept, text.size() / sizeof(T) + 1}));
}

// One line of a line file as it is written: line ends inside it become blanks
// (they would split it), then CR LF is appended.
void appendCrLfLine(std::string& out, std::string_view line);

}  // namespace tavo
