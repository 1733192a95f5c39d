// Step 4: the appearance keys of "!Tavo.ini" loaded and saved with their
// read rules and defaults, the provider switch, picture and link imports,
// the override rule and the ticker text buttons.

#include <QImage>
#include <filesystem>

#include "creator/wizard/TFmStep4.h"
#include "format/ProfileFile.h"
#include "tests/creator/CreatorFixture.h"

namespace tavo::creator::test {
namespace {

namespace fs = std::filesystem;

class Step4Test : public CreatorFixture {
 protected:
  // Providers A and B; A's "!Tavo.ini" holds `ini`.
  TFmStep4& open(const std::string& ini = "") {
    folder = presentation("Show", "[Subscribers]\r\nSubscriber1=A\r\nSubscriber2=B\r\nStartWith=A\r\n");
    t.write("area/Projects/Show/A/!Tavo.ini", ini);
    fs::create_directories(folder + "B");
    startOn("Show");
    main->wizard().showWizard();
    main->wizard().showStep(4);
    auto* page = dynamic_cast<TFmStep4*>(main->wizard().currentPage());
    EXPECT_NE(page, nullptr);
    page->openFile = [this](const DialogChoice& c) {
      offered.push_back(c);
      if (chosen.empty()) return QString();
      QString f = chosen.front();
      chosen.pop_front();
      return f;
    };
    return *page;
  }
  std::string value(const std::string& provider, const char* section, const char* key) {
    return ProfileFile::load(folder + provider + "/!Tavo.ini").value(section, key).value_or("<missing>");
  }
  std::string folder;
  std::deque<QString> chosen;
  std::vector<DialogChoice> offered;
};

TEST_F(Step4Test, AProviderWithoutKeysShowsEveryDefaultAndSavingWritesThemBack) {
  TFmStep4& page = open();
  EXPECT_EQ(page.EdLogoLink->text(), "http://www.");
  EXPECT_EQ(page.EdGraphicLink->text(), "http://www.");
  EXPECT_EQ(page.CBxCaption->currentText(), "");
  EXPECT_EQ(page.EdInterval->text(), "00:15");
  EXPECT_EQ(page.CBxSpeed->currentText(), "7");
  EXPECT_EQ(page.CBxTickerPosition->currentText(), "Top");
  EXPECT_EQ(page.CBxTickerText->currentText(), "Bold");
  EXPECT_EQ(page.CBxTickerSize->currentText(), "Large");
  EXPECT_EQ(page.CBxButtonBarLocation->currentText(), "Top");
  EXPECT_EQ(page.CBxButtonBarText->currentText(), "Regular");
  EXPECT_TRUE(page.ImgLogo->pixmap().isNull());
  EXPECT_FALSE(page.BtnSamples->isEnabled());
  main->wizard().showStep(5);
  const std::pair<const char*, const char*> written[] = {
      {"Ticker Data Speed", "7"},     {"Ticker Position", "Top"},     {"Ticker Text Bold", "On"},
      {"Ticker Text Size", "Large"},  {"Button Bar Location", "Top"}, {"Button Bar Text Bold", "Off"}};
  for (const auto& [key, expected] : written) EXPECT_EQ(value("A", "Viewing Options", key), expected) << key;
  const std::pair<const char*, const char*> sponsor[] = {
      {"Sponsor Logo Image", ""}, {"Sponsor Logo Link", "http://www."}, {"Caption Text", ""},
      {"Caption Link", "http://www."}, {"Streaming Ad Interval", "00:15"}, {"Sound Player Graphic Link", "http://www."}};
  for (const auto& [key, expected] : sponsor) EXPECT_EQ(value("A", "Sponsor Options", key), expected) << key;
}

TEST_F(Step4Test, ReadRulesOfTheViewingOptions) {
  struct Case {
    const char* size;
    const char* position;
    const char* bold;
    const char* shownSize;
    const char* shownPosition;
    const char* shownBold;
  };
  const Case cases[] = {{"small", "TOP", "ON", "Small", "Top", "Bold"},
                        {"LARGE", "bottom", "off", "Large", "Bottom", "Regular"},
                        {"", "", "", "Jumbo", "Bottom", "Regular"},
                        {"Huge", "Middle", "yes", "Jumbo", "Bottom", "Regular"}};
  for (const Case& c : cases) {
    TFmStep4& page = open(std::string("[Viewing Options]\r\nTicker Text Size=") + c.size + "\r\nTicker Position=" +
                          c.position + "\r\nTicker Text Bold=" + c.bold + "\r\n");
    EXPECT_EQ(page.CBxTickerSize->currentText(), c.shownSize) << c.size;
    EXPECT_EQ(page.CBxTickerPosition->currentText(), c.shownPosition) << c.position;
    EXPECT_EQ(page.CBxTickerText->currentText(), c.shownBold) << c.bold;
    main->wizard().showStep(5);
    EXPECT_EQ(value("A", "Viewing Options", "Ticker Text Size"), c.shownSize);
  }
}

// A stored speed the list does not hold is kept as it was, not written as 0.
TEST_F(Step4Test, AnUntouchedSpeedOutsideTheListIsKept) {
  for (const char* stored : {"12", "0", "-3"}) {
    TFmStep4& page = open(std::string("[Viewing Options]\r\nTicker Data Speed=") + stored + "\r\n");
    EXPECT_EQ(page.CBxSpeed->currentIndex(), -1) << stored;
    main->wizard().showStep(5);
    EXPECT_EQ(value("A", "Viewing Options", "Ticker Data Speed"), stored);
  }
  TFmStep4& page = open("[Viewing Options]\r\nTicker Data Speed=12\r\n");
  page.CBxSpeed->setCurrentIndex(4);
  main->wizard().showStep(5);
  EXPECT_EQ(value("A", "Viewing Options", "Ticker Data Speed"), "5");
}

TEST_F(Step4Test, WithoutOverrideTheViewingOptionsAreGreyedButStillWritten) {
  TFmStep4& page = open("[Viewing Options]\r\nTicker Position=Bottom\r\n");
  EXPECT_FALSE(page.CkBxOverride->isChecked());
  EXPECT_FALSE(page.CBxTickerPosition->isEnabled());
  EXPECT_TRUE(page.GBxViewing->isEnabled());
  EXPECT_TRUE(page.CkBxOverride->isEnabled());
  page.CkBxOverride->setChecked(true);
  page.CkBxOverrideClick();
  EXPECT_TRUE(page.CBxTickerPosition->isEnabled());
  page.CBxTickerPosition->setCurrentIndex(0);
  page.CkBxOverride->setChecked(false);
  page.CkBxOverrideClick();
  main->wizard().showStep(5);
  EXPECT_EQ(value("A", "Viewing Options", "Ticker Position"), "Top");
}

TEST_F(Step4Test, ChangingProviderSavesTheOneLeftAndCollectsCaptions) {
  TFmStep4& page = open("[Sponsor Options]\r\nCaption Text=Welcome to A\r\n");
  t.write("area/Projects/Show/B/!Tavo.ini", "[Sponsor Options]\r\nCaption Text=B news\r\n");
  page.CBxCaption->setEditText("Hello from A");
  page.BtnNextProviderClick();
  EXPECT_EQ(value("A", "Sponsor Options", "Caption Text"), "Hello from A");
  EXPECT_EQ(page.CBxCaption->currentText(), "B news");
  EXPECT_GE(page.CBxCaption->findText("Welcome to A"), 0);
  page.BtnPriorProviderClick();
  EXPECT_EQ(page.CBxCaption->currentText(), "Hello from A");
}

TEST_F(Step4Test, PicturesAreImportedAndAFailedCopyKeepsThePreviousValue) {
  TFmStep4& page = open("[Sponsor Options]\r\nSponsor Logo Image=old.bmp\r\n");
  QImage logo(40, 40, QImage::Format_RGB32);
  logo.fill(Qt::blue);
  fs::create_directories(t.path() + "pics");
  ASSERT_TRUE(logo.save(QString::fromStdString(t.path() + "pics/logo.png")));
  QImage box(100, 30, QImage::Format_RGB32);
  box.fill(Qt::red);
  ASSERT_TRUE(box.save(QString::fromStdString(t.path() + "pics/box.png")));

  chosen = {QString::fromStdString(t.path() + "pics/logo.png"), QString::fromStdString(t.path() + "pics/missing.bmp"),
            QString::fromStdString(t.path() + "pics/box.png")};
  page.BtnLogoClick();
  EXPECT_EQ(page.logoFile, "logo.png");
  EXPECT_TRUE(fs::is_regular_file(folder + "A/logo.png"));
  EXPECT_FALSE(page.ImgLogo->pixmap().isNull());
  EXPECT_EQ(page.LbLogoSize->text(), "(40 x 40)");
  EXPECT_EQ(offered.at(0).initialFolder, area + "FileSet");
  EXPECT_NE(offered.at(0).filter.find("PNG Image File (*.png)|*.png"), std::string::npos);

  page.BtnLogoClick();  // the copy fails
  EXPECT_EQ(page.logoFile, "logo.png");
  EXPECT_EQ(messageTexts().back().toStdString(), "Could not copy " + t.path() + "pics/missing.bmp");
  EXPECT_EQ(offered.at(1).initialFolder, t.path() + "pics/");

  page.BtnBoxClick();
  EXPECT_EQ(page.LbBoxSize->text(), "(100 x 30)");
  EXPECT_NE(page.LbBoxSize->styleSheet().indexOf("red"), -1);
  main->wizard().showStep(5);
  EXPECT_EQ(value("A", "Sponsor Options", "Sponsor Logo Image"), "logo.png");
  EXPECT_EQ(value("A", "Sponsor Options", "Sponsor Box Image"), "box.png");
}

TEST_F(Step4Test, DecliningToOverwriteKeepsTheNameOfTheFileThatIsThere) {
  TFmStep4& page = open();
  page.overwritePrompt = true;
  t.write("area/Projects/Show/A/logo.bmp", "existing");
  t.write("pics/logo.bmp", "new");
  chosen = {QString::fromStdString(t.path() + "pics/logo.bmp")};
  platform.messages.yesNoAnswers = {false};
  page.BtnLogoClick();
  EXPECT_EQ(page.logoFile, "logo.bmp");
  EXPECT_EQ(read(folder + "A/logo.bmp"), "existing");
}

TEST_F(Step4Test, AnHtmlLinkBringsItsFilesFolderAndStoresOnlyTheName) {
  TFmStep4& page = open();
  t.write("site/offer.htm", "<html></html>");
  t.write("site/offer_files/pic.jpg", "jpg");
  chosen = {QString::fromStdString(t.path() + "site/offer.htm")};
  page.browseLink(*page.EdCaptionLink);
  EXPECT_EQ(page.EdCaptionLink->text(), "offer.htm");
  EXPECT_EQ(page.EdCaptionLink->toolTip(), "offer.htm");
  EXPECT_TRUE(fs::is_regular_file(folder + "A/offer.htm"));
  EXPECT_TRUE(fs::is_regular_file(folder + "A/offer_files/pic.jpg"));
  EXPECT_EQ(offered.at(0).filter, "HTML files (*.htm, *.html)|*.htm;*.html|All files (*.*)|*.*");
}

TEST_F(Step4Test, TheTickerButtonsOpenTheEditorOnTheProvidersFiles) {
  TFmStep4& page = open();
  std::vector<std::string> opened;
  page.openTickerEditor = [&](const std::string& name) { opened.push_back(name); };
  page.BtnIdleTickerClick();
  page.BtnAdTextClick();
  EXPECT_EQ(opened, (std::vector<std::string>{"Ticker.txt", "Adstream.txt"}));
  EXPECT_EQ(page.providerFolder, folder + "A");
}

}  // namespace
}  // namespace tavo::creator::test
