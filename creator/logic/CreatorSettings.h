#pragma once
// "TavoCreator.ini" in the work area: the creator's own settings. Every write
// goes through the profile-file code, which replaces the file atomically.
// Texts are UTF-8 here and stored with the presentation files' encoding.

#include <stdexcept>
#include <string>

namespace tavo::creator {

// A settings or presentation file that could not be written.
class SettingsFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What the main window reads when it is first shown and writes at exit.
struct StartSettings {
  std::string curProject;            // General/CurProject, default empty
  bool playHelpWav = false;          // General/PlayHelpWav, default 0
  std::string screenPosition = "Bottom";  // General/ScreenPosition, default "Bottom"
};

// What every wizard page reads when created and writes when it closes.
struct PageSettings {
  std::string initialDir;        // General/InitialDir
  bool overwritePrompt = false;  // General/OverwritePrompt
};

// The grid report's font and margins (section Reports); each default is
// written back into the file when the key is missing or unusable.
struct ReportSettings {
  std::string fontName = "Arial";
  long fontSize = 9;
  long headerFontSize = 12;
  double leftMargin = 0.3;  // inches
  double topMargin = 0.5;   // inches
};

class CreatorSettings {
 public:
  explicit CreatorSettings(std::string path) : path_(std::move(path)) {}
  const std::string& path() const { return path_; }

  StartSettings readStart() const;
  // Writes CurProject, PlayHelpWav and ScreenPosition ("Top" when `atTop`, else "Bottom").
  void writeExit(const std::string& curProject, bool playHelpWav, bool atTop) const;

  PageSettings readPage() const;
  void writePage(const PageSettings& settings) const;

  // New Presentation forgets the sets last edited (Step2/CurSlideShow, Step3/CurThumbnail).
  void forgetCurrentSets() const;

  ReportSettings readReports() const;

 private:
  std::string path_;
};

// The bar goes to the top only for exactly "Top" (letter case counted).
bool isTopPosition(const std::string& screenPosition);

}  // namespace tavo::creator
