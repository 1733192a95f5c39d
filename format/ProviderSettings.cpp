#include "format/ProviderSettings.h"

#include <climits>

#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "format/TimeText.h"

namespace tavo::provider {

namespace {

bool isOn(std::string_view value) { return toLowerAnsi(value) == "on"; }
bool isTop(std::string_view value) { return toLowerAnsi(value) == "top"; }
const char* onOff(bool on) { return on ? "On" : "Off"; }
const char* topBottom(bool top) { return top ? "Top" : "Bottom"; }

const char* sizeText(TickerTextSize size) {
  switch (size) {
    case TickerTextSize::Small: return "Small";
    case TickerTextSize::Large: return "Large";
    case TickerTextSize::Jumbo: return "Jumbo";
  }
  return "Large";
}

// Grid pairs read in file order: a first-kind key names the current row (a
// second name in the same row first moves to the next row); a second-kind key
// gives the row's second value and moves to the next row.
std::vector<GridPair> readPairsInFileOrder(const ProfileFile& file, const char* section, std::string_view firstPrefix,
                                           std::string_view secondPrefix) {
  std::vector<GridPair> rows;
  bool rowOpen = false;  // the last row is the current one
  bool named = false;    // the current row has a first value
  for (const ProfileEntry& e : file.sectionEntries(section)) {
    const bool first = startsWithIgnoreCase(e.key, firstPrefix);
    const bool second = !first && startsWithIgnoreCase(e.key, secondPrefix);
    if (!first && !second) continue;
    if (!rowOpen || (first && named)) {
      rows.emplace_back();
      rowOpen = true;
      named = false;
    }
    if (first) {
      rows.back().first = e.value;
      named = true;
    } else {
      rows.back().second = e.value;
      rowOpen = false;
    }
  }
  return rows;
}

template <typename Edit>
bool editFile(const std::string& providerFolder, Edit&& edit) {
  const std::string path = settingsFilePath(providerFolder);
  ProfileFile file = ProfileFile::load(path);
  return edit(file) && file.save(path);
}

bool writeGridPairs(const std::string& providerFolder, const char* section, const char* firstPrefix,
                    const char* secondPrefix, const std::vector<GridPair>& rows) {
  std::vector<ProfileEntry> entries;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (rows[r].first.empty() || rows[r].second.empty()) continue;
    const std::string number = std::to_string(r + 1);
    entries.push_back({firstPrefix + number, rows[r].first});
    entries.push_back({secondPrefix + number, rows[r].second});
  }
  return editFile(providerFolder, [&](ProfileFile& file) { return file.rewriteSection(section, entries); });
}

std::vector<ProfileEntry> sponsorEntries(const SponsorOptions& o) {
  return {
      {kKeySponsorLogoImage, o.logoImage},
      {kKeySponsorLogoLink, o.logoLink},
      {kKeySponsorBoxImage, o.boxImage},
      {kKeySponsorBoxLink, o.boxLink},
      {kKeyCaptionText, o.captionText},
      {kKeyCaptionLink, o.captionLink},
      {kKeyStreamingAdInterval, o.streamingAdInterval},
      {kKeySoundPlayerGraphic, o.soundPlayerGraphic},
      {kKeySoundPlayerGraphicLinkName, o.soundPlayerGraphicLinkName},
      {kKeySoundPlayerGraphicLink, o.soundPlayerGraphicLink},
  };
}

std::vector<ProfileEntry> viewingEntries(const ProviderViewingOptions& o) {
  return {
      {kKeyTickerDataSpeed, std::to_string(o.tickerDataSpeed)},
      {kKeyTickerPosition, topBottom(o.tickerAtTop)},
      {kKeyTickerTextBold, onOff(o.tickerTextBold)},
      {kKeyTickerTextSize, sizeText(o.tickerTextSize)},
      {kKeyButtonBarLocation, topBottom(o.buttonBarAtTop)},
      {kKeyButtonBarTextBold, onOff(o.buttonBarTextBold)},
  };
}

}  // namespace

std::string settingsFilePath(const std::string& providerFolder) {
  return resolveName(withTrailingSeparator(providerFolder), kFileName);
}

int SponsorOptions::streamingAdIntervalMs() const { return parseCycleInterval(streamingAdInterval); }

SponsorOptions readSponsorOptions(const ProfileFile& file, ReadMode mode) {
  const std::string_view link = mode == ReadMode::Editor ? kDefaultLink : "";
  auto read = [&](const char* key, std::string_view fallback) {
    return file.readString(kSectionSponsorOptions, key, fallback);
  };
  SponsorOptions o;
  o.logoImage = read(kKeySponsorLogoImage, "");
  o.logoLink = read(kKeySponsorLogoLink, link);
  o.boxImage = read(kKeySponsorBoxImage, "");
  o.boxLink = read(kKeySponsorBoxLink, link);
  o.captionText = read(kKeyCaptionText, "");
  o.captionLink = read(kKeyCaptionLink, link);
  o.streamingAdInterval = read(kKeyStreamingAdInterval, kDefaultStreamingAdInterval);
  o.streamingAdText = read(kKeyStreamingAdText, "");
  o.soundPlayerGraphic = read(kKeySoundPlayerGraphic, "");
  o.soundPlayerGraphicLinkName = read(kKeySoundPlayerGraphicLinkName, "");
  o.soundPlayerGraphicLink = read(kKeySoundPlayerGraphicLink, link);
  return o;
}

ProviderViewingOptions readViewingOptions(const ProfileFile& file) {
  auto read = [&](const char* key, std::string_view fallback) {
    return file.readString(kSectionViewingOptions, key, fallback);
  };
  ProviderViewingOptions o;
  const std::int64_t speed = file.readInteger(kSectionViewingOptions, kKeyTickerDataSpeed, 7);
  o.tickerDataSpeed = speed < INT_MIN || speed > INT_MAX ? 7 : static_cast<int>(speed);
  o.tickerAtTop = isTop(read(kKeyTickerPosition, "Top"));
  o.tickerTextBold = isOn(read(kKeyTickerTextBold, "On"));
  const std::string size = toLowerAnsi(read(kKeyTickerTextSize, "Large"));
  o.tickerTextSize = size == "small" ? TickerTextSize::Small
                     : size == "large" ? TickerTextSize::Large
                                       : TickerTextSize::Jumbo;
  o.buttonBarAtTop = isTop(read(kKeyButtonBarLocation, "Top"));
  o.buttonBarTextBold = isOn(read(kKeyButtonBarTextBold, "Off"));
  return o;
}

BrowserOptions readBrowserOptions(const ProfileFile& file, ReadMode mode) {
  BrowserOptions o;
  o.browser = file.readString(kSectionBrowserOptions, kKeyBrowser, kBrowserDefault);
  o.tickerLocation = file.readString(kSectionBrowserOptions, kKeyTickerLocation, "");
  if (mode == ReadMode::Player)
    o.ownBrowser = !o.browser.empty() && o.browser != kBrowserDefault;
  else
    o.ownBrowser = o.browser == kBrowserTavo;
  return o;
}

std::vector<ButtonEntry> readButtons(const ProfileFile& file, ReadMode mode) {
  std::vector<ButtonEntry> buttons;
  if (mode == ReadMode::Player) {
    for (int n = 1; n <= kMaxButtons; ++n) {
      const std::string number = std::to_string(n);
      std::string caption = file.readString(kSectionButtons, "Button" + number, "");
      if (caption.empty()) continue;
      buttons.push_back({n, std::move(caption), file.readString(kSectionButtons, "Action" + number, "")});
    }
    return buttons;
  }
  int row = 0;
  for (auto& pair : readPairsInFileOrder(file, kSectionButtons, "button", "action"))
    buttons.push_back({++row, std::move(pair.first), std::move(pair.second)});
  return buttons;
}

std::vector<SearchEntry> readSearchLinks(const ProfileFile& file, ReadMode mode) {
  std::vector<SearchEntry> engines;
  if (mode == ReadMode::Player) {
    for (auto& name : file.numberedValues(kSectionSearchLinks, "SearchName")) {
      std::string address = file.readString(kSectionSearchLinks, "SearchAction" + std::to_string(name.number), "");
      if (address.empty()) continue;
      engines.push_back({name.number, std::move(name.value), std::move(address)});
    }
    return engines;
  }
  int row = 0;
  for (auto& pair : readPairsInFileOrder(file, kSectionSearchLinks, "searchname", "searchacti"))
    engines.push_back({++row, std::move(pair.first), std::move(pair.second)});
  return engines;
}

std::vector<std::string> readUpdateDownloads(const ProfileFile& file) {
  std::vector<std::string> addresses;
  for (auto& v : file.numberedValues(kSectionUpdateDownloads, "")) addresses.push_back(std::move(v.value));
  return addresses;
}

ProviderSettings readProviderSettings(const std::string& providerFolder, ReadMode mode) {
  const ProfileFile file = ProfileFile::load(settingsFilePath(providerFolder));
  ProviderSettings s;
  s.sponsor = readSponsorOptions(file, mode);
  s.viewing = readViewingOptions(file);
  s.browser = readBrowserOptions(file, mode);
  s.buttons = readButtons(file, mode);
  s.searchLinks = readSearchLinks(file, mode);
  s.updateDownloads = readUpdateDownloads(file);
  return s;
}

bool writeSponsorOptions(const std::string& providerFolder, const SponsorOptions& options) {
  return editFile(providerFolder,
                  [&](ProfileFile& file) { return file.writeStrings(kSectionSponsorOptions, sponsorEntries(options)); });
}

bool writeStreamingAdText(const std::string& providerFolder, std::string_view fileName) {
  return editFile(providerFolder,
                  [&](ProfileFile& file) { return file.writeString(kSectionSponsorOptions, kKeyStreamingAdText, fileName); });
}

bool writeViewingOptions(const std::string& providerFolder, const ProviderViewingOptions& options) {
  return editFile(providerFolder,
                  [&](ProfileFile& file) { return file.writeStrings(kSectionViewingOptions, viewingEntries(options)); });
}

bool writeAppearance(const std::string& providerFolder, const ProviderViewingOptions& viewing,
                     const SponsorOptions& sponsor) {
  return editFile(providerFolder, [&](ProfileFile& file) {
    return file.writeStrings(kSectionViewingOptions, viewingEntries(viewing)) &&
           file.writeStrings(kSectionSponsorOptions, sponsorEntries(sponsor));
  });
}

bool writeBrowserOptions(const std::string& providerFolder, bool ownBrowser, std::string_view tickerLocation) {
  return editFile(providerFolder, [&](ProfileFile& file) {
    return file.writeStrings(kSectionBrowserOptions, {{kKeyBrowser, ownBrowser ? kBrowserTavo : kBrowserDefault},
                                                      {kKeyTickerLocation, std::string(tickerLocation)}});
  });
}

bool writeButtons(const std::string& providerFolder, const std::vector<GridPair>& rows) {
  return writeGridPairs(providerFolder, kSectionButtons, "Button", "Action", rows);
}

bool writeSearchLinks(const std::string& providerFolder, const std::vector<GridPair>& rows) {
  return writeGridPairs(providerFolder, kSectionSearchLinks, "SearchName", "SearchAction", rows);
}

}  // namespace tavo::provider
