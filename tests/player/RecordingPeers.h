#pragma once
// Recording stand-ins for the windows the bar talks to: each keeps what the
// bar asked of it, in order, so that tests can check the bar's requests.

#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "player/bar/BarPeers.h"

namespace tavo::player::test {

// Calls in the order they were made, as short texts ("show", "close", "top 50").
class CallLog {
 public:
  void add(const QString& call) { calls << call; }
  QStringList calls;
};

// A set window that records what it was told.
template <class Port>
class RecordingSetWindow : public Port, public CallLog {
 public:
  bool isVisible() const override { return visible; }
  void close() override {
    add("close");
    visible = false;
  }
  void setGeometry(const layout::Rect& r) override {
    add("geometry");
    geometry = r;
    top = r.top;
  }
  void setTop(int t) override {
    add("top " + QString::number(t));
    top = t;
  }
  void setFolder(const std::string& f) override {
    add("folder");
    folder = f;
  }
  void show() override {
    add("show");
    visible = true;
  }

  bool visible = false;
  std::optional<layout::Rect> geometry;
  std::string folder;
  int top = -1;
};

class RecordingSlideshow : public RecordingSetWindow<SlideshowWindowPort> {
 public:
  void pause() override { add("pause"); }
  void resumeCycle() override { add("resume cycle"); }
};

class RecordingThumbnails : public RecordingSetWindow<ThumbnailViewerPort> {
 public:
  void setMainWindow(QWidget* bar) override {
    add("main window");
    mainWindow = bar;
  }
  QWidget* mainWindow = nullptr;
};

class RecordingBrowser : public BrowserWindowPort, public CallLog {
 public:
  void setGeometry(const layout::Rect& r) override { geometry = r; }
  void setAddress(const QString& a) override { address = a; }
  void show() override { add("show " + address); }
  std::optional<layout::Rect> geometry;
  QString address;
};

class RecordingSetup : public SetupWizardPort {
 public:
  void runModal(const std::string& projectFile) override { shownFor.push_back(projectFile); }
  std::vector<std::string> shownFor;
};

class RecordingPreferences : public PreferencesDialogPort {
 public:
  void runModal(const Request& r) override { requests.push_back(r); }
  std::vector<Request> requests;
};

class RecordingPlaylist : public PlaylistRunnerPort, public CallLog {
 public:
  void loadPlaylist(const std::string& folder) override {
    add("load");
    loadedFrom.push_back(folder);
  }
  void start() override { add("start"); }
  void stop() override { add("stop"); }
  void play() override { add("play"); }
  void pause() override { add("pause"); }
  void fastForward() override { add("fast forward"); }
  void rewind() override { add("rewind"); }
  void setVideoMode(bool on) override { add(on ? "video mode on" : "video mode off"); }
  std::vector<std::string> loadedFrom;
};

class RecordingVideo : public VideoWindowPort, public CallLog {
 public:
  bool isVisible() const override { return visible; }
  void startItem(const playlist::VideoRequest& r) override {
    add("start " + QString::fromStdString(r.itemFile));
    request = r;
    visible = true;
  }
  void restart() override { add("restart"); }
  void pause() override { add("pause"); }
  void doubleRate() override { add("double rate"); }
  void backTenSeconds() override { add("back 10 s"); }
  void closeVideo() override {
    add("close");
    visible = false;
  }
  QString promptLink() const override { return link; }
  QString promptText() const override { return question; }
  QSize windowSize() const override { return size; }
  QSize promptPanelSize() const override { return panelSize; }
  void showPromptPanel(QPoint topLeft, const QString& q) override {
    add("show panel");
    panelAt = topLeft;
    panelText = q;
    panelShown = true;
  }
  void hidePromptPanel() override {
    add("hide panel");
    panelShown = false;
  }
  void giveFocus() override { add("focus"); }
  void bringToFront() override { add("front"); }

  bool visible = false;
  playlist::VideoRequest request;
  QString link, question;
  QSize size{640, 480}, panelSize{301, 101};
  std::optional<QPoint> panelAt;
  QString panelText;
  bool panelShown = false;
};

struct RecordingPeers {
  RecordingSlideshow slideshow;
  RecordingThumbnails thumbnails;
  RecordingBrowser browser;
  RecordingSetup setup;
  RecordingPreferences preferences;
  RecordingPlaylist playlist;
  RecordingVideo video;
  BarPeers ports() {
    return {&slideshow, &thumbnails, &browser, &setup, &preferences, &playlist, &video};
  }
};

}  // namespace tavo::player::test
