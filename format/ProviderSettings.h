#pragma once
// "!Tavo.ini", the settings file of one content provider: sponsor graphics
// and links, ticker caption, streaming ad, viewing options chosen in the
// creator, browser choice, buttons, search engines and update downloads.
//
// The whole file is read in one pass (readProviderSettings); each group of
// keys can also be read from an already loaded ProfileFile. Every writer
// loads the file, changes its own keys or sections and saves it atomically.
// The file name is matched on disk without regard to case.
//
// Numbered keys. The creator numbers [Buttons] and [Search Links] keys by its
// grid rows, so numbers can have gaps. The player reads "Button1".."Button10"
// each on its own, and reads every "SearchName"/"SearchAction" number that is
// present (both values not empty) in ascending order, so a gap loses nothing;
// [Update Downloads] is read the same way. The creator reads both sections in
// file order instead, recognising keys by their first characters.

#include <string>
#include <string_view>
#include <vector>

#include "format/ProfileFile.h"
#include "format/ProjectFile.h"
#include "format/ReadMode.h"

namespace tavo::provider {

inline constexpr const char* kFileName = project::kProviderFileName;  // "!Tavo.ini"

inline constexpr const char* kSectionSponsorOptions = "Sponsor Options";
inline constexpr const char* kSectionViewingOptions = "Viewing Options";
inline constexpr const char* kSectionBrowserOptions = "Browser Options";
inline constexpr const char* kSectionButtons = "Buttons";
inline constexpr const char* kSectionSearchLinks = "Search Links";
inline constexpr const char* kSectionUpdateDownloads = "Update Downloads";

inline constexpr const char* kKeySponsorLogoImage = "Sponsor Logo Image";
inline constexpr const char* kKeySponsorLogoLink = "Sponsor Logo Link";
inline constexpr const char* kKeySponsorBoxImage = "Sponsor Box Image";
inline constexpr const char* kKeySponsorBoxLink = "Sponsor Box Link";
inline constexpr const char* kKeyCaptionText = "Caption Text";
inline constexpr const char* kKeyCaptionLink = "Caption Link";
inline constexpr const char* kKeyStreamingAdInterval = "Streaming Ad Interval";
inline constexpr const char* kKeyStreamingAdText = "Streaming Ad Text";
inline constexpr const char* kKeySoundPlayerGraphic = "Sound Player Graphic";
inline constexpr const char* kKeySoundPlayerGraphicLinkName = "Sound Player Graphic Link Name";
inline constexpr const char* kKeySoundPlayerGraphicLink = "Sound Player Graphic Link";

inline constexpr const char* kKeyTickerDataSpeed = "Ticker Data Speed";
inline constexpr const char* kKeyTickerPosition = "Ticker Position";
inline constexpr const char* kKeyTickerTextBold = "Ticker Text Bold";
inline constexpr const char* kKeyTickerTextSize = "Ticker Text Size";
inline constexpr const char* kKeyButtonBarLocation = "Button Bar Location";
inline constexpr const char* kKeyButtonBarTextBold = "Button Bar Text Bold";

inline constexpr const char* kKeyBrowser = "Browser";
inline constexpr const char* kKeyTickerLocation = "Ticker Location";

inline constexpr const char* kBrowserDefault = "Default";
inline constexpr const char* kBrowserTavo = "Tavo Browser";
inline constexpr const char* kDefaultLink = "http://www.";
inline constexpr const char* kDefaultStreamingAdInterval = "00:15";
inline constexpr int kMaxButtons = 10;

// The path of "!Tavo.ini" in a content provider folder, as it is on disk.
std::string settingsFilePath(const std::string& providerFolder);

// ---- [Sponsor Options] ----------------------------------------------------------
struct SponsorOptions {
  std::string logoImage;
  std::string logoLink;
  std::string boxImage;
  std::string boxLink;
  std::string captionText;
  std::string captionLink;
  std::string streamingAdInterval = kDefaultStreamingAdInterval;  // "mm:ss"
  std::string streamingAdText;  // file name of the streaming-ad text; empty: no streaming ad
  std::string soundPlayerGraphic;
  std::string soundPlayerGraphicLinkName;
  std::string soundPlayerGraphicLink;

  // The streaming-ad timer's interval (unusable text: 15 seconds).
  int streamingAdIntervalMs() const;
};
// Player: a missing key reads empty, the interval "00:15". Editor: the four
// link keys (logo, box, caption, sound player graphic) read "http://www." too.
SponsorOptions readSponsorOptions(const ProfileFile& file, ReadMode mode);

// ---- [Viewing Options] (the creator's; the player keeps its own) ----------------
enum class TickerTextSize { Small, Large, Jumbo };
struct ProviderViewingOptions {
  int tickerDataSpeed = 7;  // "1".."9"; a value that is not a number reads 7
  bool tickerAtTop = true;  // "Top"; anything but "top" (any case) is Bottom
  bool tickerTextBold = true;  // "On"; anything but "on" (any case) is Off
  TickerTextSize tickerTextSize = TickerTextSize::Large;  // "small", "large", anything else Jumbo
  bool buttonBarAtTop = true;
  bool buttonBarTextBold = false;
};
ProviderViewingOptions readViewingOptions(const ProfileFile& file);

// ---- [Browser Options] ----------------------------------------------------------
struct BrowserOptions {
  std::string browser = kBrowserDefault;  // as stored ("Default" when missing)
  std::string tickerLocation;
  // Player: empty, or exactly "Default", is the system browser; any other
  // value the player's own window. Editor: exactly "Tavo Browser" is the own
  // window, anything else Default.
  bool ownBrowser = false;
};
BrowserOptions readBrowserOptions(const ProfileFile& file, ReadMode mode);

// ---- [Buttons] and [Search Links] ----------------------------------------------
struct ButtonEntry {
  int number = 0;  // player: the key number (1..10); editor: the grid row (from 1)
  std::string caption;
  std::string action;
};
// Player: "Button" + n for n = 1..10, each on its own; a button whose caption
// is empty or missing is left out, the others get "Action" + n.
// Editor: the section's lines in file order; a key whose first six characters
// are "button" (any case) names the current row (a second name first moves to
// the next row); one beginning with "action" gives its action and moves on.
std::vector<ButtonEntry> readButtons(const ProfileFile& file, ReadMode mode);

struct SearchEntry {
  int number = 0;  // player: the key number; editor: the grid row (from 1)
  std::string name;
  std::string address;  // the player appends "=" and the search words
};
// Player: every number n with both "SearchName" + n and "SearchAction" + n not
// empty, in ascending order. Editor: lines in file order, recognised by their
// first ten characters "searchname" and "searchacti" (as for buttons).
std::vector<SearchEntry> readSearchLinks(const ProfileFile& file, ReadMode mode);

// ---- [Update Downloads] ---------------------------------------------------------
// The download addresses under the keys "1", "2", ..., every number present
// with a value, in ascending order.
std::vector<std::string> readUpdateDownloads(const ProfileFile& file);

// ---- the whole file -------------------------------------------------------------
struct ProviderSettings {
  SponsorOptions sponsor;
  ProviderViewingOptions viewing;
  BrowserOptions browser;
  std::vector<ButtonEntry> buttons;
  std::vector<SearchEntry> searchLinks;
  std::vector<std::string> updateDownloads;
};
// Reads "!Tavo.ini" once; a missing file gives every default.
ProviderSettings readProviderSettings(const std::string& providerFolder, ReadMode mode);

// ---- writers (false when the file cannot be written) ---------------------------
// The creator's ten [Sponsor Options] keys, in the order of the page; the
// "Streaming Ad Text" key is not the creator's and is left as it is.
bool writeSponsorOptions(const std::string& providerFolder, const SponsorOptions& options);
bool writeStreamingAdText(const std::string& providerFolder, std::string_view fileName);
// The six [Viewing Options] keys ("Top"/"Bottom", "On"/"Off", "Small"/"Large"/"Jumbo").
bool writeViewingOptions(const std::string& providerFolder, const ProviderViewingOptions& options);
// Step 4 saves both groups at once: viewing options first, then sponsor options.
bool writeAppearance(const std::string& providerFolder, const ProviderViewingOptions& viewing,
                     const SponsorOptions& sponsor);
// "Browser" ("Tavo Browser" or "Default") and "Ticker Location".
bool writeBrowserOptions(const std::string& providerFolder, bool ownBrowser, std::string_view tickerLocation);

// One row of the creator's button or search grid.
struct GridPair {
  std::string first;   // caption / engine name (not trimmed)
  std::string second;  // action / search address
};
// Erase the section, then write "Button" + r / "Action" + r for every row r
// (from 1) whose two cells are both not empty.
bool writeButtons(const std::string& providerFolder, const std::vector<GridPair>& rows);
// The same with "SearchName" + r / "SearchAction" + r.
bool writeSearchLinks(const std::string& providerFolder, const std::vector<GridPair>& rows);

}  // namespace tavo::provider
