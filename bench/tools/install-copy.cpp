// Copies a presentation folder the way the setup wizard installs it (its
// contents into a new folder, with the real progress window on the current Qt
// platform) and reports the time taken and the longest gap between two
// updates of the progress window, which is also the longest time a click on
// Cancel waits to be seen.
// Usage: install-copy [--no-window] <source folder> <destination folder>
// (--no-window: the same copy without the progress window, to see its cost).
// Output: one line "seconds=<s> updates=<n> max_gap_ms=<ms>".

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <string>

#include "platform/QtServices.h"
#include "player/setup/FileInstallServices.h"

namespace {

using Clock = std::chrono::steady_clock;

// The real progress window, with the time of each update noted.
class TimedUi : public tavo::platform::FileOperationUi {
 public:
  void begin(const QString& title) override {
    real_.begin(title);
    last_ = Clock::now();
  }
  bool progress(const QString& entryName) override {
    const auto now = Clock::now();
    maxGap_ = std::max(maxGap_, now - last_);
    ++updates_;
    const bool goOn = real_.progress(entryName);
    last_ = Clock::now();
    return goOn;
  }
  void end() override {
    maxGap_ = std::max(maxGap_, Clock::now() - last_);
    real_.end();
  }
  Answer confirmReplace(const QString& t) override { return real_.confirmReplace(t); }
  Answer confirmDelete(const QString& p) override { return real_.confirmDelete(p); }

  double maxGapMs() const { return std::chrono::duration<double, std::milli>(maxGap_).count(); }
  long updates() const { return updates_; }

 private:
  tavo::platform::QtFileOperationUi real_;
  Clock::time_point last_;
  Clock::duration maxGap_{};
  long updates_ = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const bool noWindow = argc == 4 && std::string(argv[1]) == "--no-window";
  if (argc != 3 && !noWindow) {
    std::fprintf(stderr, "usage: install-copy [--no-window] <source folder> <destination folder>\n");
    return 2;
  }
  const char* source = argv[argc - 2];
  const char* destination = argv[argc - 1];
  TimedUi ui;
  const auto start = Clock::now();
  tavo::player::setup::InstallServices::CopyResult result;
  if (noWindow) {
    tavo::platform::TFileOperation op;
    op.ShowProgress = false;
    op.ShowWin32Errors = false;
    result = op.copy(QString::fromLocal8Bit(source) + "/*", QString::fromLocal8Bit(destination))
                 ? tavo::player::setup::InstallServices::CopyResult::Copied
                 : tavo::player::setup::InstallServices::CopyResult::Failed;
  } else {
    tavo::player::FileInstallServices services(ui);
    result = services.copyFolderContents(source, destination, std::string("Installing presentation to ") + destination);
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  if (result != tavo::player::setup::InstallServices::CopyResult::Copied) {
    std::fprintf(stderr, "the copy failed\n");
    return 1;
  }
  std::printf("seconds=%.3f updates=%ld max_gap_ms=%.1f\n", seconds, ui.updates(), ui.maxGapMs());
  return 0;
}
