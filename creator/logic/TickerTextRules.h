#pragma once
// The ticker text editor's rules: its two modes (idle ticker text and the
// streaming ad, told apart by the exact file name), the texts each mode
// shows, the Save As target inside the text library, and the cells' refusal
// of the field separator "|", which would move text into the hotlink when the
// file is read again.

#include <string>
#include <string_view>

#include "common/NameRules.h"

namespace tavo::creator {

struct TickerTextMode {
  bool streamingAd = false;
  std::string captionPrefix;  // followed by the file name when shown, the full path after Open or Save As
  std::string topInstruction;
  std::string secondInstruction;  // empty: hidden
};

// Streaming ad mode when `fileName` is exactly "Adstream.txt" (letter case counted).
TickerTextMode tickerTextMode(std::string_view fileName);

// What a cell holds: "|" cannot be typed into it.
inline constexpr char kTickerFieldSeparator = '|';
inline constexpr const char* kNoSeparatorHint =
    "\"|\" separates a ticker text from its hotlink, so a cell cannot hold it";
bool tickerCellAccepts(std::string_view text);

// The library file a Save As answer names, after the save-as rules (blank,
// forbidden characters, "." and "..", length; an existing file may be replaced
// after the question). `check.accepted()` or ExistsAskOverwrite tell the caller
// whether to go on; the path is libraryFolder + the trimmed answer.
NameCheck checkTickerSaveAs(std::string_view answer, const std::string& libraryFolder);

}  // namespace tavo::creator
