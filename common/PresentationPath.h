#pragma once
// Names stored in presentation files ("Ticker.Txt", "SlideShow.ini", "pics\Beach.jpg")
// are matched against the disk without regard to letter case, and may use "\"
// as separator because presentations are also written on Windows. Every lookup
// of such a name goes through these functions.

#include <optional>
#include <string>
#include <string_view>

namespace tavo {

// The path on disk for `storedName` inside `folder`: each part of the name is
// taken as it is when it exists, else as the first entry of its folder whose
// name matches without regard to case. Parts that match nothing are kept as
// written, so the result then names a missing entry. Stored names are file
// text (see TextEncoding.h) and are converted to the file system's UTF-8.
std::string resolveName(const std::string& folder, std::string_view storedName);

// resolveName for a name read from a presentation file, kept inside `root` (the
// presentation folder, which holds `folder`). Gives nullopt, as for a missing
// entry, when the name is absolute ("/etc/x", "\\server\x", "C:\x") or when its
// ".." parts or a symbolic link on the way lead out of `root`. Names that step
// into a sibling folder ("..\Other Channel\menu.pdf") stay valid.
std::optional<std::string> resolveInside(const std::string& root, const std::string& folder,
                                         std::string_view storedName);

// True when `storedName` names an existing file (not a folder) inside `folder`.
bool fileExistsIn(const std::string& folder, std::string_view storedName);
// True when `storedName` names an existing folder inside `folder`.
bool folderExistsIn(const std::string& folder, std::string_view storedName);

// Plain existence tests on a full path, without case matching.
bool isFile(const std::string& path);
bool isFolder(const std::string& path);

}  // namespace tavo
