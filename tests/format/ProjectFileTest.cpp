#include <gtest/gtest.h>

#include "common/PresentationPath.h"
#include "format/ProjectFile.h"
#include "tests/support/TempFolder.h"

namespace tavo {
namespace {

using test::readFile;
using test::TempFolder;

TEST(ProjectFile, ANewPresentationHoldsExactlyTheNeverEditedContent) {
  TempFolder creator;
  ASSERT_TRUE(project::createPresentation(creator.path(), "Harbour Town"));
  const std::string folder = project::presentationFolder(creator.path(), "Harbour Town");
  EXPECT_EQ(folder, creator / "Projects/Harbour Town/");
  EXPECT_EQ(readFile(folder + "Project.ini"),
            "[Project Info]\r\nPresentation Name=Harbour Town\r\nProject Folder=" + folder +
                "\r\n[Subscribers]\r\nSubscriber1=\r\n[Presentation Options]\r\nStartWith=\r\n"
                "[Universal Options]\r\nSound=On\r\n");
  EXPECT_TRUE(isFolder(creator / "Custom/TavoContent/Harbour Town"));
  // Opening it again rewrites only the two [Project Info] keys.
  ASSERT_TRUE(project::writeStartWith(folder + "Project.ini", "News"));
  ASSERT_TRUE(project::makePresentationCurrent(creator.path(), "Harbour Town"));
  EXPECT_EQ(project::readStartWith(folder + "Project.ini"), "News");
}

TEST(ProjectFile, TypedReadsGiveDefaultsForAMissingFile) {
  TempFolder dir;
  const std::string file = dir / "Project.ini";
  EXPECT_FALSE(project::readRunPlaylist(file));
  EXPECT_TRUE(project::readRunPlaylist(file, true));
  EXPECT_FALSE(project::readShowReasonsList(file));
  EXPECT_EQ(project::readPresentationName(file, "Tavo Presentation"), "Tavo Presentation");
  EXPECT_TRUE(project::readDownloadItems(file).empty());
}

TEST(ProjectFile, RunPlayListWrittenByTheCreatorIsReadAsRunPlaylist) {
  TempFolder dir;
  const std::string file = dir / "Project.ini";
  ASSERT_TRUE(project::writeRunPlaylist(file, true));
  EXPECT_NE(readFile(file).find("RunPlayList=1\r\n"), std::string::npos);
  dir.write("Project.ini", "[presentation OPTIONS]\r\nrunplaylist=1\r\nShowReasonsList=0\r\n");
  EXPECT_TRUE(project::readRunPlaylist(file));
  EXPECT_FALSE(project::readShowReasonsList(file));
  dir.write("Project.ini", "[Presentation Options]\r\nRunPlaylist=\r\n");
  EXPECT_FALSE(project::readRunPlaylist(file, false));  // empty is not a number: the default
}

TEST(ProjectFile, TheFileNameIsMatchedWithoutCase) {
  TempFolder dir;
  dir.write("project.INI", "[Project Info]\r\nPresentation Name=Lower\r\n");
  const std::string file = dir / "Project.ini";
  EXPECT_EQ(project::readPresentationName(file), "Lower");
  ASSERT_TRUE(project::writeSound(file, "On"));
  EXPECT_EQ(readFile(dir / "Project.ini"), "<missing>");  // updated in place, not doubled
  EXPECT_NE(readFile(dir / "project.INI").find("Sound=On"), std::string::npos);
}

TEST(ProjectFile, DownloadItemsKeepRowNumbersAndReadInFileOrder) {
  TempFolder dir;
  const std::string file = dir / "Project.ini";
  ASSERT_TRUE(project::writeDownloadItems(file, {"Free updates", "News", "", "Prizes"}));
  EXPECT_EQ(readFile(file), "[Download Item List]\r\n1=Free updates\r\n2=News\r\n4=Prizes\r\n");
  EXPECT_EQ(project::readDownloadItems(file), (std::vector<std::string>{"Free updates", "News", "Prizes"}));
  dir.write("Project.ini", "[Download Item List]\r\n9=last written first\r\n2=b\r\n");
  EXPECT_EQ(project::readDownloadItems(file), (std::vector<std::string>{"last written first", "b"}));
}

TEST(ProjectFile, ContentProviderListDropsMissingNamesAndAppendsOtherFolders) {
  TempFolder dir;
  for (const char* sub : {"Zoo", "News", "Art", "a=b", ".hidden"}) dir.mkdir(sub);
  dir.write("Project.ini",
            "[Subscribers]\r\nSubscriber1=News\r\nSubscriber2=Gone\r\nSubscriber3=zoo\r\nSubscriber4=a=b\r\n"
            "Subscriber5=News\r\nSubscriber6=\r\n");
  // Named ones in file order (found without case, each once), then the rest.
  EXPECT_EQ(project::readContentProviderList(dir.path()), (std::vector<std::string>{"News", "zoo", "a=b", "Art"}));
  // Only plain folder names of the presentation: ".", "..", paths and absolute names are no content providers.
  dir.mkdir("Art/Inner");
  dir.write("Project.ini",
            "[Subscribers]\r\nSubscriber1=..\r\nSubscriber2=.\r\nSubscriber3=../../x\r\nSubscriber4=Art/Inner\r\n"
            "Subscriber5=Art\\Inner\r\nSubscriber6=" + dir.path() + "News\r\nSubscriber7=C:\\News\r\nSubscriber8=Zoo\r\n");
  EXPECT_EQ(project::readContentProviderList(dir.path()), (std::vector<std::string>{"Zoo", "a=b", "Art", "News"}));
  ASSERT_TRUE(project::writeSubscriberList(dir / "Project.ini", {"Art", "News"}));
  EXPECT_EQ(readFile(dir / "Project.ini"), "[Subscribers]\r\nSubscriber1=Art\r\nSubscriber2=News\r\n");
}

TEST(ProjectFile, WebAddressesPerContentProvider) {
  TempFolder dir;
  const std::string file = dir / "Project.ini";
  ASSERT_TRUE(project::writeWebAddress(file, "Town News", "http://example.com/control.txt"));
  EXPECT_EQ(project::readWebAddress(file, "town news"), "http://example.com/control.txt");
  EXPECT_EQ(project::readWebAddress(file, "Other"), "");
}

}  // namespace
}  // namespace tavo
