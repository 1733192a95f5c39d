// Text images are rendered when an item is first drawn and kept within a
// memory budget, so a ticker of thousands of lines neither renders them all
// when it is filled nor keeps them all.
#include <gtest/gtest.h>

#include <QApplication>

#include "ticker/TQxScroller.h"

namespace tavo::ticker {
namespace {

TEST(TextImageBudget, ImagesAreRenderedWhenDrawnAndKeptWithinTheBudget) {
  TQxScroller scroller;
  scroller.setBorderStyle(TBorderStyle::bsNone);
  scroller.resize(1920, 47);
  scroller.show();
  QApplication::processEvents();

  const QString line = QString("A ticker line long enough to be several hundred pixels wide, number ");
  for (int i = 0; i < 3000; ++i) {
    TScrollerItem* item = scroller.Items().Add();
    item->setMargin(30);
    item->setText1(line + QString::number(i));
  }
  TScrollerCollection& items = scroller.Items();
  // Filled and measured, nothing rendered yet.
  EXPECT_GT(items.Items(0)->GraphicWidth(), 300);
  EXPECT_EQ(items.RenderedImageBytes(), 0);
  EXPECT_FALSE(items.Items(2999)->HasRenderedTextImage());

  // Drawing every item in turn renders them, but never keeps more than the budget.
  qsizetype total = 0;
  for (int i = 0; i < items.Count(); ++i) {
    const QImage& image = items.Items(i)->TextImage();
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.width(), items.Items(i)->GraphicWidth());
    total += image.sizeInBytes();
    ASSERT_LE(items.RenderedImageBytes(), TScrollerCollection::kImageBudgetBytes);
  }
  EXPECT_GT(total, TScrollerCollection::kImageBudgetBytes);  // the test did go past the budget
  EXPECT_TRUE(items.Items(2999)->HasRenderedTextImage());    // the most recent stay
  EXPECT_FALSE(items.Items(0)->HasRenderedTextImage());      // the oldest went

  // A released image comes back the same when it is needed again.
  const QImage again = items.Items(0)->TextImage();
  EXPECT_EQ(again.width(), items.Items(0)->GraphicWidth());
  EXPECT_EQ(again.height(), scroller.ClientHeight());

  // A change drops the image and the budget follows.
  const qsizetype before = items.RenderedImageBytes();
  items.Items(0)->setText1("changed");
  EXPECT_FALSE(items.Items(0)->HasRenderedTextImage());
  EXPECT_LT(items.RenderedImageBytes(), before);
  items.Clear();
  EXPECT_EQ(items.RenderedImageBytes(), 0);
}

}  // namespace
}  // namespace tavo::ticker
