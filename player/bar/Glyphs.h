#pragma once
// The bar's own pictures, drawn in code: the button glyphs, the menu picture,
// the sponsor box picture the bar shows when a channel names none, the bullet
// between ticker items and the program icon. Each is drawn once when asked for.

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace tavo::player::glyphs {

enum class Glyph {
  Drag,            // grip of BtnDrag
  PlayTicker,
  PauseTicker,
  NextChannel,
  Up,              // move the bar to the top
  Down,            // move the bar to the bottom
  Speaker,         // sound off (pressing it turns the sound on)
  Mute,            // sound on (pressing it turns the sound off)
  Minimize,
  Close,
  StartPlaylist,
  PausePlaylist,
  PlayPlaylist,
  StopPlaylist,
  RewindPlaylist,
  FastForwardPlaylist,
  Search,
  ButtonMenu,      // BtnMenu: the buttons that did not fit
};

QPixmap glyph(Glyph which, QSize size);

// ImgMenu: the preferences and channel menu.
QPixmap preferencesMenuPicture(QSize size);

// The sponsor box picture built into the bar, 120 x 24.
QPixmap builtInSponsorBox();

// The bullet between ticker items: 16 x 16 filled with the ticker colour, with
// a filled ellipse in the text colour from (1, 1) to (14, 12).
QPixmap bulletImage(const QColor& background, const QColor& text);

QIcon applicationIcon();

}  // namespace tavo::player::glyphs
