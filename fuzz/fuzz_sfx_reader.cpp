// The self-extractor's reader: finding the block and the archive behind the
// program bytes, listing the entries, decoding them (with and without a
// password) and extracting into a scratch folder. Whatever the input, nothing
// may be written outside that folder.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "sfx/package/SfxReader.h"

namespace fs = std::filesystem;
using namespace tavo::sfx;

namespace {

const fs::path& scratch() {
  static const fs::path root = [] {
    fs::path p = fs::temp_directory_path() / ("tavo-fuzz-sfx-" + std::to_string(::getpid()));
    fs::create_directories(p);
    return p;
  }();
  return root;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  MemorySource file(bytes);
  std::string error;
  const auto layout = locateSfxPayload(file, &error);
  if (!layout) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  FUZZ_CHECK(layout->blockOffset < layout->archiveOffset && layout->archiveOffset <= size);
  FUZZ_CHECK(layout->archiveOffset + layout->archiveSize == size);
  // The block reads back to the same bytes it was read from.
  const auto block = encodeSfxBlock(layout->config);
  FUZZ_CHECK(block && *block == bytes.substr(layout->blockOffset, layout->archiveOffset - layout->blockOffset));

  const auto scan = scanSfxArchive(file, *layout, &error);
  if (!scan) return 0;
  for (const auto& entry : scan->entries) FUZZ_CHECK(isSafeEntryName(entry.name));
  readAllSfxEntries(file, *layout, {});
  readAllSfxEntries(file, *layout, "password");
  checkSfxPassword(file, *layout, "password");

  const fs::path out = scratch() / "out";
  ExtractOptions options;
  options.folder = out.string();
  options.overwrite = OverwriteMode::Always;
  extractSfxArchive(file, *layout, options);
  for (const auto& e : fs::directory_iterator(scratch())) FUZZ_CHECK(e.path() == out);
  fs::remove_all(out);
  return 0;
}
