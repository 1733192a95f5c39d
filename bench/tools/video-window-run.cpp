// Drives the player's video window on one file, for bench/video-playback.sh.
//   video-window-run first-frame FILE RUNS   prints the milliseconds from each
//       start to the first frame on screen, one line per run (the first run
//       includes loading the media back end)
//   video-window-run play FILE               plays the file to its end once
#include <QApplication>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QTimer>
#include <cstdio>

#include "player/video/TFmVideoPlayerSmall.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: video-window-run first-frame|play FILE [RUNS]\n");
    return 2;
  }
  const QString mode = argv[1];
  const QFileInfo file(argv[2]);
  const int runs = argc > 3 ? std::atoi(argv[3]) : 1;
  tavo::player::TFmVideoPlayerSmall window;
  const tavo::player::playlist::VideoRequest request{file.fileName().toStdString(), "",
                                                      file.absolutePath().toStdString() + "/", true};
  int done = 0;
  QObject::connect(&window, &tavo::player::TFmVideoPlayerSmall::failed, [&](const QString& why) {
    std::fprintf(stderr, "%s\n", qPrintable(why));
    app.exit(1);
  });
  if (mode == "first-frame") {
    QObject::connect(&window, &tavo::player::TFmVideoPlayerSmall::firstFrameShown, [&] {
      std::printf("%lld\n", static_cast<long long>(window.firstFrameMs()));
      std::fflush(stdout);
      window.closeVideo();
      if (++done >= runs)
        app.quit();
      else
        QTimer::singleShot(200, [&] { window.startItem(request); });
    });
  } else {
    QObject::connect(&window, &tavo::player::TFmVideoPlayerSmall::openComplete, [&] {
      QObject::connect(window.player(), &QMediaPlayer::mediaStatusChanged, [&](QMediaPlayer::MediaStatus s) {
        if (s == QMediaPlayer::EndOfMedia) app.quit();
      });
    });
  }
  QTimer::singleShot(0, [&] { window.startItem(request); });
  return app.exec();
}
