#pragma once
// Text, field and path helpers shared by both programs.
//
// Presentation files are single-byte text, so every function here works on
// bytes (std::string / std::string_view). Positions and field numbers count
// from 1, as the file formats do. Nothing here trims, quotes or escapes unless
// its description says so: the file readers rely on exact field boundaries.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

// ---- text -------------------------------------------------------------------

int minInt(int a, int b);
int maxInt(int a, int b);

// The text from `position` (1-based) to the end; positions below 1 count as 1.
std::string copyFrom(std::string_view text, int position);
// Removes the last character of a non-empty text.
std::string dropLastChar(std::string_view text);
// Removes the last character when it is `c`.
std::string dropLastCharIf(std::string_view text, char c);
// Removes every `c`.
std::string removeChar(std::string_view text, char c);
// Removes `c` from both ends, repeatedly.
std::string trimChar(std::string_view text, char c);
// Keeps only the characters with codes above 31.
std::string removeControlChars(std::string_view text);
// Writes every `c` twice (captions show "&&" as one "&").
std::string doubleChar(std::string_view text, char c);
// Writes a `c` that directly follows another `c` only once ("&&" -> "&").
std::string undoubleChar(std::string_view text, char c);
// Shrinks every run of consecutive `c` to a single `c` ("a&&&b" -> "a&b").
std::string collapseRuns(std::string_view text, char c);
// The last character as a one-character text, or empty.
std::string lastChar(std::string_view text);
// Appends `c` unless the text already ends with it; an empty text gets `c`.
std::string appendCharIfMissing(std::string_view text, char c);
// Title form: lower case, with the first character and every character after
// a blank, "-" or "." in upper case ("content provider" -> "Content Provider").
std::string capitalizeWords(std::string_view text);
// Blanks, tabs, CR and LF removed from both ends.
std::string trimBlanks(std::string_view text);
// Lower case of ASCII and of the single-byte Western European letters.
std::string toLowerAnsi(std::string_view text);
char toLowerAnsi(char c);
// Compares two texts without regard to letter case (see toLowerAnsi).
bool equalsIgnoreCase(std::string_view a, std::string_view b);
// True when `text` begins with `prefix`, compared without regard to case.
bool startsWithIgnoreCase(std::string_view text, std::string_view prefix);
// "Yes" or "No".
std::string yesNoText(bool flag);
// The current time of day in whole seconds.
int secondsSinceMidnight();
// The short (8.3) form of a path. Linux file systems have none: the path is returned unchanged.
std::string shortPathName(std::string_view path);

// ---- fields -----------------------------------------------------------------
// A value holds fields separated by one character; field 1 is the text before
// the first separator, the last field runs to the end, a missing field is empty.

std::string getField(std::string_view text, int n, char c);
// Counted from the end: 1 = the text after the last separator.
std::string getFieldFromEnd(std::string_view text, int n, char c);
// Fields separated by either of two characters (whole INI lines: "=" and "|").
std::string getField2(std::string_view text, int n, char c1, char c2);
// 0 for an empty text, else the number of separators + 1.
int fieldCount(std::string_view text, char c);
// Replaces field n when the text has at least n fields; otherwise returns the text unchanged.
std::string setField(std::string_view text, int n, char c, std::string_view value);
// The text after the last `c`, or the whole text when there is none.
std::string afterLast(std::string_view text, char c);

// ---- paths and folders ------------------------------------------------------
// Folder texts end in the native separator "/". Names read from presentation
// files may use "\" (they may come from Windows); the path helpers accept both.

constexpr char kPathSeparator = '/';

// The text between the last separator ("/", "\" or ":") and the first "." after it;
// the whole path when it holds no ".".
std::string baseName(std::string_view path);
// The first three characters when the path begins with a letter, ":" and "\"; else empty.
std::string driveRoot(std::string_view path);
// `folder` with exactly one trailing "/" (an empty folder stays empty).
std::string withTrailingSeparator(std::string_view folder);
// `path` without trailing separators ("/" itself stays).
std::string withoutTrailingSeparator(std::string_view path);
// The last name of a path, ignoring trailing separators.
std::string lastPathName(std::string_view path);
// The folder part of a path, with a trailing separator; empty when there is none.
std::string folderOf(std::string_view path);
// Total size in bytes of all files below the folder, recursively; 0 when unreadable.
std::uint64_t folderSize(const std::string& folder);
// Adds the names of the folder's direct sub-folders (real folders, not links to
// them), in directory listing order. An unreadable folder adds nothing.
// Directory listing order, wherever the programs use it, is alphabetical
// without regard to case (the order Windows lists its folders in), so that it
// is the same on every machine: see sortNamesAsListed.
void listSubfolders(const std::string& folder, std::vector<std::string>& list);
void sortNamesAsListed(std::vector<std::string>& names);
// The sub-folders whose names do not begin with ".", sorted: what a folder
// choice list shows.
std::vector<std::string> listVisibleSubfoldersSorted(const std::string& folder);
// Sets or clears the read-only state of every file (not folder) matching the
// mask, a folder plus a file pattern with "*" and "?". Returns the number changed.
int setReadOnly(const std::string& mask, bool on);
// True when `name` matches the pattern ("*" any run, "?" one character), case ignored.
bool wildcardMatch(std::string_view pattern, std::string_view name);

}  // namespace tavo
