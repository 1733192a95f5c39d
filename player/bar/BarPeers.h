#pragma once
// What the bar asks of the other player windows and of the playlist runner.
// Each of them implements its port; the bar holds a pointer to it, which stays
// null until that window exists. With a null port the bar skips the request
// (nothing opens) and everything else it does goes on as usual.

#include <QPoint>
#include <QSize>
#include <QString>
#include <string>

#include "player/logic/BarLayout.h"

class QWidget;

namespace tavo::player {

// A window that shows one set (slideshow or thumbnail set) across the screen.
class SetWindowPort {
 public:
  virtual ~SetWindowPort() = default;
  virtual bool isVisible() const = 0;
  virtual void close() = 0;
  virtual void setGeometry(const layout::Rect& rect) = 0;
  // Moves the window to a new top (the bar docks at the other edge).
  virtual void setTop(int top) = 0;
  // The set folder: full path without trailing separator.
  virtual void setFolder(const std::string& setFolder) = 0;
  virtual void show() = 0;
};

// The slideshow window: one picture of a slideshow set at a time.
class SlideshowWindowPort : public SetWindowPort {
 public:
  // What the window's own Pause button does (the playlist runner's Pause).
  virtual void pause() = 0;
  // Enables the cycle timer again, so that a paused slideshow advances; the
  // pause label and buttons are left as they are (the playlist runner's Play).
  virtual void resumeCycle() = 0;
};

// The thumbnail viewer: six pictures of a thumbnail set per screen. It tells
// the bar when it closes (BarMessage::ThumbnailViewerClosed).
class ThumbnailViewerPort : public SetWindowPort {
 public:
  // The bar to notify when the viewer closes.
  virtual void setMainWindow(QWidget* bar) = 0;
};

// The player's own browser window.
class BrowserWindowPort {
 public:
  virtual ~BrowserWindowPort() = default;
  virtual void setGeometry(const layout::Rect& rect) = 0;
  virtual void setAddress(const QString& address) = 0;
  virtual void show() = 0;
};

// The setup wizard that installs the running presentation on the PC.
class SetupWizardPort {
 public:
  virtual ~SetupWizardPort() = default;
  // Shows the wizard modally for the presentation's project file.
  virtual void runModal(const std::string& projectFile) = 0;
};

// The preferences dialog.
class PreferencesDialogPort {
 public:
  virtual ~PreferencesDialogPort() = default;
  enum class Page { Ticker, About };
  struct Request {
    Page page = Page::Ticker;
    bool runsFromCD = false;
    QWidget* bar = nullptr;         // told of applied changes (BarMessage::SettingsChanged)
    std::string projectFolder;      // empty for the About page
    std::string subscriberFolder;
    int channelCount = 0;           // the number of channels
  };
  virtual void runModal(const Request& request) = 0;
};

// The playlist runner: plays the current channel's playlist item by item
// through the bar's link dispatcher, and answers the bar's media buttons.
class PlaylistRunnerPort {
 public:
  virtual ~PlaylistRunnerPort() = default;
  // The channel in `subscriberFolder` became current: read its playlist.
  virtual void loadPlaylist(const std::string& subscriberFolder) = 0;
  virtual void start() = 0;        // BtnStartPlayList
  virtual void stop() = 0;         // BtnStopPlaylist
  virtual void play() = 0;         // BtnPlayPlaylist
  virtual void pause() = 0;        // BtnPausePlaylist
  virtual void fastForward() = 0;  // BtnFFPlaylist
  virtual void rewind() = 0;       // BtnRewindPlaylist
  // Set when the playlist was started by the player itself at start-up.
  virtual void setVideoMode(bool on) = 0;
};

// The small video window, as far as its question prompt goes: it offers a link
// and a question, and shows the question in a panel that the bar places.
class VideoWindowPort {
 public:
  virtual ~VideoWindowPort() = default;
  virtual QString promptLink() const = 0;
  virtual QString promptText() const = 0;
  virtual QSize windowSize() const = 0;
  virtual QSize promptPanelSize() const = 0;
  // Shows the prompt panel at `topLeft` (window coordinates) with the question.
  virtual void showPromptPanel(QPoint topLeft, const QString& question) = 0;
  virtual void hidePromptPanel() = 0;
  virtual void giveFocus() = 0;
  virtual void bringToFront() = 0;
};

// The ports the bar holds; any of them may be null.
struct BarPeers {
  SlideshowWindowPort* slideshow = nullptr;
  ThumbnailViewerPort* thumbnails = nullptr;
  BrowserWindowPort* browser = nullptr;
  SetupWizardPort* setup = nullptr;
  PreferencesDialogPort* preferences = nullptr;
  PlaylistRunnerPort* playlist = nullptr;
  VideoWindowPort* video = nullptr;
};

}  // namespace tavo::player
