#pragma once
// The configuration block of a self-extracting file: the bytes between the
// extractor program and the zip archive that tell the extractor what to show,
// where to extract and what to start afterwards.
//
// Layout (integers little-endian):
//   0  2  "MP"          signature
//   2  1  "U"
//   3  1  flags          (see SfxFlag)
//   4  1  length of the window caption
//   5  1  length of the default extraction path
//   6  1  length of the command line
//   7  2  length of the user message
//   9  1  length of the user message's title
//   10 n  the five texts in that order, bytes only, no terminators
//   10+n 2 total length of the block (10 + n + 2)

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavo::sfx {

namespace SfxFlag {
inline constexpr std::uint8_t kUserMaySkipCommand = 0x01;  // the user may switch off the command line
inline constexpr std::uint8_t kUserMayPickEntries = 0x02;  // the user may choose which entries to extract
inline constexpr std::uint8_t kOverwriteFixed = 0x04;      // the user may not change the overwrite mode
inline constexpr std::uint8_t kOverwriteMask = 0x18;
inline constexpr std::uint8_t kOverwriteAsk = 0x00;
inline constexpr std::uint8_t kOverwriteAlways = 0x08;
inline constexpr std::uint8_t kOverwriteNever = 0x10;
inline constexpr std::uint8_t kNoFolderQuestion = 0x40;  // extract to the default path without asking
}  // namespace SfxFlag

// The token that stands for the extraction folder in the default path and the command line.
inline constexpr std::string_view kFolderToken = "><";

enum class OverwriteMode { Ask, Always, Never };
OverwriteMode overwriteModeOf(std::uint8_t flags);

struct SfxConfig {
  std::uint8_t flags = 0;
  std::string caption;
  std::string defaultPath;
  std::string commandLine;
  std::string message;
  std::string title;

  bool operator==(const SfxConfig&) const = default;
};

// The texts of the block, for naming the one that does not fit.
enum class SfxText { Caption, DefaultPath, CommandLine, Message, Title };
std::size_t sfxTextLimit(SfxText text);  // 255, or 65,535 for the message

struct SfxTextTooLong {
  SfxText text;
  std::size_t length = 0;
  std::size_t limit = 0;
};

// The first text (in block order) longer than its length field can say, if
// any. The block's two-byte total counts too: when all texts together do not
// fit it, the message is the one too long, its limit what the others leave.
std::optional<SfxTextTooLong> findTextTooLong(const SfxConfig& config);

inline constexpr std::size_t kBlockFixedBytes = 12;  // header and total, without the texts

// The block's bytes, or nothing when a text is too long (see findTextTooLong).
std::optional<std::string> encodeSfxBlock(const SfxConfig& config);

// Reads a block that fills `bytes` exactly. Nothing when the signature, a
// length or the total does not match; `error` then says which.
std::optional<SfxConfig> decodeSfxBlock(std::string_view bytes, std::string* error = nullptr);

}  // namespace tavo::sfx
