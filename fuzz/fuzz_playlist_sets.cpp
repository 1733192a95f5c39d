// The readers built on profile files: playlists, slideshow and thumbnail sets
// (with the input, after its first NUL, as the synchronized text file) and a
// content provider's settings, in both programs' forms.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "format/Playlist.h"
#include "format/ProviderSettings.h"
#include "format/SetFiles.h"
#include "fuzz/FuzzCheck.h"

using namespace tavo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t split = bytes.find('\0');
  const std::string_view ini = bytes.substr(0, split);
  const std::string_view sync = split == std::string_view::npos ? std::string_view() : bytes.substr(split + 1);
  const ProfileFile file = ProfileFile::parse(ini);

  const auto player = parsePlaylist(file, ReadMode::Player);
  const auto editor = parsePlaylist(file, ReadMode::Editor);
  FUZZ_CHECK(player.size() == editor.size());
  for (std::size_t i = 0; i < player.size(); ++i) {
    FUZZ_CHECK(player[i].options.has_value());
    FUZZ_CHECK(player[i].key == editor[i].key);
    (void)player[i].playSeconds();
    (void)isMediaFile(player[i].item);
    const std::string value = formatPlaylistOptions(*player[i].options);
    FUZZ_CHECK(parsePlaylistOptions(value) == *player[i].options);
  }

  const SlideshowSet shown = parseSlideshowSet(file, sync, ReadMode::Player);
  const SlideshowSet edited = parseSlideshowSet(file, sync, ReadMode::Editor);
  FUZZ_CHECK(shown.images.size() <= file.sectionEntries(kSectionImages).size());
  (void)shown.cycleIntervalMs();
  (void)edited.cycleIntervalMs();
  (void)parseThumbnailSet(file, ReadMode::Player);
  (void)parseThumbnailSet(file, ReadMode::Editor);

  for (const ReadMode mode : {ReadMode::Player, ReadMode::Editor}) {
    const auto buttons = provider::readButtons(file, mode);
    if (mode == ReadMode::Player) FUZZ_CHECK(buttons.size() <= 10);
    (void)provider::readSearchLinks(file, mode);
    (void)provider::readSponsorOptions(file, mode).streamingAdIntervalMs();
    (void)provider::readBrowserOptions(file, mode);
  }
  (void)provider::readViewingOptions(file);
  (void)provider::readUpdateDownloads(file);
  return 0;
}
