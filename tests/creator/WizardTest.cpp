// The wizard's step switch, its guard, its buttons and its pages' life.
#include <QLabel>
#include <filesystem>

#include "creator/wizard/TFmCustWizardPage.h"
#include "creator/wizard/TFmMoreInfo.h"
#include "creator/wizard/TFmSamples.h"
#include "creator/wizard/TFmStep0.h"
#include "format/ProfileFile.h"
#include "tests/creator/CreatorFixture.h"

namespace tavo::creator::test {
namespace {

namespace fs = std::filesystem;

class WizardTest : public CreatorFixture {
 protected:
  TFmWizard& openOn(bool withProvider) {
    const std::string p = presentation("Show", withProvider ? "[Subscribers]\r\nSubscriber1=News\r\n" : "");
    if (withProvider) fs::create_directories(p + "News");
    startOn("Show");
    main->wizard().showWizard();
    return main->wizard();
  }
  QString pageTitle(TFmWizard& w) {
    QWidget* page = w.currentPage();
    if (auto* base = dynamic_cast<TFmCustWizardPage*>(page)) return base->LbTitle->text();
    if (auto* zero = dynamic_cast<TFmStep0*>(page)) return zero->LbTitle->text();
    return {};
  }
};

TEST_F(WizardTest, ShowingStartsAtWhatYouNeed) {
  TFmWizard& w = openOn(true);
  EXPECT_EQ(w.size(), QSize(754, 500));
  EXPECT_EQ(w.selectedStep(), 0);
  EXPECT_EQ(pageTitle(w), "What You Need to Complete The Tavo Creator Wizard");
  EXPECT_EQ(w.BtnPrint->text(), "Print Tavo Need List");
  EXPECT_FALSE(w.BtnPrev->isEnabled());
  EXPECT_TRUE(w.BtnNext->isEnabled());
  EXPECT_FALSE(w.BtnItemUp->isEnabled());
  EXPECT_EQ(w.stepColour(0), "red");  // selected
  EXPECT_EQ(w.stepColour(1), "maroon");
  w.showStep(1);
  EXPECT_EQ(w.stepColour(0), "green");
  EXPECT_EQ(w.BtnSteps[3]->text(), "3\nCreate\nThumbnails");
  EXPECT_EQ(w.BtnSteps[3]->toolTip(), "Create Thumbnails");
}

TEST_F(WizardTest, NextWalksEveryStepWithOnePageAliveAndVisitedStepsGreen) {
  TFmWizard& w = openOn(true);
  for (int step = 1; step <= 11; ++step) {
    w.BtnNextClick();
    EXPECT_EQ(w.selectedStep(), step);
    EXPECT_TRUE(w.BtnSteps[step]->isChecked());
    EXPECT_EQ(w.stepColour(step), "red");
    EXPECT_EQ(w.stepColour(step - 1), "green");
    EXPECT_EQ(w.printTag(), step);
    EXPECT_EQ(w.BtnPrint->text().toStdString(), std::string(stepInfo(step).printCaption));
    EXPECT_EQ(w.BtnItemUp->isEnabled(), stepInfo(step).itemMoves);
    EXPECT_EQ(pageTitle(w).toStdString(), std::string(stepInfo(step).title));
    EXPECT_EQ(w.PnMiddle->findChildren<TFmEmbedded*>().size(), 1);
  }
  EXPECT_FALSE(w.BtnNext->isEnabled());
  w.BtnNextClick();  // nothing past step 11
  EXPECT_EQ(w.selectedStep(), 11);
  w.BtnPrevClick();
  EXPECT_EQ(w.selectedStep(), 10);
  w.showStep(0);
  w.BtnPrevClick();
  EXPECT_EQ(w.selectedStep(), 0);
}

TEST_F(WizardTest, PagesHideTheSelectorOnSteps1To3And11) {
  TFmWizard& w = openOn(true);
  for (int step = 1; step <= 11; ++step) {
    w.showStep(step);
    auto* page = dynamic_cast<TFmCustWizardPage*>(w.currentPage());
    ASSERT_NE(page, nullptr);
    const bool hidden = step <= 3 || step == 11;
    EXPECT_EQ(page->PnProviders->isVisibleTo(page), !hidden) << step;
    EXPECT_EQ(page->stepNumber, step);
    EXPECT_EQ(page->providerFolder, main->presentation().presentationFolder + "News") << step;
  }
}

TEST_F(WizardTest, Step5WithoutProvidersAndTheNameCancelledStaysOnStep1) {
  TFmWizard& w = openOn(false);
  w.showStep(5);
  EXPECT_EQ(dialogs.newNameKinds, QStringList{"content provider"});
  EXPECT_EQ(w.selectedStep(), 1);
  EXPECT_TRUE(w.BtnSteps[1]->isChecked());
  EXPECT_EQ(w.BtnPrint->text(), "Print Provider List");
  EXPECT_EQ(w.printTag(), 1);
  EXPECT_TRUE(w.BtnItemUp->isEnabled());
  EXPECT_EQ(pageTitle(w), "Step 1 - Define Content Providers");
  EXPECT_EQ(messageTexts(), QStringList{"You must enter a content provider before you can add any other data."});
}

TEST_F(WizardTest, Step5WithANewFirstProviderGoesThere) {
  TFmWizard& w = openOn(false);
  dialogs.newNames = {"News"};
  w.showStep(5);
  EXPECT_EQ(w.selectedStep(), 5);
  EXPECT_EQ(main->presentation().currentProvider, 0);
  EXPECT_TRUE(fs::is_directory(main->presentation().presentationFolder + "News"));
}

TEST_F(WizardTest, TheCloseBoxClosesThePageLikeTheCloseButton) {
  TFmWizard& w = openOn(true);
  w.showStep(5);
  auto* page = dynamic_cast<TFmCustWizardPage*>(w.currentPage());
  ASSERT_NE(page, nullptr);
  page->initialDir = "/home/u/Pictures";
  page->overwritePrompt = true;
  w.close();  // what the title bar's close box does
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(w.currentPage(), nullptr);
  const ProfileFile settings = ProfileFile::load(settingsFile());
  EXPECT_EQ(settings.value("General", "InitialDir"), "/home/u/Pictures");
  EXPECT_EQ(settings.value("General", "OverwritePrompt"), "1");
  // The next page starts from what the closed one remembered.
  w.showWizard();
  w.showStep(8);
  EXPECT_EQ(dynamic_cast<TFmCustWizardPage*>(w.currentPage())->initialDir, "/home/u/Pictures");
}

TEST_F(WizardTest, ASavingErrorOnCloseIsShownAndTheWizardStillCloses) {
  TFmWizard& w = openOn(true);
  w.showStep(5);
  fs::remove(settingsFile());
  fs::create_directory(settingsFile());
  w.BtnCloseClick();
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(w.currentPage(), nullptr);
  ASSERT_FALSE(platform.messages.shown.empty());
  EXPECT_EQ(platform.messages.shown.back().kind, platform::testing::TestMessages::Kind::Error);
}

TEST_F(WizardTest, ProgramEndClosesTheOpenPage) {
  TFmWizard& w = openOn(true);
  w.showStep(4);
  main->BtnCloseClick();
  EXPECT_FALSE(w.isVisible());
  EXPECT_TRUE(ProfileFile::load(settingsFile()).hasKey("General", "OverwritePrompt"));
  EXPECT_EQ(readProfileString(settingsFile(), "General", "CurProject", ""), "Show");
}

TEST_F(WizardTest, MoreInfoShowsTheStepsPageAndWalksTheList) {
  TFmWizard& w = openOn(true);
  fs::create_directories(area + "Help");
  for (const char* page : {"Step1.htm", "Step2.htm", "Cast.htm"})
    t.write(std::string("area/Help/") + page, std::string("<html><body><p>") + page + "</p></body></html>");
  TFmMoreInfo info(*main, 1, &w);
  EXPECT_EQ(info.pos(), QPoint(w.geometry().left(), w.geometry().top() + 59));
  EXPECT_EQ(info.windowTitle(), "More Info - Step 1 Content Providers");
  EXPECT_EQ(info.LBxSteps->currentRow(), 0);
  EXPECT_EQ(info.shownFile(), "Step1.htm");
  EXPECT_TRUE(info.WebBrowser->toPlainText().contains("Step1.htm"));
  info.BtnNextArrowClick();
  EXPECT_EQ(info.topic(), 2);
  EXPECT_EQ(info.shownFile(), "Step2.htm");
  info.BtnNextArrowClick();  // Step3.htm is missing: the page stays
  EXPECT_EQ(info.topic(), 3);
  EXPECT_EQ(info.shownFile(), "Step2.htm");
  EXPECT_EQ(info.windowTitle(), "More Info - Step 3 Create Thumbnails");
  info.LBxSteps->setCurrentRow(11);
  EXPECT_EQ(info.topic(), 12);
  EXPECT_EQ(info.shownFile(), "Cast.htm");
  info.BtnNextArrowClick();
  EXPECT_FALSE(info.BtnNextArrow->isEnabled());
  info.LBxSteps->setCurrentRow(0);
  info.BtnPriorArrowClick();
  EXPECT_FALSE(info.BtnPriorArrow->isEnabled());
  EXPECT_TRUE(info.BtnNextArrow->isEnabled());
  info.BtnCompleteInstructionsClick();
  EXPECT_EQ(platform.shell.opened, QStringList{QString::fromStdString(area + "Help/TavoUserGuide.htm")});
}

TEST_F(WizardTest, SamplesShowTheirTopicsPage) {
  for (int topic : {1, 5, 8, 11}) {
    TFmSamples samples(topic);
    EXPECT_EQ(samples.PgSamples->currentIndex(), topic - 1);
    EXPECT_NE(sampleText(topic), sampleText(2)) << topic;  // a page of its own, not the empty one
  }
}

TEST_F(WizardTest, WhatYouNeedOpensTopicsOneToTenAndPublishing) {
  EXPECT_EQ(TFmStep0::topicOf(0), 1);
  EXPECT_EQ(TFmStep0::topicOf(9), 10);
  EXPECT_EQ(TFmStep0::topicOf(10), 12);
  TFmWizard& w = openOn(true);
  auto* zero = dynamic_cast<TFmStep0*>(w.currentPage());
  ASSERT_NE(zero, nullptr);
  EXPECT_EQ(zero->LbStep[0]->text(), "Step 1.");
  EXPECT_EQ(zero->LbStep[10]->text(), "Publish Presentation - ");
  zero->BtnCompleteInstructionsClick();
  EXPECT_EQ(platform.shell.opened, QStringList{QString::fromStdString(area + "Help/TavoUserGuide.htm")});
}

}  // namespace
}  // namespace tavo::creator::test
