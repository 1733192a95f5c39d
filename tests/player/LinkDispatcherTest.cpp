// The link dispatcher ExecuteLink, class by class, with the test platform
// recording what was opened or started and the recording windows what was shown.

#include "tests/player/BarFixture.h"

namespace tavo::player::test {
namespace {

class LinkDispatcher : public BarFixture {
 protected:
  LinkDispatcher() {
    news = provider("Town News", "[Sponsor Options]\r\nCaption Text=News\r\n");
    sports = provider("Sports Club", "[Buttons]\r\nButton1=Results\r\nAction1=results.txt\r\n");
    art = provider("Art Gallery", "");
    setActiveSubscriber("Town News");
  }
  std::string news, sports, art;
};

TEST_F(LinkDispatcher, AChannelLinkFindsTheChannelWithoutRegardToCase) {
  TFmMain& b = start();
  ASSERT_EQ(b.SubscriberFolder, news);
  peers.playlist.calls.clear();

  EXPECT_TRUE(b.ExecuteLink("subscriber SPORTS club"));
  EXPECT_EQ(b.SubscriberFolder, sports);
  EXPECT_EQ(b.SubscriberNames[static_cast<std::size_t>(b.CurrentSubscriber)], "Sports Club");
  EXPECT_EQ(tickedChannel(), "Sports Club");
  EXPECT_EQ(activeSubscriber(), "Sports Club");
  EXPECT_EQ(b.Buttons[0]->text(), "Results");  // the new channel's settings are loaded
  // The playlist is stopped and reloaded, not started: the link came from a button.
  EXPECT_EQ(peers.playlist.calls, (QStringList{"stop", "load"}));
  EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(LinkDispatcher, AChannelLinkNamingNoChannelShowsTheFirst) {
  TFmMain& b = start();
  EXPECT_TRUE(b.ExecuteLink("Subscriber Lighthouse"));
  EXPECT_EQ(b.SubscriberFolder, art);  // "Art Gallery" sorts first
  EXPECT_EQ(tickedChannel(), "Art Gallery");
}

TEST_F(LinkDispatcher, AChannelThatLostItsSettingsFileKeepsThePreviousChannelCurrent) {
  TFmMain& b = start();
  std::remove((sports + "!Tavo.ini").c_str());

  EXPECT_FALSE(b.ExecuteLink("Subscriber Sports Club"));
  EXPECT_EQ(platform.messages.texts(), QStringList{"Subscriber Sports Club does not exist"});
  EXPECT_EQ(platform.messages.shown[0].title, "TavoPlayer");
  EXPECT_EQ(b.SubscriberFolder, news);
  EXPECT_EQ(b.SubscriberNames[static_cast<std::size_t>(b.CurrentSubscriber)], "Town News");
  EXPECT_EQ(tickedChannel(), "Town News");
  EXPECT_EQ(activeSubscriber(), "Town News");

  // An empty name looks for the first channel; when that one has lost its file too:
  std::remove((art + "!Tavo.ini").c_str());
  EXPECT_FALSE(b.ExecuteLink("Subscriber"));
  EXPECT_EQ(platform.messages.texts().last(), "That subscriber does not exist");
  EXPECT_EQ(b.SubscriberFolder, news);
}

TEST_F(LinkDispatcher, SlideshowAndThumbnailSetsOpenOnlyWhenTheirFileExists) {
  file("Town News/Beach/Slideshow.ini", "[Slideshow]\r\n");
  file("Town News/shop/THUMBNAIL.INI", "[Thumbnail]\r\n");
  file("Town News/Empty/readme.txt");
  TFmMain& b = start();

  EXPECT_TRUE(b.ExecuteLink("SlideShow beach"));
  EXPECT_EQ(peers.slideshow.folder, news + "Beach");
  EXPECT_TRUE(peers.slideshow.visible);
  ASSERT_TRUE(peers.slideshow.geometry);
  EXPECT_EQ(*peers.slideshow.geometry, (layout::Rect{0, 50, 1920, 1030}));  // below the bar at the top
  EXPECT_EQ(b.PlaylistOpenWindow(), PlaylistWindow::Slideshow);

  // A second slideshow link first closes the one that is open.
  peers.slideshow.calls.clear();
  EXPECT_FALSE(b.ExecuteLink("Slideshow Empty"));
  EXPECT_EQ(peers.slideshow.calls, QStringList{"close"});
  EXPECT_FALSE(b.ExecuteLink("Slideshow Nowhere"));
  EXPECT_EQ(b.PlaylistOpenWindow(), PlaylistWindow::Slideshow);  // marked even when nothing opened

  EXPECT_TRUE(b.ExecuteLink("Thumbnail Shop", {}, PlaylistMark));
  EXPECT_EQ(peers.thumbnails.folder, news + "shop");
  EXPECT_EQ(peers.thumbnails.mainWindow, &b);
  ASSERT_TRUE(peers.thumbnails.geometry);
  EXPECT_EQ(*peers.thumbnails.geometry, (layout::Rect{0, 50, 1920, 1040 - 50}));  // work area minus the bar
  EXPECT_EQ(b.PlaylistOpenWindow(), PlaylistWindow::Thumbnails);

  // With the keep-open mark the playlist does not own the window.
  EXPECT_TRUE(b.ExecuteLink("Thumbnail Shop", {}, PlaylistMark | KeepOpenMark));
  EXPECT_EQ(b.PlaylistOpenWindow(), PlaylistWindow::None);
  EXPECT_FALSE(b.ExecuteLink("Thumbnail Missing", {}, KeepOpenMark));
  EXPECT_EQ(b.PlaylistOpenWindow(), PlaylistWindow::None);

  // Every request starts by clearing the mark.
  EXPECT_TRUE(b.ExecuteLink("Slideshow Beach"));
  EXPECT_TRUE(b.ExecuteLink("Browser anything"));
  EXPECT_EQ(b.PlaylistOpenWindow(), PlaylistWindow::None);
}

TEST_F(LinkDispatcher, WithTheBarAtTheBottomASetOpensAtTheTopOfTheScreen) {
  file("Town News/Beach/Slideshow.ini");
  setViewingOption("Ticker Position", "Bottom");
  TFmMain& b = start();
  ASSERT_EQ(b.y(), 1040 - 50);
  EXPECT_TRUE(b.ExecuteLink("Slideshow Beach"));
  EXPECT_EQ(peers.slideshow.geometry->top, 0);
  EXPECT_EQ(b.y(), 1080 - 50);  // the bar sits on the screen's bottom edge while the set is open
}

TEST_F(LinkDispatcher, ProgramsStartFromTheChannelFolderOnlyWhenTheyExist) {
  file("Town News/tools/Viewer.EXE");
  TFmMain& b = start();

  EXPECT_FALSE(b.ExecuteLink("missing.exe"));
  EXPECT_TRUE(platform.shell.started.empty());

  EXPECT_TRUE(b.ExecuteLink("Tools\\viewer.exe"));
  ASSERT_EQ(platform.shell.started.size(), 1u);
  EXPECT_EQ(platform.shell.started[0].program, QString::fromStdString(news + "tools/Viewer.EXE"));
  EXPECT_TRUE(platform.shell.started[0].arguments.isEmpty());
  EXPECT_EQ(platform.shell.started[0].workingFolder, QString::fromStdString(news + "tools/"));

  // A program the system refuses to start is a failure, not a success.
  platform.shell.startResult = false;
  EXPECT_FALSE(b.ExecuteLink("tools/viewer.exe"));
}

TEST_F(LinkDispatcher, DocumentsAreLookedUpInTheSetFolderFirstThenInTheChannelFolder) {
  file("Town News/Shop/Price List.html");
  file("Town News/price list.html");
  file("Town News/Menu.pdf");
  TFmMain& b = start();

  EXPECT_TRUE(b.ExecuteLink("Price List.html", "Shop", PlaylistMark));
  EXPECT_TRUE(b.ExecuteLink("Price List.html", "Other set", PlaylistMark));
  EXPECT_TRUE(b.ExecuteLink("menu.PDF"));
  EXPECT_EQ(platform.shell.opened,
            (QStringList{QString::fromStdString(news + "Shop/Price List.html"),
                         QString::fromStdString(news + "price list.html"), QString::fromStdString(news + "Menu.pdf")}));

  platform.shell.openResult = false;  // nothing is registered for it
  EXPECT_FALSE(b.ExecuteLink("menu.pdf"));
}

TEST_F(LinkDispatcher, AWebAddressOpensInTheSystemBrowserEvenWithTheOwnBrowserChosen) {
  provider("Town News", "[Browser Options]\r\nBrowser=Tavo Browser\r\n");
  TFmMain& b = start();
  ASSERT_EQ(b.BrowserChoice, "Tavo Browser");

  EXPECT_TRUE(b.ExecuteLink("http://www.example.com/ferry"));
  EXPECT_TRUE(b.ExecuteLink("mailto:news@example.com"));
  EXPECT_EQ(platform.shell.opened, (QStringList{"http://www.example.com/ferry", "mailto:news@example.com"}));
  EXPECT_TRUE(peers.browser.calls.isEmpty());
}

TEST_F(LinkDispatcher, AMissingDocumentIsAFailureNotAGuessedWebAddress) {
  provider("Town News", "[Sponsor Options]\r\nSponsor Box Link=menu.pdf\r\nSponsor Logo Link=www.example.com\r\n");
  TFmMain& b = start();
  for (const char* missing : {"menu.pdf", "Price List.html", "folder\\page.htm", "example.com", "file:///etc/passwd"})
    EXPECT_FALSE(b.ExecuteLink(missing)) << missing;
  EXPECT_FALSE(b.ExecuteLink("menu.pdf", "Shop", PlaylistMark));
  b.ImgAdSponsorClick();
  EXPECT_TRUE(platform.shell.opened.isEmpty());

  // Addresses still open as addresses.
  EXPECT_TRUE(b.ExecuteLink("www.example.com/ferry"));
  b.ImgSponsorLogoClick();
  EXPECT_EQ(platform.shell.opened, (QStringList{"www.example.com/ferry", "www.example.com"}));
}

TEST_F(LinkDispatcher, DoubledAmpersandsReachTheActionsAsOne) {
  file("Town News/Fish & Chips.html");
  file("Town News/Tides & Moon/Slideshow.ini");
  TFmMain& b = start();

  EXPECT_TRUE(b.ExecuteLink("Fish && Chips.html"));
  EXPECT_TRUE(b.ExecuteLink("http://example.com/?a=1&&&b=2"));
  EXPECT_EQ(platform.shell.opened, (QStringList{QString::fromStdString(news + "Fish & Chips.html"),
                                                "http://example.com/?a=1&b=2"}));
  EXPECT_TRUE(b.ExecuteLink("Slideshow Tides && Moon"));
  EXPECT_EQ(peers.slideshow.folder, news + "Tides & Moon");
}

TEST_F(LinkDispatcher, BrowserLinksDoNothingAndSetupStopsThePlaylistFirst) {
  TFmMain& b = start();
  peers.playlist.calls.clear();

  EXPECT_TRUE(b.ExecuteLink("Browser http://www.example.com"));
  EXPECT_TRUE(platform.shell.opened.isEmpty());
  EXPECT_TRUE(peers.browser.calls.isEmpty());

  EXPECT_TRUE(b.ExecuteLink("TavoSetup"));
  EXPECT_EQ(peers.playlist.calls, QStringList{"stop"});
  EXPECT_EQ(peers.setup.shownFor, std::vector<std::string>{presentation + "Project.ini"});
}

TEST_F(LinkDispatcher, WithoutTheLaterWindowsTheRequestIsSkippedButTheResultStays) {
  file("Town News/Beach/Slideshow.ini");
  TFmMain& b = start(/*withPeers=*/false);
  EXPECT_TRUE(b.ExecuteLink("Slideshow Beach"));
  EXPECT_FALSE(b.ExecuteLink("Slideshow Missing"));
  EXPECT_TRUE(b.ExecuteLink("TavoSetup"));
  EXPECT_TRUE(b.ExecuteLink("Subscriber Sports Club", {}, PlaylistMark));
  EXPECT_EQ(b.SubscriberFolder, sports);
}

}  // namespace
}  // namespace tavo::player::test
