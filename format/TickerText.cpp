#include "format/TickerText.h"

#include "common/FileText.h"
#include "common/QxMisc.h"
#include "format/TextFile.h"

namespace tavo {

namespace {

TickerLine splitTickerLine(std::string_view line) { return {getField(line, 1, '|'), getField(line, 2, '|')}; }

}  // namespace

std::vector<TickerLine> parseTickerText(std::string_view bytes, ReadMode mode) {
  std::vector<TickerLine> lines;
  reserveLines(lines, bytes);
  auto add = [&](std::string_view line) {
    if (lines.size() < kMaxLinesKept) lines.push_back(splitTickerLine(line));
  };
  if (mode == ReadMode::Player)
    forEachLineBeforeBlankEnd(bytes, add);
  else
    forEachLineBeforeEmptyEnd(bytes, add);
  return lines;
}

std::vector<TickerLine> readTickerText(const std::string& path, ReadMode mode) {
  const FileBytes file = readPresentationFile(fileOnDisk(path));
  return parseTickerText(file.bytes, mode);
}

std::string formatTickerText(const std::vector<TickerLine>& rows) {
  std::string out;
  for (const TickerLine& row : rows) {
    if (row.text.empty() && row.hotlink.empty()) continue;
    appendCrLfLine(out, row.text + "|" + row.hotlink);
  }
  return out;
}

bool writeTickerText(const std::string& path, const std::vector<TickerLine>& rows, std::string* error) {
  return writeFileAtomic(fileOnDisk(path), formatTickerText(rows), error);
}

}  // namespace tavo
