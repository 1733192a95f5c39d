// The setup wizard's form on the test platform: what each page shows, the
// path page's checks, an installation through the form, and the launchers.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <filesystem>
#include <memory>

#include "format/PlayerSettings.h"
#include "platform/testing/TestPlatform.h"
#include "player/setup/TFmTavoSetup.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

namespace tavo::player {
namespace {

using setup::Page;

class SetupForm : public ::testing::Test {
 protected:
  SetupForm() : dataHome("XDG_DATA_HOME", t / "data") {}

  // The presentation, with or without the updates pages, and the wizard shown on it.
  TFmTavoSetup& open(bool reasons) {
    t.write("cd/Harbour Town/Project.ini",
            std::string("[Project Info]\r\nPresentation Name=Harbour Town\r\n[Presentation Options]\r\n"
                        "ShowReasonsList=") +
                (reasons ? "1" : "0") +
                "\r\n[Download Item List]\r\n1=Ferry timetables\r\n3=Match results\r\n");
    t.write("cd/Harbour Town/Town News/!Tavo.ini", "");
    t.write("cd/TavoPlayer", "program");
    form = std::make_unique<TFmTavoSetup>(platform.platform(), t / "cd/Harbour Town/Project.ini", t / "cd/TavoPlayer");
    form->ProgressInterval = std::chrono::milliseconds(0);  // every entry reaches the test's progress window
    form->show();
    return *form;
  }

  QSize client() const { return form->size(); }

  test::TempFolder t;
  test::ScopedEnv dataHome;
  platform::testing::TestPlatform platform;
  std::unique_ptr<TFmTavoSetup> form;
};

TEST_F(SetupForm, ReasonsPageFirstAndLaterVisit) {
  TFmTavoSetup& f = open(true);
  EXPECT_EQ(f.page(), Page::Reasons);
  EXPECT_EQ(f.windowTitle(), "Tavo Setup - Harbour Town");
  EXPECT_EQ(f.LbTitle->text(), "- Receive Content Updates?");
  EXPECT_EQ(f.LbReasonsName->text(), "the Harbour Town Presentation?");
  ASSERT_EQ(f.LBxReasons->count(), 2);
  EXPECT_EQ(f.LBxReasons->item(0)->text(), "1. Ferry timetables");
  EXPECT_EQ(f.LBxReasons->item(1)->text(), "2. Match results");
  EXPECT_EQ(client(), QSize(457, 290));
  EXPECT_FALSE(f.PnBottom->isVisible());
  EXPECT_TRUE(f.BtnReasonsYes->isVisible());

  f.BtnReasonsYes->click();
  EXPECT_EQ(f.page(), Page::InstallPath);
  EXPECT_EQ(client(), QSize(457, 331));
  EXPECT_TRUE(f.PnBottom->isVisible());
  EXPECT_EQ(f.PnBottom->height(), 41);
  EXPECT_TRUE(f.BtnBack->isEnabled());

  f.BtnBack->click();
  EXPECT_EQ(f.page(), Page::Reasons);
  EXPECT_FALSE(f.BtnReasonsYes->isVisible());
  EXPECT_FALSE(f.BtnReasonsNo->isVisible());
  EXPECT_EQ(f.LBxReasons->height(), 162);
  EXPECT_FALSE(f.BtnBack->isEnabled());
  f.BtnNext->click();
  EXPECT_EQ(f.page(), Page::InstallPath);
}

TEST_F(SetupForm, NoOnTheReasonsPageCloses) {
  TFmTavoSetup& f = open(true);
  f.BtnReasonsNo->click();
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(f.result(), QDialog::Rejected);
}

TEST_F(SetupForm, PathPageProposesTheDataFolderAndChecksTheBox) {
  TFmTavoSetup& f = open(false);
  EXPECT_EQ(f.page(), Page::InstallPath);
  EXPECT_FALSE(f.BtnBack->isEnabled());
  EXPECT_EQ(f.EdInstallPath->text(), QString::fromStdString(t / "data/Tavo Player/"));
  EXPECT_EQ(f.LbInstallIntro->text(), "Tavo Setup will install the Harbour Town presentation on your PC.");

  // Empty: the message, then the folder browser; the page stays.
  f.EdInstallPath->setText("   ");
  platform.folderBrowser.answers.push_back("/opt/chosen/");
  f.BtnNextClick();
  EXPECT_EQ(platform.messages.texts(), QStringList{"Please enter an installation path"});
  EXPECT_EQ(platform.folderBrowser.prompts, QStringList{"Choose an installation path."});
  EXPECT_EQ(f.EdInstallPath->text(), "/opt/chosen/");
  EXPECT_EQ(f.page(), Page::InstallPath);

  // Relative, and the presentation's own place: refused, the page stays.
  f.EdInstallPath->setText("Tavo");
  f.BtnNextClick();
  EXPECT_EQ(f.page(), Page::InstallPath);
  f.EdInstallPath->setText(QString::fromStdString(t / "cd"));
  f.BtnNextClick();
  EXPECT_EQ(f.page(), Page::InstallPath);
  ASSERT_EQ(platform.messages.shown.size(), 3u);
  EXPECT_TRUE(platform.messages.shown[1].text.contains("is not a full path"));
  EXPECT_TRUE(platform.messages.shown[2].text.contains("Please choose another installation path."));

  // Accepted: a trailing separator is added, and page 4 shows it.
  f.EdInstallPath->setText(QString::fromStdString(t / "Apps/Tavo"));
  f.BtnNextClick();
  EXPECT_EQ(f.page(), Page::Ready);
  EXPECT_EQ(f.LbInstallPathValue->text(), QString::fromStdString(t / "Apps/Tavo/"));
  EXPECT_EQ(f.BtnNext->text(), "&Install");
}

TEST_F(SetupForm, AutoUpdateChoiceOnTheReadyPage) {
  TFmTavoSetup& f = open(true);
  f.BtnReasonsYes->click();
  f.BtnNext->click();
  ASSERT_EQ(f.page(), Page::AutoUpdate);
  EXPECT_TRUE(f.LbCreator->isVisible());
  EXPECT_TRUE(f.CkBxUniversal->isEnabled());
  f.CkBxUniversal->setChecked(true);

  f.RBtnAutoNo->click();
  EXPECT_FALSE(f.CkBxUniversal->isEnabled());
  EXPECT_FALSE(f.CkBxUniversal->isChecked());
  EXPECT_FALSE(f.LbUniversal->isEnabled());
  f.BtnNext->click();
  EXPECT_EQ(f.LbAutoUpdateValue->text(), "No");
  EXPECT_EQ(f.LbReadyLine1->text(),
            "You will have to update the presentation yourself daily.  You can update the presentation each day after "
            "6:00 AM.");
  EXPECT_FALSE(f.LbReadyLine2->isVisible());

  f.BtnBack->click();
  f.RBtnAutoYes->click();
  EXPECT_TRUE(f.CkBxUniversal->isEnabled());
  f.BtnNext->click();
  EXPECT_EQ(f.LbAutoUpdateValue->text(), "Yes");
  EXPECT_EQ(f.LbReadyLine2->text(), "The new content will be available at 8:00 AM");
  EXPECT_TRUE(f.LbReadyLine2->isVisible());

  f.LbCreatorClick();
  EXPECT_EQ(platform.shell.opened, QStringList{kCreatorPageAddress});
}

TEST_F(SetupForm, FailedInstallationStaysOnTheReadyPage) {
  TFmTavoSetup& f = open(false);
  f.EdInstallPath->setText(QString::fromStdString(t / "Tavo Player/"));
  f.BtnNextClick();
  platform.fileOperationUi.cancelAtEntry = 2;
  f.BtnNextClick();
  EXPECT_EQ(f.page(), Page::Ready);
  EXPECT_EQ(platform.messages.texts(), QStringList{"Presentation was not installed."});
  EXPECT_TRUE(PlayerSettings(platform.platform().registry).projects().empty());
}

// The whole road through the form, with each combination of the launcher boxes.
TEST_F(SetupForm, InstallsAndWritesTheTickedLaunchers) {
  struct Row {
    bool desktop, startMenu;
    QStringList places;
  };
  const Row rows[] = {
      {false, false, {"Programs\\Tavo Player"}},
      {true, false, {"Desktop", "Programs\\Tavo Player"}},
      {false, true, {"Programs\\Tavo Player", ""}},
      {true, true, {"Desktop", "Programs\\Tavo Player", ""}},
  };
  for (const Row& r : rows) {
    platform.shortcuts.created.clear();
    TFmTavoSetup& f = open(false);
    const std::string folder = t / "Tavo Player/";
    f.EdInstallPath->setText(QString::fromStdString(folder));
    f.BtnNextClick();
    f.BtnNextClick();
    ASSERT_EQ(f.page(), Page::Complete) << platform.messages.texts().join("; ").toStdString();
    EXPECT_EQ(client(), QSize(340, 151));
    EXPECT_FALSE(f.PnTop->isVisible());
    EXPECT_FALSE(f.PnBottom->isVisible());
    EXPECT_TRUE(std::filesystem::exists(folder + "Harbour Town/Town News/!Tavo.ini"));

    f.CkBxDesktop->setChecked(r.desktop);
    f.CkBxStartMenu->setChecked(r.startMenu);
    f.BtnOK->click();
    QStringList places;
    for (const auto& c : platform.shortcuts.created) {
      places << c.place;
      EXPECT_EQ(c.linkFileName, "Tavo Player - Harbour Town.lnk");
      EXPECT_EQ(c.target, QString::fromStdString(folder + "TavoPlayer"));
      EXPECT_EQ(c.arguments, "");
    }
    EXPECT_EQ(places, r.places);
    EXPECT_EQ(f.page(), Page::DownloadNew);
    EXPECT_EQ(f.windowTitle(), "Download New Content - Harbour Town");
    f.BtnDownloadNo->click();
    EXPECT_FALSE(f.isVisible());
  }
}

}  // namespace
}  // namespace tavo::player
