#pragma once
// Reading a self-extracting file: where its configuration block and its zip
// archive are, what the archive holds, and extracting it safely.
//
// The extractor program does not need to know its own size: the zip archive
// ends the file, and its end record says how long the archive is. The two
// bytes before the archive give the block's total length, and the block
// starts with its signature. Everything read is checked against the file's
// size, so a truncated or forged file gives an error, never a read outside it.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "sfx/package/ByteSource.h"
#include "sfx/package/SfxBlock.h"

namespace tavo::sfx {

struct SfxLayout {
  std::uint64_t blockOffset = 0;
  std::uint64_t archiveOffset = 0;
  std::uint64_t archiveSize = 0;
  SfxConfig config;
};

std::optional<SfxLayout> locateSfxPayload(const ByteSource& file, std::string* error = nullptr);

struct SfxEntry {
  std::string name;  // as stored, "/" separated
  std::uint64_t size = 0;
  bool folder = false;
  bool encrypted = false;
};

struct SfxScan {
  std::vector<SfxEntry> entries;
  std::uint64_t totalBytes = 0;
  bool encrypted = false;  // some entry needs the password
};

// True when `name` may be written inside the extraction folder: relative, no
// ".." part, no drive letter, no empty name.
bool isSafeEntryName(const std::string& name);

// Lists the archive's entries. Refused (nothing, with `error`) when an entry is
// a link or a device, has an unsafe name, or the archive cannot be read.
std::optional<SfxScan> scanSfxArchive(const ByteSource& file, const SfxLayout& layout, std::string* error = nullptr);

// True when `password` opens the first encrypted entry (always true when none is).
bool checkSfxPassword(const ByteSource& file, const SfxLayout& layout, const std::string& password);

enum class OverwriteAnswer { Yes, No, YesToAll, NoToAll };

struct ExtractOptions {
  std::string folder;  // the extraction folder; created when missing
  std::string password;
  OverwriteMode overwrite = OverwriteMode::Always;
  // Asked for each existing file in OverwriteMode::Ask; without it, files are overwritten.
  std::function<OverwriteAnswer(const std::string& path)> askOverwrite;
  // Bytes of file data written so far and in all; false cancels.
  std::function<bool(std::uint64_t done, std::uint64_t total)> progress;
};

enum class ExtractStatus { Done, Cancelled, WrongPassword, Failed };

struct ExtractResult {
  ExtractStatus status = ExtractStatus::Failed;
  std::string error;
  std::uint64_t filesWritten = 0;
};

// Extracts every entry below options.folder. Entries are checked first
// (scanSfxArchive), so an unsafe archive writes nothing.
ExtractResult extractSfxArchive(const ByteSource& file, const SfxLayout& layout, const ExtractOptions& options);

// Reads every entry's data without writing anything (for the fuzzer and for
// checking an archive): true when all of it decodes.
bool readAllSfxEntries(const ByteSource& file, const SfxLayout& layout, const std::string& password,
                       std::string* error = nullptr);

}  // namespace tavo::sfx
