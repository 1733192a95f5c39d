#pragma once
// What the picture windows' tests start from: a presentation folder with sets
// made here, pictures drawn here, the test platform, and recording stand-ins
// for the bar (the windows' host) and the sound player.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <functional>
#include <string>

#include "format/PlayerSettings.h"
#include "platform/testing/TestPlatform.h"
#include "player/slideshow/SetWindowHost.h"
#include "player/slideshow/SoundPlayer.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempFolder.h"

namespace tavo::player::pictures::test {

class RecordingHost : public SetWindowHost {
 public:
  std::string presentationFolder() const override { return presentation; }
  void showTickerPanel() override {
    calls << "panel";
    panelShown = true;
  }
  void showScrollingTicker() override {
    calls << "ticker";
    panelShown = false;
  }
  void showPanelText(const QString& text, const QString& hotlink) override {
    panelText = text;
    panelHotlink = hotlink;
  }
  int menuImageLeft() const override { return 1764; }
  int menuImageWidth() const override { return 24; }
  bool executeThumbnailLink(const QString& link, const QString& folder) override {
    calls << "link " + link + " in " + folder;
    if (onLink) onLink();
    return true;
  }

  std::string presentation;
  QStringList calls;
  bool panelShown = false;
  QString panelText, panelHotlink;
  std::function<void()> onLink;
};

class RecordingSound : public SoundPlayer {
 public:
  void open(const QString& path) override { calls << "open " + path.section('/', -1); }
  void play() override { calls << "play"; }
  void pause() override { calls << "pause"; }
  void resume() override { calls << "resume"; }
  void close() override { calls << "close"; }
  // The sound reaches its end.
  void end() {
    if (onEnded) onEnded();
  }
  QStringList calls;
};

// A picture of `w` x `h` in one colour, as the bytes of a JPEG or PNG file.
inline std::string pictureBytes(int w, int h, QColor colour, const char* format = "JPG") {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  img.save(&buffer, format);
  return bytes.toStdString();
}

class PictureWindowTest : public ::testing::Test {
 protected:
  PictureWindowTest() {
    presentation = t.mkdir("Harbour Town");
    host.presentation = presentation;
    platform.screen.geometry = QRect(0, 0, 1920, 1080);
  }
  // A file inside the channel "Art Gallery".
  std::string file(const std::string& relative, const std::string& bytes) {
    return t.write("Harbour Town/Art Gallery/" + relative, bytes);
  }
  std::string setFolder(const std::string& name) { return presentation + "Art Gallery/" + name; }
  PlayerSettings settings() { return PlayerSettings(platform.platform().registry); }

  tavo::test::TempFolder t;
  platform::testing::TestPlatform platform;
  std::string presentation;
  RecordingHost host;
  RecordingSound sound;
};

}  // namespace tavo::player::pictures::test
