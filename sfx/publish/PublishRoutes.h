#pragma once
// The plain parts of the CD and network routes: the target folder as typed,
// the refusal of a target inside the presentation, and AutoRun.inf.

#include <string>

namespace tavo::sfx {

// The folder edit's text, trimmed, with one trailing separator ("\" or "/") removed.
std::string publishTarget(const std::string& typed);

// True when `target` is the presentation folder itself or lies below it, so
// that copying the presentation there would copy it into itself. Both are
// compared as absolute paths with links resolved as far as they exist.
bool targetInsidePresentation(const std::string& target, const std::string& presentationFolder);
std::string targetInsidePresentationMessage(const std::string& target);

// Writes OPEN and ICON of section "autorun" as "TavoPlayer.exe" into
// <target>/AutoRun.inf, keeping the file's other lines.
bool writeAutoRun(const std::string& target, std::string* error = nullptr);

}  // namespace tavo::sfx
