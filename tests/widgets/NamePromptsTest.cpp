#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "common/NameRules.h"
#include "common/widgets/NamePrompts.h"
#include "common/widgets/ScriptedTextPrompts.h"
#include "common/widgets/TFmGet2Strings.h"
#include "platform/QtText.h"
#include "platform/testing/TestPlatform.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempFolder.h"

namespace tavo {
namespace {

using platform::testing::TestMessages;

class NamePromptsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tmp.mkdir("Beach");
    tmp.mkdir("Morning Mix");
  }
  QString folder() const { return platform::fromPath(tmp.path()); }
  test::TempFolder tmp;
  TestMessages messages{"TavoCreator"};
  ScriptedTextPrompts prompts{messages};
};

const QString kChars = QString::fromStdString(forbiddenCharLine());

TEST_F(NamePromptsTest, NewNameAsksAgainWithTheLastEntryUntilAcceptable) {
  prompts.answers = {QString("a/b"), QString("   "), QString("beach"), QString("  Sunset Walk ")};
  EXPECT_EQ(askNewName(prompts, "slideshow", folder()), "Sunset Walk");

  ASSERT_EQ(prompts.asked.size(), 4u);
  EXPECT_EQ(prompts.asked[0].caption, "New Slideshow");
  EXPECT_EQ(prompts.asked[0].prompt, "Enter a new slideshow name");
  EXPECT_EQ(prompts.asked[0].text, "");
  EXPECT_EQ(prompts.asked[1].text, "a/b");  // asked again with that entry
  EXPECT_EQ(prompts.asked[3].text, "beach");
  EXPECT_EQ(messages.texts(),
            QStringList({"A slideshow name cannot contain any of the following characters:\n" + kChars,
                         "The slideshow name cannot be blank", "A slideshow by that name already exists"}));
  EXPECT_EQ(messages.shown[0].kind, TestMessages::Kind::Info);
  EXPECT_EQ(messages.shown[0].title, "TavoCreator");
}

TEST_F(NamePromptsTest, NewNameCaptionForAContentProviderAndCancel) {
  prompts.answers = {std::nullopt};
  EXPECT_EQ(askNewName(prompts, "content provider", folder()), "");
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.asked[0].caption, "New Content Provider");
  EXPECT_EQ(prompts.asked[0].prompt, "Enter a new content provider name");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(NamePromptsTest, SaveAsWithoutOverwrite) {
  prompts.answers = {QString("Morning Mix"), QString("Beach"), QString("Evening")};
  EXPECT_EQ(askSaveAsName(prompts, "slideshow", "Morning Mix", folder(), false), "Evening");
  EXPECT_EQ(prompts.asked[0].caption, "Save Slideshow As");
  EXPECT_EQ(prompts.asked[0].prompt, "Save Morning Mix as");
  EXPECT_EQ(prompts.asked[0].text, "Morning Mix");  // starts with the current name
  EXPECT_EQ(messages.texts(),
            QStringList({"You have entered the same slideshow", "A slideshow by that name already exists"}));
}

TEST_F(NamePromptsTest, SaveAsWithOverwriteAsksAndNoAsksAgain) {
  // Another letter case is not the same name; the folder exists, so the user is asked.
  prompts.answers = {QString("morning mix"), QString("morning mix")};
  messages.yesNoAnswers = {false, true};
  EXPECT_EQ(askSaveAsName(prompts, "playlist", "Morning Mix", folder(), true), "morning mix");
  EXPECT_EQ(prompts.asked.size(), 2u);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].kind, TestMessages::Kind::Question);
  EXPECT_EQ(messages.shown[0].text, "A playlist by that name already exists.  Do you want to overwrite it?");
}

TEST_F(NamePromptsTest, ScriptedTwoStringsAppliesTheDialogRules) {
  TwoStringsRequest r{"New Thumbnail", "Thumbnail Name", "Title Caption", {}, {}, folder()};
  prompts.twoStringsAnswers = {std::pair{QString("Harbour"), QString(" ")},
                               std::pair{QString(" Harbour "), QString(" Boats ")}};
  const auto got = prompts.getTwoStrings(r);
  ASSERT_TRUE(got);
  EXPECT_EQ(got->first, "Harbour");
  EXPECT_EQ(got->second, "Boats");
  EXPECT_EQ(messages.texts(), QStringList({"The Title Caption cannot be blank"}));
}

// The real dialog, driven offscreen: OK refuses, shows the message and stays
// open; a good entry closes it with trimmed texts.
TEST_F(NamePromptsTest, Get2StringsDialogRefusesAndStaysOpen) {
  TFmGet2Strings dlg(messages);
  dlg.setup("New Thumbnail", "Thumbnail Name", "Title Caption", "", "");
  dlg.TargetFolder = folder();
  EXPECT_EQ(dlg.size(), QSize(429, 164));
  EXPECT_EQ(dlg.Edit1->width(), 297);
  EXPECT_EQ(dlg.Edit2->width(), 297);
  EXPECT_FALSE(dlg.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(dlg.BtnOK->isDefault());

  int step = 0;
  QTimer driver;
  QObject::connect(&driver, &QTimer::timeout, [&] {
    if (!dlg.isVisible()) return;
    switch (step++) {
      case 0:
        dlg.Edit1->setText("Har?bour");
        dlg.Edit2->setText("Boats");
        dlg.BtnOK->click();
        EXPECT_TRUE(dlg.isVisible());
        break;
      case 1:
        dlg.Edit1->setText("  Harbour  ");
        dlg.BtnOK->click();
        break;
      default:
        dlg.reject();
    }
  });
  driver.start(0);
  EXPECT_EQ(dlg.exec(), QDialog::Accepted);
  EXPECT_EQ(dlg.FirstText, "Harbour");
  EXPECT_EQ(dlg.SecondText, "Boats");
  EXPECT_EQ(messages.texts(),
            QStringList({"A Thumbnail Name name cannot contain any of the following characters:\n" + kChars}));
}

TEST_F(NamePromptsTest, Get2StringsWithoutTargetFolderAcceptsBlanks) {
  TFmGet2Strings dlg(messages);
  dlg.setup("Predefined Search Engines & Search Strings", "Search Engine", "Search String", "Old", "x");
  QTimer::singleShot(0, &dlg, [&] {
    EXPECT_EQ(dlg.Edit1->text(), "Old");  // the texts are copied in when shown
    dlg.Edit1->clear();
    dlg.Edit2->clear();
    dlg.BtnOK->click();
  });
  EXPECT_EQ(dlg.exec(), QDialog::Accepted);
  EXPECT_EQ(dlg.FirstText, "");
  EXPECT_EQ(dlg.SecondText, "");
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace tavo
