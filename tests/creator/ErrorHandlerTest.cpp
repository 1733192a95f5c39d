// What the creator's error handler shows, and that the program goes on.
#include <QApplication>
#include <QLineEdit>
#include <filesystem>
#include <new>

#include "creator/logic/ErrorReport.h"
#include "tests/creator/CreatorFixture.h"

namespace tavo::creator::test {
namespace {

using Kind = platform::testing::TestMessages::Kind;
using ErrorHandlerTest = CreatorFixture;

TEST_F(ErrorHandlerTest, EachKindOfErrorGetsItsText) {
  start();
  const struct {
    std::exception_ptr error;
    QString text;
  } cases[] = {
      {std::make_exception_ptr(std::bad_alloc()), kOutOfMemoryText},
      {std::make_exception_ptr(StreamWriteError("Stream write error")), kDiskFullText},
      {std::make_exception_ptr(StreamWriteError("Cannot write /x/Ticker.txt: No space left on device")),
       "Cannot write /x/Ticker.txt: No space left on device"},
      {std::make_exception_ptr(StreamError("Read failed: Out of memory")), kOutOfMemoryText},
      {std::make_exception_ptr(StreamError("Cannot open /x/a.txt")), "Cannot open /x/a.txt"},
      {std::make_exception_ptr(platform::FileOperationError("Cannot copy a: Permission denied")),
       "Cannot copy a: Permission denied"},
      {std::make_exception_ptr(SettingsFileError("Cannot write /x/Project.ini")), "Cannot write /x/Project.ini"},
  };
  for (const auto& c : cases) {
    platform.messages.shown.clear();
    main->ApplicationException(c.error);
    ASSERT_EQ(platform.messages.shown.size(), 1u) << c.text.toStdString();
    EXPECT_EQ(platform.messages.shown[0].kind, Kind::Error);
    EXPECT_EQ(platform.messages.shown[0].text, c.text);
  }
}

TEST_F(ErrorHandlerTest, AnIncompleteTimeIsResetAndWarned) {
  start();
  QLineEdit field("12:");
  main->ApplicationException(std::make_exception_ptr(
      InvalidTimeInput([&field](const std::string& text) { field.setText(QString::fromStdString(text)); })));
  EXPECT_EQ(field.text(), "00:05");
  EXPECT_EQ(dialogs.warnings, QStringList{"You have not entered a valid time value.\rEnter a value of the form mm:ss"});
  EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(ErrorHandlerTest, ACancelShowsNothingAndTheCursorIsRestored) {
  start();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  main->ApplicationException(std::make_exception_ptr(SilentAbort()));
  EXPECT_TRUE(platform.messages.shown.empty());
  EXPECT_TRUE(dialogs.warnings.isEmpty());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ErrorHandlerTest, ACopyFailureDuringSaveAsReachesTheHandlerAndDoesNotSwitch) {
  presentation("Show");
  startOn("Show");
  dialogs.inputAnswers = {QString("Copy")};
  // The presentation folder is gone, so there is nothing to copy.
  std::filesystem::remove_all(area + "Projects/Show");
  EXPECT_THROW(main->MChSaveProjectAsClick(), platform::FileOperationError);
  EXPECT_EQ(main->presentation().presentationName, "Show");
}

}  // namespace
}  // namespace tavo::creator::test
