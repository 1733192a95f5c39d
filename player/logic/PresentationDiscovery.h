#pragma once
// How the player finds the presentations it shows and turns their content
// providers into channels.
//
// Presentations, in this order of preference:
// 1. every command-line argument whose first four characters are "Path" (case
//    ignored) names one: the folder is the whole text after the first "="
//    ("Path=/media/cd/Harbour Town/", "Path=/srv/a=b/"). A relative folder counts from the
//    working folder; a folder that does not exist is not a presentation.
// 2. if there is none: every sub-folder of the program's own folder that
//    holds "Project.ini" (a published copy carries the player beside it);
// 3. if there is still none: the presentations recorded in the settings
//    store, with the one named by "ActiveProject" (else the first) active.
// Folders keep the letter case they have on disk; two folders that differ
// only in case count as the same one when steps 2 and 3 drop duplicates.
//
// Channels: the sub-folders holding "!Tavo.ini" of every presentation found,
// sorted by full path without regard to case when "SortSubscriber" is on,
// the current one being the last named "ActiveSubscriber" (else the first).

#include <string>
#include <vector>

#include "format/PlayerSettings.h"

namespace tavo::player {

struct FoundPresentations {
  std::vector<std::string> folders;  // each ending in "/"
  int activeIndex = 0;
};

// Empty `folders` means no presentation was found.
FoundPresentations findPresentations(const std::vector<std::string>& arguments, const std::string& programFolder,
                                     const std::string& workingFolder, const PlayerSettings& settings);

struct Channels {
  std::vector<std::string> folders;  // full paths, each ending in "/"
  std::vector<std::string> names;    // the folder names, same order
  int current = 0;
};

Channels loadChannels(const std::vector<std::string>& presentationFolders, const PlayerSettings& settings);

// The folder a "Path" argument names, or empty when the argument is not one.
std::string pathArgumentFolder(const std::string& argument);

}  // namespace tavo::player
