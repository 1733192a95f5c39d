#pragma once
// The self-extracting file of a presentation: the extractor program, its
// configuration block, then the zip archive, written under a temporary name
// beside the target and renamed over it only when complete.

#include <optional>
#include <string>

#include "sfx/package/ArchiveWriter.h"
#include "sfx/package/SfxBlock.h"

namespace tavo::sfx {

// Where a work area (the creator's folder) keeps what the EXE route packs.
// The extractor: <creator folder>ZipSFX32.bin, else <creator folder>FileSet/ZipSFX32.bin
// (where the creator brings the files shipped with it). The player:
// <creator folder>FileSet/TavoPlayer.exe, else FileSet/TavoPlayer (the Linux
// program's plain name). When neither exists, the first name, so that the
// error names the file the user should provide.
inline constexpr const char* kStubFileName = "ZipSFX32.bin";
std::string stubFileIn(const std::string& creatorFolder);
std::string playerFileIn(const std::string& creatorFolder);

// The publisher's choices on the EXE page.
struct ExeChoices {
  std::string presentationName;
  bool userCanBrowse = false;    // "Allow user to choose install path"
  bool passwordRequired = false;  // "Password required to extract and play files"
  std::string password;
  bool showInfo = false;          // "Show user message before extracting"
  std::string infoTitle;
  std::string infoText;           // lines joined by CR LF
};

// The block the publisher writes: the overwrite mode fixed to "always", the
// folder question only when the user may choose the path (flags 0x0C, else
// 0x4C), caption the presentation name, default path "><", the command line
// that starts the player on the extracted presentation, and the message and
// title only when the message is to be shown.
SfxConfig publisherBlock(const ExeChoices& choices);
// The archive's password: the typed one when a password is required, else none.
std::string archivePassword(const ExeChoices& choices);

// The user's name for a text of the block and the message refusing it, e.g.
// "The User Message is 70000 bytes long; a self-extracting file holds at most 65535 bytes."
std::string describeText(SfxText text);
std::string textTooLongMessage(const SfxTextTooLong& tooLong);

struct ExeBuildRequest {
  std::string stubFile;
  std::string playerFile;  // empty: the player is not included
  std::string presentationFolder;
  std::string presentationName;
  std::string password;  // empty: no encryption
  SfxConfig block;
  std::string outputFile;
};

// Writes the file. A text too long for the block, a missing stub or player, a
// write error or a cancel leaves any existing output file as it was.
BuildResult buildSelfExtractor(const ExeBuildRequest& request, const BuildProgress& progress = {});

}  // namespace tavo::sfx
