// The TQxScroller widget on the offscreen platform: item images and widths,
// composition on screen, notifications, timers, mouse grabs and throws.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QTest>

#include "tests/support/QtPrinters.h"
#include "ticker/ScrollerCursors.h"
#include "ticker/TQxScroller.h"

namespace tavo::ticker {
namespace {

using enum TScrollDirection;
using enum TScrollSpeed;

QPixmap solidPicture(int width, int height, const QColor& color) {
  QPixmap picture(width, height);
  picture.fill(color);
  return picture;
}

// A shown scroller without border, so that client and control coincide.
struct ShownScroller {
  explicit ShownScroller(int width = 200, int height = 30) {
    scroller.setBorderStyle(TBorderStyle::bsNone);
    scroller.resize(width, height);
    scroller.show();
    QApplication::processEvents();
  }
  TScrollerItem* gap(quint16 margin, const QColor& color) {
    TScrollerItem* item = scroller.Items().Add();
    item->setMargin(margin);
    item->setBackground(color);
    return item;
  }
  // The control as the user sees it after a paint.
  QImage shot() { return scroller.grab().toImage(); }
  TQxScroller scroller;
};

TEST(TScrollerItem, WidthIsTheTextsWidthPlusTwoMarginsAndGapsAreMarginWide) {
  ShownScroller s;
  TScrollerItem* item = s.scroller.Items().Add();
  const QFontMetrics metrics(item->Font());
  const struct {
    const char* text1;
    const char* text2;
    quint16 margin;
    int width;
  } cases[] = {
      {"abc", "", 4, metrics.horizontalAdvance("abc") + 8},
      {"", "abc", 4, metrics.horizontalAdvance("abc") + 8},
      {"a & b", "", 0, metrics.horizontalAdvance("a & b")},  // "&" as written, no prefix
      {"short", "a longer second line", 30, metrics.horizontalAdvance("a longer second line") + 60},
      {"", "", 30, 30},
      {"", "", 0, 1},
  };
  for (const auto& c : cases) {
    item->setText1(c.text1);
    item->setText2(c.text2);
    item->setMargin(c.margin);
    EXPECT_EQ(item->GraphicWidth(), c.width) << c.text1 << "/" << c.text2 << " margin " << c.margin;
    EXPECT_EQ(item->GraphicHeight(), s.scroller.ClientHeight());
    EXPECT_EQ(s.scroller.band().width(0), c.width) << "the band follows the item";
  }
}

TEST(TScrollerItem, DefaultsFollowTheScrollerAndTheFontChangeRebuildsTheImage) {
  ShownScroller s;
  s.scroller.setColor(QColor(10, 20, 30));
  TScrollerItem* item = s.scroller.Items().Add();
  EXPECT_EQ(item->Background(), QColor(10, 20, 30));
  EXPECT_EQ(item->Font().family(), "Arial");
  EXPECT_EQ(item->Font().pointSize(), 8);
  EXPECT_EQ(item->FontColor(), QColor(Qt::white));
  EXPECT_EQ(item->Margin(), 4);
  EXPECT_TRUE(item->UseTextImage());
  EXPECT_EQ(item->Alignment(), TAlignment::taLeftJustify);

  item->setText1("Harbour");
  const int narrow = item->GraphicWidth();
  QFont big = item->Font();
  big.setPointSize(20);
  item->setFont(big);
  EXPECT_GT(item->GraphicWidth(), narrow);
  EXPECT_EQ(item->TextImage().width(), item->GraphicWidth());
  EXPECT_EQ(item->TextImage().height(), s.scroller.ClientHeight());

  // The image is as high as the client area, also after a resize.
  s.scroller.resize(200, 44);
  QApplication::processEvents();
  EXPECT_EQ(item->TextImage().height(), 44);
}

TEST(TScrollerItem, AOneLineTextIsCentredAndTwoLinesStartAtTheTop) {
  ShownScroller s(200, 40);
  TScrollerItem* item = s.scroller.Items().Add();
  auto inkRows = [&] {
    const QImage& image = item->TextImage();
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) != item->Background()) {
          if (first < 0) first = y;
          last = y;
          break;
        }
    return std::pair{first, last};
  };
  item->setText1("HHHH");
  const auto [top, bottom] = inkRows();
  EXPECT_NEAR(top, 40 - 1 - bottom, 2) << "as much room above as below";
  item->setText2("HHHH");
  const auto [top2, bottom2] = inkRows();
  EXPECT_LT(top2, top);
  EXPECT_LE(top2, 4) << "the first line starts at the top";
  EXPECT_GT(bottom2, top2 + QFontMetrics(item->Font()).height()) << "the second line below it";
}

TEST(TScrollerItem, APictureSwitchesTheItemToItAndAnEmptyOneChangesNothing) {
  ShownScroller s;
  TScrollerItem* item = s.scroller.Items().Add();
  item->setText1("text");
  item->setBitmap(QPixmap());
  EXPECT_TRUE(item->UseTextImage());
  item->setBitmap(solidPicture(16, 12, Qt::red));
  EXPECT_FALSE(item->UseTextImage());
  EXPECT_EQ(item->GraphicWidth(), 16);
  EXPECT_EQ(item->GraphicHeight(), 12);
  EXPECT_EQ(s.scroller.band().width(0), 16);
  item->setUseTextImage(true);
  EXPECT_EQ(item->GraphicWidth(), QFontMetrics(item->Font()).horizontalAdvance("text") + 8);
  item->setUseTextImage(false);
  item->setBitmap(QPixmap());  // keeps showing the (empty) picture: width 0
  EXPECT_FALSE(item->UseTextImage());
  EXPECT_EQ(item->GraphicWidth(), 0);
}

TEST(TScrollerItem, AssignCopiesAllButMarginAndHint) {
  ShownScroller s;
  TScrollerItem* source = s.scroller.Items().Add();
  source->setAlignment(TAlignment::taCenter);
  source->setBackground(Qt::blue);
  QFont font("Arial");
  font.setPointSize(15);
  source->setFont(font);
  source->setFontColor(Qt::yellow);
  source->setHyperlink("http://www.example.com/");
  source->setHint("source hint");
  source->setMargin(30);
  source->setText1("one");
  source->setText2("two");
  source->setBitmap(solidPicture(5, 5, Qt::green));
  source->setUseTextImage(true);

  TScrollerItem* target = s.scroller.Items().Add();
  target->setMargin(9);
  target->setHint("target hint");
  int changes = 0;
  target->OnChange = [&](TScrollerItem* sender) {
    EXPECT_EQ(sender, target);
    ++changes;
  };
  target->Assign(*source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(target->Alignment(), TAlignment::taCenter);
  EXPECT_EQ(target->Background(), QColor(Qt::blue));
  EXPECT_EQ(target->Font(), font);
  EXPECT_EQ(target->FontColor(), QColor(Qt::yellow));
  EXPECT_EQ(target->Hyperlink(), "http://www.example.com/");
  EXPECT_EQ(target->Bitmap().size(), QSize(5, 5));
  EXPECT_EQ(target->Text1(), "one");
  EXPECT_EQ(target->Text2(), "two");
  EXPECT_TRUE(target->UseTextImage());
  EXPECT_EQ(target->Margin(), 9);
  EXPECT_EQ(target->Hint(), "target hint");
  EXPECT_EQ(target->GraphicWidth(), source->GraphicWidth() - 2 * 30 + 2 * 9);

  // Setting Items copies through the same rule.
  TQxScroller other;
  other.setItems(s.scroller.Items());
  ASSERT_EQ(other.Items().Count(), 2);
  EXPECT_EQ(other.Items().Items(0)->Text1(), "one");
  EXPECT_EQ(other.Items().Items(0)->Margin(), 4);
  EXPECT_EQ(other.Items().Items(0)->Hint(), "");
  EXPECT_EQ(other.Items().Items(0)->Hyperlink(), "http://www.example.com/");
  EXPECT_EQ(other.Items().GetOwner(), &other);
}

TEST(TQxScrollerDrawing, ItemsNarrowerThanTheControlRepeatToFillIt) {
  ShownScroller s(200, 30);
  s.gap(30, Qt::red);
  s.gap(20, Qt::blue);
  const QImage shot = s.shot();
  // red [0,30) blue [30,50) red [50,80) blue [80,100) ... to the right edge
  const struct {
    int x;
    QColor color;
  } cases[] = {{0, Qt::red},    {29, Qt::red},   {30, Qt::blue},  {49, Qt::blue}, {50, Qt::red},
               {99, Qt::blue},  {150, Qt::red},  {179, Qt::red}, {180, Qt::blue}, {199, Qt::blue}};
  for (const auto& c : cases) EXPECT_EQ(shot.pixelColor(c.x, 15), c.color) << "x " << c.x;
  EXPECT_EQ(s.scroller.band().tailIndex(), 0) << "the red one just past the right edge";
}

TEST(TQxScrollerDrawing, PicturesAreCentredWhenBufferedAndAtTheTopWhenDrawnDirectly) {
  ShownScroller s(100, 30);
  s.scroller.Items().Add()->setBitmap(solidPicture(100, 10, Qt::green));
  const QImage buffered = s.shot();
  EXPECT_EQ(buffered.pixelColor(50, 9), QColor(Qt::black));
  EXPECT_EQ(buffered.pixelColor(50, 10), QColor(Qt::green));  // (30 - 10) div 2
  EXPECT_EQ(buffered.pixelColor(50, 19), QColor(Qt::green));
  EXPECT_EQ(buffered.pixelColor(50, 20), QColor(Qt::black));

  s.scroller.setOptions(s.scroller.Options() | TScrollerOption::opDirectDraw);
  const QImage direct = s.shot();
  EXPECT_EQ(direct.pixelColor(50, 0), QColor(Qt::green));
  EXPECT_EQ(direct.pixelColor(50, 9), QColor(Qt::green));
  EXPECT_EQ(direct.pixelColor(50, 10), QColor(Qt::black));
  EXPECT_EQ(direct.pixelColor(50, 25), QColor(Qt::black));
}

TEST(TQxScrollerDrawing, TheBorderSurroundsTheClientArea) {
  TQxScroller scroller;
  EXPECT_EQ(scroller.size(), QSize(240, 32));
  EXPECT_EQ(scroller.BorderStyle(), TBorderStyle::bsSingle);
  EXPECT_EQ(scroller.ClientWidth(), 236);
  EXPECT_EQ(scroller.ClientHeight(), 28);
  scroller.Items().Add()->setBitmap(solidPicture(300, 28, Qt::green));
  scroller.show();
  const QImage shot = scroller.grab().toImage();
  EXPECT_NE(shot.pixelColor(0, 16), QColor(Qt::green));
  EXPECT_EQ(shot.pixelColor(2, 2), QColor(Qt::green));
  EXPECT_EQ(shot.pixelColor(237, 29), QColor(Qt::green));
  scroller.setBorderStyle(TBorderStyle::bsNone);
  EXPECT_EQ(scroller.ClientHeight(), 32);
}

// Counts the paints a widget receives.
struct PaintCounter : QObject {
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST(TQxScrollerDrawing, AChangedItemRepaintsAStoppedScrollerOnly) {
  ShownScroller s;
  TScrollerItem* item = s.scroller.Items().Add();
  PaintCounter counter;
  s.scroller.installEventFilter(&counter);
  int changes = 0;
  item->OnChange = [&](TScrollerItem*) { ++changes; };

  item->setText1("stopped");
  QApplication::processEvents();
  EXPECT_GE(counter.paints, 1);
  EXPECT_EQ(changes, 1);

  s.scroller.setActive(true);
  QApplication::processEvents();
  counter.paints = 0;
  item->setText1("moving");
  QApplication::processEvents();
  EXPECT_EQ(counter.paints, 0) << "a moving band shows it at the next tick";
  EXPECT_EQ(changes, 2);
  s.scroller.setActive(false);
}

TEST(TQxScrollerMotion, StartScrollOnceAtTheFirstPaintAfterReset) {
  ShownScroller s(100, 30);
  s.gap(60, Qt::red);
  s.gap(60, Qt::blue);
  int started = 0;
  s.scroller.OnStartScroll = [&](TQxScroller* sender) {
    EXPECT_EQ(sender, &s.scroller);
    ++started;
  };
  s.scroller.Reset();
  EXPECT_EQ(s.scroller.band().headIndex(), -1);
  s.shot();
  s.shot();
  EXPECT_EQ(started, 1);
  EXPECT_EQ(s.scroller.band().headIndex(), 0);
  EXPECT_EQ(s.scroller.band().tailIndex(), 1);
  s.scroller.Reset();
  s.shot();
  EXPECT_EQ(started, 2);
}

// Driving the scroll timer's handler: every tick moves the band by the
// table's step, in both directions, and the timer ticks at the table's interval.
TEST(TQxScrollerMotion, EachTickMovesTheBandByTheStepOfItsSpeed) {
  ShownScroller s(300, 30);
  s.gap(5000, Qt::red);  // long enough that no item change interferes
  s.gap(5000, Qt::blue);
  EXPECT_EQ(s.scroller.scrollTimerInterval(), kCreationTickMs);
  s.shot();
  for (int position = 0; position < kSpeedCount; ++position) {
    const TScrollSpeed speed = speedAtPosition(position);
    s.scroller.setScrollSpeed(speed);
    EXPECT_EQ(s.scroller.scrollTimerInterval(), speedEntry(speed).tickMs);
    s.scroller.setActive(true);
    for (const auto direction : {sdRightLeft, sdLeftRight}) {
      s.scroller.setDirection(direction);
      s.scroller.scrollTimerTick();  // settles the other end after a turn
      for (int tick = 0; tick < 3; ++tick) {
        // The item under x 150 and where it starts, before and after the tick.
        const Hit before = *s.scroller.HitTest(150);
        s.scroller.scrollTimerTick();
        const Hit after = *s.scroller.HitTest(150);
        const int step = speedEntry(speed).step;
        EXPECT_EQ(after.index, before.index);
        EXPECT_EQ(after.left, before.left + (direction == sdRightLeft ? -step : step)) << position;
      }
    }
    s.scroller.setActive(false);
  }
}

TEST(TQxScrollerMotion, AStoppedBandStaysAndSkipJumpsOneItem) {
  ShownScroller s(100, 30);
  s.gap(60, Qt::red);
  s.gap(60, Qt::blue);
  s.shot();
  s.scroller.scrollTimerTick();
  EXPECT_EQ(s.scroller.band().offset(), 0);
  int started = 0;
  s.scroller.OnStartScroll = [&](TQxScroller*) { ++started; };
  s.scroller.SkipItem();
  EXPECT_EQ(s.scroller.band().headIndex(), 1);
  EXPECT_EQ(s.shot().pixelColor(10, 10), QColor(Qt::blue));
  s.scroller.SkipItem();
  EXPECT_EQ(s.scroller.band().headIndex(), 0);
  EXPECT_EQ(started, 1);
}

TEST(TQxScrollerMotion, TheItemDelayTimerKeepsItsIntervalAndStartsTheBand) {
  TQxScroller scroller;
  EXPECT_EQ(scroller.NextItemDelay(), 0u);
  scroller.setNextItemDelay(4000);
  EXPECT_EQ(scroller.NextItemDelay(), 4000u);
  EXPECT_FALSE(scroller.itemDelayTimerActive());
  scroller.itemDelayTimerTick();
  EXPECT_TRUE(scroller.Active());
  EXPECT_FALSE(scroller.itemDelayTimerActive());
  scroller.setActive(false);
}

TEST(TQxScrollerOptions, DefaultsAndTheOpenHandCursorRule) {
  TQxScroller scroller;
  EXPECT_EQ(scroller.Options(), TScrollerOption::opActiveMouse | TScrollerOption::opDrawFocus);
  EXPECT_FALSE(scroller.Active());
  EXPECT_EQ(scroller.Direction(), sdRightLeft);
  EXPECT_EQ(scroller.ScrollSpeed(), speed3_Normal);
  EXPECT_FALSE(scroller.ShowHyperlinkHint());
  EXPECT_EQ(scroller.Color(), QColor(Qt::black));
  EXPECT_TRUE(scroller.cursor() == openHandCursor());

  scroller.setOptions(TScrollerOption::opDrawFocus);
  EXPECT_EQ(scroller.cursor().shape(), Qt::ArrowCursor);
  scroller.setOptions(TScrollerOption::opActiveMouse);
  EXPECT_TRUE(scroller.cursor() == openHandCursor());

  // A cursor of the caller's own survives removing the option.
  scroller.setCursor(Qt::IBeamCursor);
  scroller.setOptions({});
  EXPECT_EQ(scroller.cursor().shape(), Qt::IBeamCursor);
  EXPECT_TRUE(scrollerCursor(kHoldingHandCursorId) == holdingHandCursor());
}

}  // namespace
}  // namespace tavo::ticker
