#pragma once
// The creator's slideshow and thumbnail libraries: the sets of a library, a
// set loaded for the editor and written back from it, the copy of a chosen
// file into a set, the link texts the thumbnail editor writes.
//
// Texts in memory are UTF-8; the set files hold single-byte text, converted
// here on the way in and out.

#include <functional>
#include <string>
#include <vector>

#include "format/SetFiles.h"

namespace tavo::creator {

enum class SetKind { Slideshow, Thumbnail };

// programFolder + "Custom/Slideshow/" or "Custom/Thumbnail/".
std::string libraryFolder(const std::string& programFolder, SetKind kind);
// The library's sets: plain sub-folders (no "." or ".."), sorted.
std::vector<std::string> setsIn(const std::string& libraryFolder);

// What the editor shows of a set: every row, the interval text, the sound
// file and (thumbnail sets) the title caption.
struct EditorSet {
  std::vector<SetImage> rows;
  std::string cycleInterval = kDefaultCycleInterval;
  std::string audioFile;
  std::string titleCaption;
};
EditorSet loadEditorSet(const std::string& setFolder, SetKind kind);
// False when a file of the set cannot be written.
bool saveEditorSet(const std::string& setFolder, SetKind kind, const EditorSet& set);

// ---- copying a chosen file into a set ----------------------------------------------

enum class CopyOutcome {
  Copied,        // the file is in the set folder now
  KeptExisting,  // the author chose to keep the set's file of that name
  Failed,        // nothing of that name is usable in the set folder
};
// `copy` is the page's import (with its overwrite question): `askOverwrite`
// passed to it records whether the author answered No.
struct CopyAttempt {
  std::string source;
  std::string folder;  // the set folder
  bool overwritePrompt = false;
};
CopyOutcome copyIntoSet(const CopyAttempt& attempt, const std::function<bool()>& askOverwrite,
                        const std::function<bool(const std::string& from, const std::string& to, bool overwritePrompt,
                                                 const std::function<bool()>& ask)>& copy);
// The file name a cell takes after the outcome; empty for a failure (the cell keeps its text).
std::string cellTextAfter(CopyOutcome outcome, const std::string& source);
// "Could not copy <file> into the set folder."
std::string copyFailedMessage(const std::string& source);

// ---- links ---------------------------------------------------------------------------

// The text a thumbnail's link cell takes for a link kind and a chosen target:
// "Subscriber " / "Slideshow " / "Thumbnail " + name, "TavoSetup" for kind 4;
// empty for a file kind (the caller writes the file name).
std::string linkText(int kind, const std::string& name);

// Whether two set folders hold different files (names without regard to case,
// contents byte for byte). A missing folder differs from any existing one.
bool setFoldersDiffer(const std::string& a, const std::string& b);

}  // namespace tavo::creator
