// Grabs, throws and hyperlinks of TQxScroller, driven with real mouse events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QTest>

#include "platform/testing/TestPlatform.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempFolder.h"
#include "ticker/ScrollerCursors.h"
#include "ticker/TQxScroller.h"

namespace tavo::ticker {
namespace {

using enum TScrollDirection;
using enum TScrollSpeed;

// Three 100-pixel gaps with links in a 300 x 30 band without border: item i
// lies at [100 i, 100 i + 100) until the band moves.
struct MouseFixture : ::testing::Test {
  void SetUp() override {
    scroller.setShell(&shell);
    scroller.setBorderStyle(TBorderStyle::bsNone);
    scroller.resize(300, 30);
    for (int i = 0; i < 3; ++i) {
      TScrollerItem* item = scroller.Items().Add();
      item->setMargin(100);
      item->setHyperlink(QString("http://www.example.com/%1").arg(i));
      item->setHint(QString("hint %1").arg(i));
    }
    scroller.setOptions(scroller.Options() | TScrollerOption::opExecuteHyperlinks);
    scroller.show();
    scroller.grab();  // the first paint puts item 0 at the left edge
  }
  void TearDown() override { scroller.setActive(false); }

  void press(int x) { QTest::mousePress(&scroller, Qt::LeftButton, {}, QPoint(x, 10)); }
  void move(int x) { QTest::mouseMove(&scroller, QPoint(x, 12)); }
  void release(int x) { QTest::mouseRelease(&scroller, Qt::LeftButton, {}, QPoint(x, 10)); }
  void click(int x) {
    press(x);
    release(x);
  }
  void linkOf(int index, const QString& link) { scroller.Items().Items(index)->setHyperlink(link); }

  platform::testing::TestShell shell;
  TQxScroller scroller;
};

TEST_F(MouseFixture, APressOnAStoppedBandStartsNoGrabButAClickExecutesTheLink) {
  bool activeInMouseDown = true;
  scroller.OnMouseDown = [&](TQxScroller*, Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
    EXPECT_EQ(button, Qt::LeftButton);
    EXPECT_EQ(x, 150);
    EXPECT_EQ(y, 10);
    activeInMouseDown = scroller.Active();
  };
  press(150);
  EXPECT_FALSE(activeInMouseDown);
  EXPECT_FALSE(scroller.band().dragging());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  release(150);
  EXPECT_FALSE(scroller.Active());
  EXPECT_EQ(shell.opened, QStringList{"http://www.example.com/1"});
}

TEST_F(MouseFixture, AGrabStopsTheBandAndReleasingInPlaceRestartsItAfterTheLink) {
  scroller.setScrollSpeed(speed5_VeryFast);
  scroller.setDirection(sdLeftRight);
  scroller.setActive(true);
  bool activeInMouseDown = false;
  scroller.OnMouseDown = [&](TQxScroller*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
    activeInMouseDown = scroller.Active();  // the ordinary event comes first
  };
  press(250);
  EXPECT_TRUE(activeInMouseDown);
  EXPECT_FALSE(scroller.Active());
  EXPECT_TRUE(scroller.band().dragging());
  EXPECT_EQ(scroller.band().grabbedIndex(), 2);
  EXPECT_EQ(scroller.band().grabOffset(), 50);
  EXPECT_TRUE(scroller.cursor() == holdingHandCursor());
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(*QGuiApplication::overrideCursor() == holdingHandCursor());

  bool activeInLinkClick = true;
  scroller.OnHyperlinkClick = [&](TQxScroller*, QString&, bool&) { activeInLinkClick = scroller.Active(); };
  release(250);
  EXPECT_FALSE(activeInLinkClick) << "the link is executed before the band moves again";
  EXPECT_EQ(shell.opened, QStringList{"http://www.example.com/2"});
  EXPECT_TRUE(scroller.Active());
  EXPECT_FALSE(scroller.band().dragging());
  EXPECT_EQ(scroller.Direction(), sdLeftRight);
  EXPECT_EQ(scroller.ScrollSpeed(), speed5_VeryFast);
  EXPECT_TRUE(scroller.cursor() == openHandCursor());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(MouseFixture, DraggingMovesTheGrabbedItemWithTheMouseAndAThrowSetsTheMotion) {
  const struct {
    TScrollDirection direction;
    int from, to;
    TScrollDirection after;
    TScrollSpeed speed;
  } cases[] = {
      {sdRightLeft, 200, 140, sdRightLeft, speed3_Normal},
      {sdRightLeft, 100, 120, sdLeftRight, speed1_VerySlow},
      {sdLeftRight, 0, 300, sdLeftRight, speed10_VeryFast},
  };
  for (const auto& c : cases) {
    scroller.setDirection(c.direction);
    scroller.setScrollSpeed(speed5_VeryFast);
    scroller.setActive(true);
    press(c.from);
    const int left = c.from - scroller.band().grabOffset();
    move(c.to);
    EXPECT_EQ(scroller.HitTest(c.to)->index, scroller.band().grabbedIndex());
    EXPECT_EQ(scroller.HitTest(c.to)->left, left + c.to - c.from) << "the item moved with the mouse";
    release(c.to);
    EXPECT_EQ(scroller.Direction(), c.after);
    EXPECT_EQ(scroller.ScrollSpeed(), c.speed);
    EXPECT_EQ(scroller.scrollTimerInterval(), speedEntry(c.speed).tickMs);
    EXPECT_TRUE(scroller.Active());
  }
  EXPECT_TRUE(shell.opened.isEmpty()) << "a throw is no click";
}

TEST_F(MouseFixture, ExecuteSetFalseOpensNothingAndTheGrabStillEnds) {
  scroller.setActive(true);
  QString seen;
  scroller.OnHyperlinkClick = [&](TQxScroller* sender, QString& link, bool& execute) {
    EXPECT_EQ(sender, &scroller);
    EXPECT_TRUE(execute);
    seen = link;
    execute = false;
  };
  click(30);
  EXPECT_EQ(seen, "http://www.example.com/0");
  EXPECT_TRUE(shell.opened.isEmpty());
  EXPECT_TRUE(shell.started.empty());
  EXPECT_TRUE(scroller.Active());
  EXPECT_FALSE(scroller.band().dragging());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(MouseFixture, TheControlOpensWebMailAndProgramLinksItself) {
  const struct {
    const char* link;
    QStringList opened;
    QString program, folder;  // started program, when one is
  } cases[] = {
      {"HTTP://WWW.EXAMPLE.COM/", {"HTTP://WWW.EXAMPLE.COM/"}, {}, {}},
      {"  https://www.example.com/a b  ", {"https://www.example.com/a b"}, {}, {}},
      {"MailTo:club@example.com", {"MailTo:club@example.com"}, {}, {}},
      {"exec:/opt/tavo tools/viewer", {}, "/opt/tavo tools/viewer", "/opt/tavo tools/"},
      {"EXEC: viewer", {}, "viewer", ""},
      {"exec:", {}, {}, {}},
      {"exec:    ", {}, {}, {}},
      {"Slideshow Beach", {}, {}, {}},  // for the bar's own dispatcher, not for the control
      {"   ", {}, {}, {}},
      // Shell metacharacters reach the platform as one unchanged argument.
      {"http://example.com/?q=a;b&c=$(rm -rf ~)|`id`", {"http://example.com/?q=a;b&c=$(rm -rf ~)|`id`"}, {}, {}},
      {"exec:/tmp/a; rm -rf ~ && echo $HOME | `id` \"q\" 'r' > x", {},
       "/tmp/a; rm -rf ~ && echo $HOME | `id` \"q\" 'r' > x", "/tmp/"},
  };
  for (const auto& c : cases) {
    shell.opened.clear();
    shell.started.clear();
    linkOf(1, c.link);
    click(150);
    EXPECT_EQ(shell.opened, c.opened) << c.link;
    if (c.program.isEmpty()) {
      EXPECT_TRUE(shell.started.empty()) << c.link;
    } else {
      ASSERT_EQ(shell.started.size(), 1u) << c.link;
      EXPECT_EQ(shell.started[0].program, c.program);
      EXPECT_TRUE(shell.started[0].arguments.isEmpty());
      EXPECT_EQ(shell.started[0].workingFolder, c.folder);
    }
  }
}

TEST_F(MouseFixture, TheHandlerMayChangeTheLinkAndOnlyNonEmptyLinksReachIt) {
  int calls = 0;
  scroller.OnHyperlinkClick = [&](TQxScroller*, QString& link, bool&) {
    ++calls;
    link = " mailto:changed@example.com ";
  };
  click(150);
  EXPECT_EQ(shell.opened, QStringList{"mailto:changed@example.com"});
  linkOf(1, "  ");
  click(150);
  EXPECT_EQ(calls, 1);

  scroller.setOptions(scroller.Options().setFlag(TScrollerOption::opExecuteHyperlinks, false));
  click(50);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(shell.opened.size(), 1);
}

TEST_F(MouseFixture, PressAndReleaseAtDifferentPlacesIsNoClick) {
  press(150);
  release(151);
  EXPECT_TRUE(shell.opened.isEmpty());
  QTest::mouseRelease(&scroller, Qt::LeftButton, {}, QPoint(151, 10));
  EXPECT_TRUE(shell.opened.isEmpty()) << "a release without its press";
}

TEST_F(MouseFixture, TheHintFollowsTheItemUnderTheMouse) {
  move(140);
  EXPECT_EQ(scroller.toolTip(), "");
  scroller.setShowHyperlinkHint(true);
  move(150);
  EXPECT_EQ(scroller.toolTip(), "hint 1");
  move(299);
  EXPECT_EQ(scroller.toolTip(), "hint 2");
}

TEST_F(MouseFixture, TheGrabbedItemIsOutlined) {
  scroller.setActive(true);
  press(150);
  // The outline inverts the band's black at item 1's edges, [100, 200).
  const QImage shot = scroller.grab().toImage();
  int inverted = 0;
  for (int y = 0; y < 30; ++y) inverted += shot.pixelColor(100, y) == QColor(Qt::white);
  EXPECT_GT(inverted, 5);
  EXPECT_EQ(shot.pixelColor(150, 15), QColor(Qt::black));
  release(150);
}

TEST_F(MouseFixture, ADoubleClickOnAnItemExecutesItsLinkOnce) {
  scroller.setActive(true);
  int dblClicks = 0;
  scroller.OnDblClick = [&](TQxScroller*) { ++dblClicks; };
  // What a window system delivers: press, release, then the second press as
  // the double click, and its release.
  click(150);
  QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(150, 10), scroller.mapToGlobal(QPointF(150, 10)),
                     Qt::LeftButton, Qt::LeftButton, {});
  QApplication::sendEvent(&scroller, &second);
  release(150);
  EXPECT_EQ(dblClicks, 1);
  EXPECT_EQ(shell.opened, QStringList{"http://www.example.com/1"});
  EXPECT_TRUE(scroller.Active());
  EXPECT_FALSE(scroller.band().dragging());
  // The next single click is a click again.
  click(250);
  EXPECT_EQ(shell.opened, (QStringList{"http://www.example.com/1", "http://www.example.com/2"}));
}

TEST_F(MouseFixture, HidingTheControlOrLeavingItsWindowEndsAGrab) {
  scroller.setScrollSpeed(speed5_VeryFast);
  scroller.setDirection(sdLeftRight);
  scroller.setActive(true);
  for (const char* how : {"hide", "deactivate"}) {
    press(250);
    ASSERT_TRUE(scroller.band().dragging()) << how;
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr) << how;
    if (std::string(how) == "hide") {
      scroller.hide();
    } else {
      QEvent change(QEvent::ActivationChange);  // the offscreen window never has the focus
      QApplication::sendEvent(&scroller, &change);
    }
    EXPECT_FALSE(scroller.band().dragging()) << how;
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << how;
    EXPECT_TRUE(scroller.Active()) << how;
    EXPECT_EQ(scroller.Direction(), sdLeftRight) << how;
    EXPECT_EQ(scroller.ScrollSpeed(), speed5_VeryFast) << how;
    EXPECT_TRUE(shell.opened.isEmpty()) << how;  // no release, no click
    scroller.show();
  }
}

TEST_F(MouseFixture, AHiddenScrollerRunsNoTimerAndGoesOnWhereItStopped) {
  scroller.setActive(true);
  EXPECT_TRUE(scroller.scrollTimerRunning());
  scroller.scrollTimerTick();
  const auto at = std::pair(scroller.band().headIndex(), scroller.band().offset());
  scroller.hide();
  EXPECT_TRUE(scroller.Active());  // still meant to move
  EXPECT_FALSE(scroller.scrollTimerRunning());
  scroller.show();
  EXPECT_TRUE(scroller.scrollTimerRunning());
  EXPECT_EQ(std::pair(scroller.band().headIndex(), scroller.band().offset()), at);
  scroller.setActive(false);
  EXPECT_FALSE(scroller.scrollTimerRunning());
  scroller.hide();
  scroller.setActive(true);  // set while hidden: runs from the next show
  EXPECT_FALSE(scroller.scrollTimerRunning());
  scroller.show();
  EXPECT_TRUE(scroller.scrollTimerRunning());
}

TEST_F(MouseFixture, ARelativeExecProgramIsFoundInTheLinksFolderAndStartsInItsOwn) {
  test::TempFolder t;
  const std::string program = t.write("Town News/Tools/Run.sh", "#!/bin/sh\n");
  t.write("Town News/viewer", "#!/bin/sh\n");
  scroller.setLinkFolder(QString::fromStdString(t / "Town News/"));
  const struct {
    const char* link;
    QString program, folder;  // empty: nothing starts
  } cases[] = {
      {"exec:tools/run.sh", QString::fromStdString(program), QString::fromStdString(t / "Town News/Tools/")},
      {"exec:TOOLS\\Run.sh", QString::fromStdString(program), QString::fromStdString(t / "Town News/Tools/")},
      {"exec:viewer", QString::fromStdString(t / "Town News/viewer"), QString::fromStdString(t / "Town News/")},
      {"exec:xterm", "xterm", ""},                 // a bare name found nowhere here: the PATH's
      {"exec:tools/missing.sh", {}, {}},           // a relative path naming nothing
      {"exec:/usr/bin/env", "/usr/bin/env", "/usr/bin/"},
  };
  for (const auto& c : cases) {
    shell.started.clear();
    linkOf(1, c.link);
    click(150);
    if (c.program.isEmpty()) {
      EXPECT_TRUE(shell.started.empty()) << c.link;
      continue;
    }
    ASSERT_EQ(shell.started.size(), 1u) << c.link;
    EXPECT_EQ(shell.started[0].program, c.program) << c.link;
    EXPECT_EQ(shell.started[0].workingFolder, c.folder) << c.link;
  }
}

}  // namespace
}  // namespace tavo::ticker
