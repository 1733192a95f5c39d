#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "common/widgets/TFmListBox.h"
#include "common/widgets/TqxFileListBoxDialog.h"
#include "common/widgets/TqxListBoxDialog.h"
#include "platform/QtText.h"
#include "platform/testing/TestPlatform.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempFolder.h"

namespace tavo {
namespace {

using platform::testing::TestMessages;

// Runs `act` on the pick list once it is shown modally.
void whenShown(std::function<void(TFmListBox&)> act) {
  QTimer::singleShot(0, [act] {
    auto* box = qobject_cast<TFmListBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    act(*box);
  });
}

TEST(TFmListBox, WidthFollowsTheLongestEntryWithinTheLimits) {
  struct Case {
    QStringList items;
    std::optional<QChar> delimiter;
    int width;
  };
  const Case cases[] = {
      {{QString(100, 'a'), "b"}, std::nullopt, 545},
      {{QString(200, 'a')}, std::nullopt, 600},
      {{"ab"}, std::nullopt, 300},
      // Columns: 20 + 40 characters over the entries.
      {{QString(20, 'x') + "|" + QString(10, 'y'), "x|" + QString(40, 'y')}, QChar('|'), 45 + 5 * 60},
  };
  TestMessages messages("TavoCreator");
  for (const auto& c : cases) {
    TFmListBox box(messages);
    box.setDelimiter(c.delimiter);
    box.setItems(c.items);
    box.show();
    EXPECT_EQ(box.width(), c.width) << c.items.first().size();
    box.resize(2000, box.height());
    EXPECT_LE(box.width(), 600);
  }
}

TEST(TFmListBox, ColumnWidthsCountTheFieldsOfTheFirstEntry) {
  EXPECT_EQ(TFmListBox::columnWidthsInChars({"ab|c", "a|cdef|ghi"}, QChar('|')), (std::vector<int>{2, 4}));
  EXPECT_EQ(TFmListBox::columnWidthsInChars({"abc", "a"}, std::nullopt), (std::vector<int>{3}));
}

TEST(TFmListBox, OkWithNothingSelectedAsksAgain) {
  TestMessages messages("TavoCreator");
  TFmListBox box(messages);
  EXPECT_EQ(box.windowTitle(), "Select a Value");
  EXPECT_EQ(box.LbCurValue->text(), "Current Value");
  EXPECT_EQ(box.LbPrompt->text(), "Select a Value");
  EXPECT_TRUE(box.LbPrompt->font().bold());
  EXPECT_TRUE(box.EdCurValue->isReadOnly());
  box.setItems({"Beach", "Boats"});
  whenShown([&](TFmListBox& b) {
    b.BtnOK->click();
    EXPECT_TRUE(b.isVisible());
    b.LBxValues->setCurrentRow(1);
    b.BtnOK->click();
  });
  EXPECT_EQ(box.exec(), QDialog::Accepted);
  EXPECT_EQ(box.selectedValue(), "Boats");
  EXPECT_EQ(messages.texts(), QStringList({"You must select something or press Cancel"}));
}

TEST(TFmListBox, HiddenCurrentValueMovesThePromptAndListUp) {
  TestMessages messages("TavoCreator");
  TFmListBox box(messages);
  box.setItems({"a"});
  box.show();
  const int listTop = box.LBxValues->y();
  box.hideCurrentValue();
  box.resize(box.width(), box.height() + 1);
  EXPECT_EQ(box.LBxValues->y(), box.EdCurValue->y() + 10);
  EXPECT_EQ(box.LbPrompt->y(), box.LbCurValue->y() + 10);
  EXPECT_LT(box.LBxValues->y(), listTop);
  // Kept 10 pixels from both sides, down to the button panel.
  EXPECT_EQ(box.LBxValues->x(), 10);
  EXPECT_EQ(box.LBxValues->geometry().right() + 1, box.width() - 10);
  EXPECT_EQ(box.LBxValues->geometry().bottom() + 1, box.PnButtons()->y());
}

// Entries split into columns with a picture from the image column: its red
// parts are transparent, its other parts are drawn at the left of the entry.
TEST(TFmListBox, ColumnsWithPicturesDrawRedTransparent) {
  TestMessages messages("TavoCreator");
  TFmListBox box(messages);
  QPixmap picture(12, 12);
  picture.fill(Qt::red);
  {
    QPainter p(&picture);
    p.fillRect(0, 0, 6, 12, Qt::blue);
  }
  box.setDelimiter(QChar('|'));
  box.setImageList({picture}, 2);
  box.setItems({"Beach|0|Sunset pictures", "Boats|7|no picture for 7"});
  box.show();
  const QRect first = box.LBxValues->visualItemRect(box.LBxValues->item(0));
  EXPECT_EQ(first.height(), 16);
  const QImage image = box.LBxValues->viewport()->grab().toImage();
  int blue = 0, red = 0;
  for (int y = first.top(); y <= first.bottom(); ++y)
    for (int x = 0; x < 20; ++x) {
      const QColor c = image.pixelColor(x, y);
      blue += c == QColor(Qt::blue);
      red += c == QColor(Qt::red);
    }
  EXPECT_EQ(blue, 6 * 12);
  EXPECT_EQ(red, 0);
  const QRect second = box.LBxValues->visualItemRect(box.LBxValues->item(1));
  int blueInSecond = 0;
  for (int y = second.top(); y <= second.bottom(); ++y)
    for (int x = 0; x < 20; ++x) blueInSecond += image.pixelColor(x, y) == QColor(Qt::blue);
  EXPECT_EQ(blueInSecond, 0);  // an index with no picture draws none
}

class FileListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tmp.write("report.final.txt", "x");
    tmp.write("agenda.txt", "x");
    tmp.write("Minutes.txt", "x");
    dlg.Path = platform::fromPath(tmp / "*.*");
    dlg.Caption = "Reports";
    dlg.Prompt = "Choose a report";
  }
  test::TempFolder tmp;
  TestMessages messages{"TavoCreator"};
  TqxFileListBoxDialog dlg{messages};
};

TEST_F(FileListTest, ExecuteListsNamesWithoutExtensionAndReturnsTheChoice) {
  QStringList shown;
  whenShown([&](TFmListBox& b) {
    shown = b.items();
    EXPECT_EQ(b.windowTitle(), "Reports");
    EXPECT_EQ(b.LbPrompt->text(), "Choose a report");
    EXPECT_FALSE(b.LbCurValue->isVisible());
    b.LBxValues->setCurrentRow(2);
    b.BtnOK->click();
  });
  EXPECT_TRUE(dlg.Execute());
  EXPECT_EQ(shown, QStringList({"agenda", "Minutes", "report"}));
  EXPECT_EQ(dlg.Choice, "report");
  EXPECT_EQ(dlg.NumFiles, 3);
}

TEST_F(FileListTest, CurrentValueIsLeftOutOrSelected) {
  dlg.Choice = "minutes";
  QStringList shown;
  whenShown([&](TFmListBox& b) {
    shown = b.items();
    b.reject();
  });
  EXPECT_FALSE(dlg.Execute());
  EXPECT_EQ(shown, QStringList({"agenda", "report"}));
  EXPECT_EQ(dlg.NumFiles, 2);
  EXPECT_EQ(dlg.Choice, "");  // cancelled

  dlg.Choice = "Minutes";
  dlg.CurValueInList = true;
  dlg.ShowCurValue = true;
  dlg.CurValueLabel = "Current Report";
  whenShown([&](TFmListBox& b) {
    EXPECT_EQ(b.LbCurValue->text(), "Current Report");
    EXPECT_EQ(b.EdCurValue->text(), "Minutes");
    EXPECT_EQ(b.selectedValue(), "Minutes");
    b.BtnOK->click();
  });
  EXPECT_TRUE(dlg.Execute());
  EXPECT_EQ(dlg.Choice, "Minutes");
}

TEST_F(FileListTest, NothingToOfferShowsNothing) {
  dlg.ShowDirsOnly = true;  // there are no folders
  dlg.Choice = "old";
  bool opened = false;
  QTimer::singleShot(0, [&] {
    if (QApplication::activeModalWidget()) {
      opened = true;
      QApplication::activeModalWidget()->close();
    }
  });
  EXPECT_FALSE(dlg.Execute());
  QApplication::processEvents();
  EXPECT_FALSE(opened);
  EXPECT_EQ(dlg.NumFiles, 0);
  EXPECT_EQ(dlg.Choice, "");
}

TEST(TqxListBoxDialog, MultiSelectReturnsEveryChosenEntry) {
  TestMessages messages("TavoCreator");
  TqxListBoxDialog pick(messages);
  pick.Items = {"beta", "Alpha", "gamma"};
  pick.Sorted = true;
  pick.MultiSelect = true;
  whenShown([&](TFmListBox& b) {
    EXPECT_EQ(b.items(), QStringList({"Alpha", "beta", "gamma"}));
    b.LBxValues->item(0)->setSelected(true);
    b.LBxValues->item(2)->setSelected(true);
    b.BtnOK->click();
  });
  EXPECT_TRUE(pick.Execute());
  EXPECT_EQ(pick.Choices, QStringList({"Alpha", "gamma"}));
  EXPECT_EQ(pick.Choice, "Alpha");
}

}  // namespace
}  // namespace tavo
