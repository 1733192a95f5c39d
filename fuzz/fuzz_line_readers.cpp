// The line readers: ticker text (both forms), synchronized lines (both
// forms) and the "mm:ss" texts, with the editor's write-then-read round trips.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "format/Playlist.h"
#include "format/TickerText.h"
#include "format/TimeText.h"
#include "fuzz/FuzzCheck.h"

using namespace tavo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const auto shown = parseTickerText(bytes, ReadMode::Player);
  const auto rows = parseTickerText(bytes, ReadMode::Editor);
  FUZZ_CHECK(shown.size() <= rows.size() + 1);
  // The editor writes back what it read, less the rows with both cells empty.
  std::vector<TickerLine> kept;
  for (const auto& r : rows)
    if (!r.text.empty() || !r.hotlink.empty()) kept.push_back(r);
  FUZZ_CHECK(parseTickerText(formatTickerText(rows), ReadMode::Editor) == kept);

  for (const auto& line : parseSyncLines(bytes)) FUZZ_CHECK(line.seconds >= 0 && line.seconds <= 99 * 60 + 99);
  const auto syncRows = parseSyncRows(bytes);
  std::vector<SyncRow> written;
  for (const auto& r : syncRows)
    if (!r.text.empty()) written.push_back(r);
  FUZZ_CHECK(parseSyncRows(formatSyncLines(syncRows)) == written);

  const std::string_view head = bytes.substr(0, 5);
  const int ms = parseCycleInterval(head);
  FUZZ_CHECK(ms >= 1000 && ms <= (99 * 60 + 99) * 1000);
  if (const auto play = parsePlayTime(head)) FUZZ_CHECK(*play > 0);
  if (const auto sync = parseSyncTime(head); sync && *sync < 100 * 60)
    FUZZ_CHECK(parseSyncTime(formatMinutesSeconds(*sync)) == sync);
  return 0;
}
