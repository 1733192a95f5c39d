#include "creator/logic/TickerTextRules.h"

#include "common/PresentationPath.h"
#include "format/TickerText.h"

namespace tavo::creator {

TickerTextMode tickerTextMode(std::string_view fileName) {
  TickerTextMode m;
  m.streamingAd = fileName == kStreamingAdFileName;
  if (m.streamingAd) {
    m.captionPrefix = "Streaming Ad Text - ";
    m.topInstruction =
        "Enter the text and links that you want to appear in the streaming ad at the top of the ticker.  Open a "
        "text file that you already created by clicking 'Open'.";
  } else {
    m.captionPrefix = "Tavo Player Ticker Text - ";
    m.topInstruction =
        "Enter the text and links that will appear while the Tavo Player is idling on the selected content "
        "provider.  'Idling' is when the playlist is not running.  Open a text file that you already created by "
        "clicking 'Open'";
    m.secondInstruction = "Use the 'Save As' button to save a text file that you can assign to a button in Step 8.";
  }
  return m;
}

bool tickerCellAccepts(std::string_view text) { return text.find(kTickerFieldSeparator) == std::string_view::npos; }

NameCheck checkTickerSaveAs(std::string_view answer, const std::string& libraryFolder) {
  // No current name counts as "the same": the library copy is another file than the provider's.
  NameCheck c = checkSaveAsName(answer, "text file", "", libraryFolder, true);
  if (c.verdict == NameVerdict::ExistsAskOverwrite && folderExistsIn(libraryFolder, c.name)) {
    c.verdict = NameVerdict::Exists;  // a folder cannot be replaced by a text file
    c.message = "A folder by that name already exists";
  }
  return c;
}

}  // namespace tavo::creator
