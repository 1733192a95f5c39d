#pragma once
// The bar's geometry as plain arithmetic: from sizes and options to positions.
// The main window applies these numbers to its controls; nothing here knows
// about widgets, so every placement rule can be checked on its own.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavo::player::layout {

// ---- fixed sizes of the bar's controls ----
inline constexpr int kBarColor = 16051950;  // Windows colour integer (0xF4EEEE, blue-green-red)
inline constexpr int kDragWidth = 12, kDragHeight = 39;
inline constexpr int kLogoSize = 40;
inline constexpr int kMenuButtonSize = 17;
inline constexpr int kStartPlaylistWidth = 54, kStartPlaylistHeight = 20;
inline constexpr int kMediaButtonWidth = 23, kMediaButtonHeight = 20;
inline constexpr int kUpDownWidth = 34, kUpDownHeight = 18;
inline constexpr int kSoundWidth = 21, kSoundHeight = 18;
inline constexpr int kWindowButtonSize = 18;  // BtnMinimize, BtnClose
inline constexpr int kTickerButtonWidth = 18, kTickerButtonHeight = 14;
inline constexpr int kSearchButtonWidth = 22, kSearchButtonHeight = 18;
inline constexpr int kSearchEditWidth = 113, kSearchEditHeight = 18;
inline constexpr int kGoWidth = 28, kGoHeight = 20;
inline constexpr int kMenuImageSize = 24;
inline constexpr int kAdSponsorWidth = 120, kAdSponsorHeight = 24;
inline constexpr int kBulletSize = 16;
// Button1 .. Button10: the button row starts at top 2 and the Large ticker at
// top 20, and at the bottom the row starts at 31 in a bar 50 high, so the
// buttons are as high as the up/down and sound buttons beside them.
inline constexpr int kButtonHeight = 18;
inline constexpr int kSubTickerHeight = 16;  // in the button row, one pixel below the buttons' top
// The left column: the sponsor logo between the drag button and the ticker
// buttons, which sit side by side just left of the ticker.
inline constexpr int kLogoLeft = 16;
inline constexpr int kTickerPlayLeft = 60;   // BtnPlayTicker and BtnPauseTicker, one visible at a time
inline constexpr int kNextChannelLeft = 80;
inline constexpr int kTickerLeft = 102;
inline constexpr int kBevelLeft = 48;
inline constexpr int kFirstButtonLeft = 64;
inline constexpr int kStreamingAdReserve = 120;

// ---- text size: font, bar height, ticker row ----
struct TextSizeLayout {
  int fontSize;
  int barHeight;
  int tickerTop;
  int tickerHeight;
};
// "Small", "Jumbo" (compared with case), anything else is Large.
TextSizeLayout textSizeLayout(std::string_view tickerTextSize);

// ---- the right-hand controls, by window width (ArrangeBar) ----
struct ArrangedBar {
  int dragLeft, closeLeft, minimizeLeft, speakerLeft, upDownLeft, startPlaylistLeft;
  int adSponsorLeft, menuImageLeft, searchLeft, searchEditLeft, goLeft;
};
ArrangedBar arrangeBar(int windowWidth);

// ---- the two rows (ApplyButtonBarPosition) ----
// Tops of the controls. `tickerTop` is given by the text size when the button row is on top.
struct RowTops {
  int bevel, buttons, menuButton, subTicker, upDown, sound, windowButtons, drag, playlistButtons;
  int tickerButtons, search, searchEdit, go, adSponsor, menuImage;
  std::optional<int> ticker;  // set when this layout moves the ticker and its panel
};
RowTops buttonBarPosition(std::string_view location, std::string_view tickerTextSize);

// ---- where the window goes (PlaceBar) ----
struct BarPlacement {
  enum class Align { None, Top };
  std::string tickerPosition;  // "Top" replaces any value that is not "Top", "Bottom" or "Random"
  Align align = Align::None;
  std::optional<int> left, top;  // set when the window is moved
  bool showUp = false, showDown = false;
  std::optional<int> childWindowTop;  // top of the slideshow window and thumbnail viewer
};
BarPlacement placeBar(std::string_view tickerPosition, int barHeight, std::optional<int> workAreaBottom);

// ---- the ticker band ----
inline int tickerWidth(int searchLeft) { return searchLeft - kTickerLeft - 4; }
inline int tickerGap(int tickerWidthPixels) { return tickerWidthPixels * 9 / 10; }

// The sponsor logo is centred in the bar's height.
inline int logoTop(int barHeight) { return (barHeight - kLogoSize) / 2; }

// ---- viewing options ----
// The panel label's scroll interval in milliseconds: 11 - the speed position.
inline int panelScrollInterval(int speedPosition) { return 11 - speedPosition; }

// ---- the button row (LoadSubscriberSettings / PlaceButton) ----
int buttonWidth(int captionLength, bool bold);

struct ButtonSlot {
  bool visible = false;
  bool inMenu = false;  // did not fit: its entry goes to the overflow menu
  int left = 0, width = 0;
};
struct ButtonRow {
  int bevelLeft = kBevelLeft, bevelWidth = 0;
  std::vector<ButtonSlot> buttons;  // one per caption given, in order
  bool menuButtonVisible = false;
  int menuButtonLeft = 0;
  int runningRight = 0;
  int subTickerLeft = 0, subTickerWidth = 0;
  // Media buttons, right to left from the Play button's right edge.
  int ffLeft = 0, rewindLeft = 0, stopLeft = 0, playLeft = 0, pauseLeft = 0;
};
// `captionLengths` are the lengths in characters of the button captions after
// "&" doubling (up to ten); a length of 0 is a button without caption: it is
// hidden and takes no room, so the next button counts from the last one placed.
// `streamingAd` keeps 120 pixels free at the end of the row.
ButtonRow buttonRow(const std::vector<int>& captionLengths, bool bold, bool streamingAd, int startPlaylistLeft);

// ---- the text panel's label (ShowPanelText, TimerLbTicker) ----
struct PanelLabel {
  int left;
  bool scrolls;
};
PanelLabel panelLabel(int labelWidth, int panelWidth);
// One tick of the scrolling label: its new left, or nothing when it stops.
std::optional<int> panelLabelTick(int left, int labelWidth, int panelWidth);

// ---- the windows the bar opens ----
struct Rect {
  int left, top, width, height;
  bool operator==(const Rect&) const = default;
};
// Slideshow window: full width, screen height minus the bar; at the top of the
// screen when the bar is at the bottom, else just below the bar (a "Random"
// bar starts at the top of the screen too).
Rect slideshowGeometry(std::string_view tickerPosition, int screenWidth, int screenHeight, int barHeight);
// Thumbnail viewer: the same, but as high as the work area minus the bar (when
// the system reports the work area; else the screen height minus the bar).
Rect thumbnailGeometry(std::string_view tickerPosition, int screenWidth, int screenHeight,
                       std::optional<int> workAreaBottom, int barHeight);
// The own browser window: below the bar, full width, the rest of the screen.
Rect browserGeometry(int screenWidth, int screenHeight, int barHeight);
// The video window's question panel: centred (halves to the even number), 20 pixels up.
struct Point {
  int x, y;
  bool operator==(const Point&) const = default;
};
Point promptPanelPosition(int windowWidth, int windowHeight, int panelWidth, int panelHeight);

}  // namespace tavo::player::layout
