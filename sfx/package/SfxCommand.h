#pragma once
// What the extractor does with the block's texts: the folder it proposes and
// the program it starts afterwards.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavo::sfx {

// The folder proposed for extraction. "><" in `defaultPath` stands for a
// folder under `home` named after the caption (made safe as one folder name;
// "Presentation" when nothing is left of it); a relative result counts from
// `home`. The result is absolute and lexically normal, without a trailing "/".
std::string defaultExtractFolder(std::string_view defaultPath, std::string_view caption, const std::string& home);

// The caption as the name of one folder: separators and control characters
// become "_", "." and ".." and an empty name give "Presentation".
std::string safeFolderName(std::string_view caption);

struct SfxCommand {
  std::string program;
  std::vector<std::string> arguments;
};

// Splits a command's argument text as a Windows program does: blanks separate
// arguments, double quotes group blanks into one and are removed, and the
// two-character sequence \" is a literal quote.
std::vector<std::string> splitArguments(std::string_view text);

// The program and arguments of a command line "program|arguments", with "><"
// replaced by the extraction folder plus "/". The program part is one path
// (blanks belong to it); the arguments are split by splitArguments. Nothing for an empty command,
// or when the program would not lie inside the extraction folder: the
// extractor starts only what it has just unpacked.
std::optional<SfxCommand> expandSfxCommand(std::string_view commandLine, const std::string& folder);

}  // namespace tavo::sfx
