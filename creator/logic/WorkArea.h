#pragma once
// The creator's work area: the folder that holds "Projects", "FileSet", "Help"
// and "Custom" with its libraries, and the settings file "TavoCreator.ini".

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tavo::creator {

// The nine sub-folders, in the order they are created (parents first).
inline constexpr std::array<std::string_view, 9> kWorkAreaFolders = {
    "Projects",          "FileSet",          "Help",          "Custom",           "Custom/Slideshow",
    "Custom/Thumbnail", "Custom/Text Files", "Custom/Playlist", "Custom/TavoContent"};

struct WorkAreaInputs {
  std::string creatorHome;    // TAVO_CREATOR_HOME, empty when not set
  std::string programFolder;  // the folder of the running program
  std::string xdgDataHome;    // XDG_DATA_HOME, empty when not set
  std::string home;           // HOME
};

// Where the work area is: TAVO_CREATOR_HOME when set; else the program's own
// folder when it holds "Projects" and is writable (a portable copy); else
// $XDG_DATA_HOME/TavoCreator (with ~/.local/share for an unset XDG_DATA_HOME).
// Always with a trailing "/".
std::string resolveWorkArea(const WorkAreaInputs& in);

// Creates each missing sub-folder of the work area in order. Failures are not
// reported here: the operation that later needs the folder fails visibly.
// Returns the folders created.
std::vector<std::string> createWorkAreaFolders(const std::string& workArea);

// Copies every file of `source` (recursively) into `target` that `target`
// lacks, or whose copy there is older than the source. Used at start to bring
// the shipped help pages and the player from the program's data into the work
// area. Returns the number of files copied; errors leave the file out.
int provisionFiles(const std::string& source, const std::string& target);

}  // namespace tavo::creator
