#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player/logic/SetupFlow.h"

namespace tavo::player::setup {
namespace {

enum class Press { Next, Back, Yes, No, Cancel, Installed, Ok, Answer };

// Starts a flow and presses the buttons in order.
SetupFlow walk(bool updatesPagesOn, const std::vector<Press>& presses) {
  SetupFlow flow(updatesPagesOn);
  flow.start();
  for (Press p : presses) {
    switch (p) {
      case Press::Next: flow.next(); break;
      case Press::Back: flow.back(); break;
      case Press::Yes: flow.reasonsYes(); break;
      case Press::No: flow.reasonsNo(); break;
      case Press::Cancel: flow.cancel(); break;
      case Press::Installed: flow.installed(); break;
      case Press::Ok: flow.ok(); break;
      case Press::Answer: flow.downloadAnswer(); break;
    }
  }
  return flow;
}

Move press(SetupFlow flow, Press p) {
  switch (p) {
    case Press::Next: return flow.next();
    case Press::Back: return flow.back();
    case Press::Yes: return flow.reasonsYes();
    case Press::No: return flow.reasonsNo();
    case Press::Cancel: return flow.cancel();
    case Press::Installed: return flow.installed();
    case Press::Ok: return flow.ok();
    case Press::Answer: return flow.downloadAnswer();
  }
  return {};
}

std::string describe(const Move& m) {
  switch (m.kind) {
    case Move::Kind::Nothing: return "nothing";
    case Move::Kind::Show: return "page " + std::to_string(static_cast<int>(m.page));
    case Move::Kind::Install: return "install";
    case Move::Kind::Close: return "close";
  }
  return "?";
}

TEST(SetupFlow, StartPageFollowsShowReasonsList) {
  EXPECT_EQ(SetupFlow(true).start(), Page::Reasons);
  EXPECT_EQ(SetupFlow(false).start(), Page::InstallPath);
}

// Every button on every page, with and without the updates pages.
TEST(SetupFlow, ButtonsOnEveryPage) {
  const Move nothing = Move::nothing();
  struct Row {
    const char* where;
    bool on;
    std::vector<Press> path;
    Page at;
    Press button;
    Move expected;
  };
  const std::vector<Press> toPage2On{Press::Yes};
  const std::vector<Press> toPage4On{Press::Yes, Press::Next, Press::Next};
  const std::vector<Press> toPage5On{Press::Yes, Press::Next, Press::Next, Press::Installed};
  const std::vector<Press> toPage4Off{Press::Next};
  const std::vector<Press> toPage5Off{Press::Next, Press::Installed};
  const Row rows[] = {
      // Page 1, first visit: only Yes and No lead away.
      {"1 first", true, {}, Page::Reasons, Press::Yes, Move::show(Page::InstallPath)},
      {"1 first", true, {}, Page::Reasons, Press::No, Move::close()},
      {"1 first", true, {}, Page::Reasons, Press::Next, nothing},
      {"1 first", true, {}, Page::Reasons, Press::Back, nothing},
      {"1 first", true, {}, Page::Reasons, Press::Cancel, nothing},
      // Page 1 again through Back: the footer leads on, Yes and No are gone.
      {"1 again", true, {Press::Yes, Press::Back}, Page::Reasons, Press::Next, Move::show(Page::InstallPath)},
      {"1 again", true, {Press::Yes, Press::Back}, Page::Reasons, Press::Back, nothing},
      {"1 again", true, {Press::Yes, Press::Back}, Page::Reasons, Press::Yes, nothing},
      {"1 again", true, {Press::Yes, Press::Back}, Page::Reasons, Press::No, nothing},
      {"1 again", true, {Press::Yes, Press::Back}, Page::Reasons, Press::Cancel, Move::close()},
      // With the updates pages.
      {"2 on", true, toPage2On, Page::InstallPath, Press::Back, Move::show(Page::Reasons)},
      {"2 on", true, toPage2On, Page::InstallPath, Press::Next, Move::show(Page::AutoUpdate)},
      {"2 on", true, toPage2On, Page::InstallPath, Press::Cancel, Move::close()},
      {"3", true, {Press::Yes, Press::Next}, Page::AutoUpdate, Press::Back, Move::show(Page::InstallPath)},
      {"3", true, {Press::Yes, Press::Next}, Page::AutoUpdate, Press::Next, Move::show(Page::Ready)},
      {"4 on", true, toPage4On, Page::Ready, Press::Back, Move::show(Page::AutoUpdate)},
      {"4 on", true, toPage4On, Page::Ready, Press::Next, Move::install()},
      {"4 on", true, toPage4On, Page::Ready, Press::Installed, Move::show(Page::Complete)},
      {"4 on", true, toPage4On, Page::Ready, Press::Cancel, Move::close()},
      // Without them: 2 and 4 only.
      {"2 off", false, {}, Page::InstallPath, Press::Back, nothing},
      {"2 off", false, {}, Page::InstallPath, Press::Next, Move::show(Page::Ready)},
      {"2 off", false, {}, Page::InstallPath, Press::Installed, nothing},
      {"4 off", false, toPage4Off, Page::Ready, Press::Back, Move::show(Page::InstallPath)},
      {"4 off", false, toPage4Off, Page::Ready, Press::Next, Move::install()},
      // Pages 5 and 6 have no footer.
      {"5", true, toPage5On, Page::Complete, Press::Back, nothing},
      {"5", true, toPage5On, Page::Complete, Press::Next, nothing},
      {"5", true, toPage5On, Page::Complete, Press::Cancel, nothing},
      {"5", false, toPage5Off, Page::Complete, Press::Ok, Move::show(Page::DownloadNew)},
      {"6", false, {Press::Next, Press::Installed, Press::Ok}, Page::DownloadNew, Press::Answer, Move::close()},
      {"6", false, {Press::Next, Press::Installed, Press::Ok}, Page::DownloadNew, Press::Back, nothing},
      {"6", false, {Press::Next, Press::Installed, Press::Ok}, Page::DownloadNew, Press::Next, nothing},
  };
  for (const Row& r : rows) {
    const SetupFlow flow = walk(r.on, r.path);
    ASSERT_EQ(flow.page(), r.at) << r.where;
    EXPECT_EQ(describe(press(flow, r.button)), describe(r.expected))
        << r.where << (r.on ? " (updates pages on)" : " (updates pages off)") << ", button "
        << static_cast<int>(r.button);
  }
}

TEST(SetupFlow, YesAgreesToUpdatesAndTheWholeRoadEndsClosed) {
  SetupFlow flow(true);
  flow.start();
  EXPECT_FALSE(flow.agreedToUpdates());
  EXPECT_EQ(flow.reasonsYes(), Move::show(Page::InstallPath));
  EXPECT_TRUE(flow.agreedToUpdates());
  EXPECT_EQ(flow.next(), Move::show(Page::AutoUpdate));
  EXPECT_EQ(flow.next(), Move::show(Page::Ready));
  EXPECT_EQ(flow.next(), Move::install());
  EXPECT_EQ(flow.page(), Page::Ready);  // a failed installation leaves the page as it is
  EXPECT_EQ(flow.installed(), Move::show(Page::Complete));
  EXPECT_EQ(flow.ok(), Move::show(Page::DownloadNew));
  EXPECT_EQ(flow.downloadAnswer(), Move::close());
}

TEST(SetupFlow, WindowLayoutOfEachPage) {
  struct Row {
    const char* where;
    bool on;
    std::vector<Press> path;
    PageLayout expected;
  };
  // width, height, header, footer, creator link, back enabled, Yes/No, list height
  const Row rows[] = {
      {"1 first visit", true, {}, {457, 290, true, false, false, false, true, 0}},
      {"1 again", true, {Press::Yes, Press::Back}, {457, 331, true, true, false, false, false, 162}},
      {"2 on", true, {Press::Yes}, {457, 331, true, true, false, true, false, 0}},
      {"2 off", false, {}, {457, 331, true, true, false, false, false, 0}},
      {"3", true, {Press::Yes, Press::Next}, {457, 331, true, true, true, true, false, 0}},
      {"4 off", false, {Press::Next}, {457, 331, true, true, true, true, false, 0}},
      {"5", false, {Press::Next, Press::Installed}, {340, 151, false, false, true, false, false, 0}},
      {"6", false, {Press::Next, Press::Installed, Press::Ok}, {340, 151, false, false, false, false, false, 0}},
  };
  for (const Row& r : rows) {
    const PageLayout l = walk(r.on, r.path).layout();
    EXPECT_EQ(l.clientWidth, r.expected.clientWidth) << r.where;
    EXPECT_EQ(l.clientHeight, r.expected.clientHeight) << r.where;
    EXPECT_EQ(l.headerVisible, r.expected.headerVisible) << r.where;
    EXPECT_EQ(l.footerVisible, r.expected.footerVisible) << r.where;
    EXPECT_EQ(l.creatorLinkVisible, r.expected.creatorLinkVisible) << r.where;
    EXPECT_EQ(l.backEnabled, r.expected.backEnabled) << r.where;
    EXPECT_EQ(l.reasonsButtonsVisible, r.expected.reasonsButtonsVisible) << r.where;
    EXPECT_EQ(l.reasonsListHeight, r.expected.reasonsListHeight) << r.where;
  }
}

TEST(SetupFlow, ReadyPageTextsForBothChoices) {
  EXPECT_EQ(autoUpdateText(true), "Yes");
  EXPECT_EQ(readyLines(true),
            (std::vector<std::string>{"New content files will be downloaded daily between 6:00 AM and 8:00 AM",
                                      "The new content will be available at 8:00 AM"}));
  EXPECT_EQ(autoUpdateText(false), "No");
  EXPECT_EQ(readyLines(false), (std::vector<std::string>{"You will have to update the presentation yourself daily.  "
                                                         "You can update the presentation each day after 6:00 AM."}));
  EXPECT_EQ(nextCaption(Page::Ready), "&Install");
  EXPECT_EQ(nextCaption(Page::InstallPath), "&Next");
}

TEST(SetupFlow, CaptionsAndReasonsList) {
  EXPECT_EQ(windowCaption(Page::InstallPath, "Harbour Town"), "Tavo Setup - Harbour Town");
  EXPECT_EQ(windowCaption(Page::DownloadNew, "Harbour Town"), "Download New Content - Harbour Town");
  EXPECT_EQ(pageTitle(Page::Reasons), "- Receive Content Updates?");
  EXPECT_EQ(pageTitle(Page::Complete), "Tavo Installation Complete");
  EXPECT_EQ(reasonsListItems({"Ferry times", "", "Results"}),
            (std::vector<std::string>{"1. Ferry times", "2. ", "3. Results"}));
  EXPECT_TRUE(reasonsListItems({}).empty());
}

}  // namespace
}  // namespace tavo::player::setup
