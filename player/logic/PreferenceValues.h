#pragma once
// What the preferences dialog shows, as plain values, and the rules that turn
// the stored settings into them and back.
//
// Loading maps each stored value onto the control that shows it ("Huge" shows
// as "Jumbo", a colour that is none of the schemes as "Neon on Black", a
// display method outside 1..3 as the first item). Saving writes a setting
// only when its control shows something other than what loading showed, so
// closing with OK without touching anything leaves every stored value as it
// was, even one that no control can show (a provider's own ticker colour, a
// position "Random", a hand-typed size).

#include <array>
#include <string>
#include <string_view>

#include "format/PlayerSettings.h"

namespace tavo::player {

// The colour schemes in the order of the dialog's colour box.
enum class ColorScheme { BlueOnBlack, RedOnBlack, NeonOnBlack, YellowOnBlack, YellowOnBlue };
inline constexpr std::array<const char*, 5> kColorSchemeNames = {"Blue on Black", "Red on Black", "Neon on Black",
                                                                 "Yellow on Black", "Yellow on Blue"};
struct SchemeColors {
  WinColor text;
  WinColor background;
};
SchemeColors schemeColors(ColorScheme scheme);
// A scheme name as shown in the box; any other text is "Neon on Black".
ColorScheme schemeFromName(std::string_view name);
// The scheme the stored colours select.
ColorScheme schemeFromColors(WinColor text, WinColor background);

inline constexpr std::array<const char*, 3> kTextSizeNames = {"Small", "Large", "Jumbo"};
inline constexpr std::array<const char*, 2> kPlaceNames = {"Top", "Bottom"};

struct PreferenceValues {
  int textSize = 1;            // index into kTextSizeNames
  int tickerSpeed = 6;         // track bar, 1 .. 9
  bool tickerBold = true;
  ColorScheme colorScheme = ColorScheme::NeonOnBlack;
  int buttonBarLocation = 0;   // index into kPlaceNames
  int tickerPosition = 0;      // index into kPlaceNames
  bool buttonBarBold = false;
  bool mute = false;
  int slideMethod = 2;         // item index: display method - 1
  int thumbMethod = 2;
  bool operator==(const PreferenceValues&) const = default;
};

inline constexpr int kMinTickerSpeed = 1;
inline constexpr int kMaxTickerSpeed = 9;

// Reads every setting the dialog shows (a missing one is written with its default).
PreferenceValues loadPreferences(const PlayerSettings& settings);
// Writes the settings whose shown value differs from `loaded`.
void savePreferences(const PlayerSettings& settings, const PreferenceValues& shown, const PreferenceValues& loaded);

// The single mappings, for the dialog's items.
int textSizeIndex(std::string_view stored);        // "Small" 0, "Large" 1, anything else 2
int placeIndex(std::string_view stored);           // "Top" 0, anything else 1
int displayMethodIndex(int stored);                // 1..3 give 0..2, anything else 0
int trackBarPosition(int storedSpeed);             // clamped to 1..9

}  // namespace tavo::player
