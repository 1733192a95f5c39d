// The creator's application object: an exception thrown while an event is
// handled goes to the error handler, and the event loop goes on. This suite
// has its own main, since the application object must be a CreatorApplication.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <stdexcept>

#include "creator/app/CreatorApplication.h"
#include "creator/logic/ErrorReport.h"

namespace tavo::creator {
namespace {

TEST(CreatorApplication, AnExceptionInAHandlerReachesTheErrorHandlerAndTheLoopGoesOn) {
  CreatorApplication* app = CreatorApplication::instance();
  ASSERT_NE(app, nullptr);
  std::vector<std::string> reported;
  app->setErrorHandler([&](std::exception_ptr error) { reported.push_back(reportFor(error).text); });

  QPushButton button;
  int clicks = 0;
  QObject::connect(&button, &QPushButton::clicked, [&] {
    if (++clicks == 1) throw StreamWriteError("Stream write error");
  });
  // Two clicks delivered by the event loop: the first throws, the second still arrives.
  QTimer::singleShot(0, &button, [&] { button.click(); });
  QTimer::singleShot(0, &button, [&] { button.click(); });
  QTimer::singleShot(0, app, [] { QCoreApplication::exit(0); });
  EXPECT_EQ(QCoreApplication::exec(), 0);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(reported, std::vector<std::string>{kDiskFullText});
}

}  // namespace
}  // namespace tavo::creator

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  tavo::creator::CreatorApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
