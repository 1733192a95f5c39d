#include "player/logic/PreferenceValues.h"

#include <algorithm>

namespace tavo::player {

namespace {
constexpr std::uint32_t kBlack = 0;
constexpr std::uint32_t kRed = 255;
constexpr std::uint32_t kLime = 65280;
constexpr std::uint32_t kYellow = 65535;
constexpr std::uint32_t kAqua = 16776960;
constexpr std::uint32_t kBlue = 16711680;
}  // namespace

SchemeColors schemeColors(ColorScheme scheme) {
  switch (scheme) {
    case ColorScheme::BlueOnBlack: return {{kAqua}, {kBlack}};
    case ColorScheme::RedOnBlack: return {{kRed}, {kBlack}};
    case ColorScheme::NeonOnBlack: return {{kLime}, {kBlack}};
    case ColorScheme::YellowOnBlack: return {{kYellow}, {kBlack}};
    case ColorScheme::YellowOnBlue: return {{kYellow}, {kBlue}};
  }
  return {{kLime}, {kBlack}};
}

ColorScheme schemeFromName(std::string_view name) {
  for (std::size_t i = 0; i < kColorSchemeNames.size(); ++i)
    if (name == kColorSchemeNames[i]) return static_cast<ColorScheme>(i);
  return ColorScheme::NeonOnBlack;
}

ColorScheme schemeFromColors(WinColor text, WinColor background) {
  switch (text.value) {
    case kRed: return ColorScheme::RedOnBlack;
    case kYellow: return background.value != 0 ? ColorScheme::YellowOnBlue : ColorScheme::YellowOnBlack;
    case kAqua: return ColorScheme::BlueOnBlack;
    default: return ColorScheme::NeonOnBlack;
  }
}

int textSizeIndex(std::string_view stored) {
  if (stored == "Small") return 0;
  if (stored == "Large") return 1;
  return 2;
}

int placeIndex(std::string_view stored) { return stored == "Top" ? 0 : 1; }

int displayMethodIndex(int stored) { return stored >= 1 && stored <= 3 ? stored - 1 : 0; }

int trackBarPosition(int storedSpeed) { return std::clamp(storedSpeed, kMinTickerSpeed, kMaxTickerSpeed); }

PreferenceValues loadPreferences(const PlayerSettings& settings) {
  PreferenceValues v;
  v.tickerPosition = placeIndex(settings.tickerPosition());
  v.buttonBarLocation = placeIndex(settings.buttonBarLocation());
  v.textSize = textSizeIndex(settings.tickerTextSize());
  v.tickerSpeed = trackBarPosition(settings.tickerDataSpeed());
  v.tickerBold = settings.tickerTextBold();
  v.buttonBarBold = settings.buttonBarTextBold();
  v.mute = !settings.sound();
  v.colorScheme = schemeFromColors(settings.tickerTextColor(), settings.tickerColor());
  v.slideMethod = displayMethodIndex(settings.slideDisplayMethod());
  v.thumbMethod = displayMethodIndex(settings.thumbDisplayMethod());
  return v;
}

void savePreferences(const PlayerSettings& settings, const PreferenceValues& shown, const PreferenceValues& loaded) {
  auto name = [](const auto& names, int index) {
    return names[static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(names.size()) - 1))];
  };
  if (shown.tickerPosition != loaded.tickerPosition)
    settings.setTickerPosition(name(kPlaceNames, shown.tickerPosition));
  if (shown.textSize != loaded.textSize) settings.setTickerTextSize(name(kTextSizeNames, shown.textSize));
  if (shown.buttonBarLocation != loaded.buttonBarLocation)
    settings.setButtonBarLocation(name(kPlaceNames, shown.buttonBarLocation));
  if (shown.tickerSpeed != loaded.tickerSpeed) settings.setTickerDataSpeed(trackBarPosition(shown.tickerSpeed));
  if (shown.mute != loaded.mute) settings.setSound(!shown.mute);
  if (shown.tickerBold != loaded.tickerBold) settings.setTickerTextBold(shown.tickerBold);
  if (shown.buttonBarBold != loaded.buttonBarBold) settings.setButtonBarTextBold(shown.buttonBarBold);
  if (shown.colorScheme != loaded.colorScheme) {
    const SchemeColors c = schemeColors(shown.colorScheme);
    settings.setTickerTextColor(c.text);
    settings.setTickerColor(c.background);
  }
  if (shown.slideMethod != loaded.slideMethod) settings.setSlideDisplayMethod(displayMethodIndex(shown.slideMethod + 1) + 1);
  if (shown.thumbMethod != loaded.thumbMethod) settings.setThumbDisplayMethod(displayMethodIndex(shown.thumbMethod + 1) + 1);
}

}  // namespace tavo::player
