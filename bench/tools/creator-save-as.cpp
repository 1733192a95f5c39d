// Runs the creator's Save As once on a work area, as the menu entry does, and
// prints the milliseconds the command took. The input box is answered with the
// new name; the test platform stands in for the system's message boxes.
// Usage: creator-save-as <work area> <presentation> <new name>
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>

#include "creator/main/CreatorDialogs.h"
#include "creator/main/Publisher.h"
#include "creator/main/TFmMain.h"
#include "platform/testing/TestPlatform.h"
#include "format/ProfileFile.h"

namespace {

class AnswerName : public tavo::creator::CreatorDialogs {
 public:
  explicit AnswerName(QString name) : name_(std::move(name)) {}
  QString askNewName(const QString&, const QString&) override { return {}; }
  std::optional<QString> inputBox(const QString&, const QString&, const QString&) override {
    if (asked_++) return std::nullopt;  // a refusal asks again: give up then
    return name_;
  }
  Pick pickFolder(const QString&, const QString&, const QString&) override { return {}; }
  void showWarning(const QString&) override {}
  void showAbout() override {}
  std::optional<std::pair<QString, QString>> getTwoStrings(const tavo::TwoStringsRequest&) override { return {}; }

 private:
  QString name_;
  int asked_ = 0;
};

class NoPublisher : public tavo::creator::Publisher {
 public:
  void open(Page) override {}
};

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: creator-save-as <work area> <presentation> <new name>\n");
    return 2;
  }
  if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  const std::string area = std::string(argv[1]) + "/";
  tavo::writeProfileString(area + "TavoCreator.ini", "General", "CurProject", argv[2]);
  tavo::platform::testing::TestPlatform platform("TavoCreator");
  AnswerName dialogs(QString::fromLocal8Bit(argv[3]));
  NoPublisher publisher;
  tavo::creator::TFmMain main(platform.platform(), dialogs, publisher, QString::fromStdString(area), {});
  main.FormShow();
  QElapsedTimer timer;
  timer.start();
  main.MChSaveProjectAsClick();
  const qint64 ms = timer.elapsed();
  if (main.presentation().presentationName != argv[3]) {
    std::fprintf(stderr, "Save As did not switch to %s\n", argv[3]);
    return 1;
  }
  std::printf("%lld\n", static_cast<long long>(ms));
  return 0;
}
