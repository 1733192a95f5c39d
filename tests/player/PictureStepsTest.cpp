// Which picture or screen the picture windows show next, their menus and texts.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player/logic/PictureSteps.h"

namespace tavo::player::pictures {
namespace {

TEST(PictureSteps, NextAndPreviousWrapAround) {
  struct Case {
    int index, n, next, previous;
  } cases[] = {
      {0, 1, 0, 0},  // one picture: both show it again
      {0, 8, 1, 7}, {7, 8, 0, 6}, {4, 8, 5, 3},
      {0, 0, 0, 0},  // no pictures: nothing to step to
  };
  for (const Case& c : cases) {
    EXPECT_EQ(nextPicture(c.index, c.n), c.next) << c.index << " of " << c.n;
    EXPECT_EQ(previousPicture(c.index, c.n), c.previous) << c.index << " of " << c.n;
  }
}

TEST(PictureSteps, TopBarAndMenuTexts) {
  EXPECT_EQ(imageNumberText(2, 8), "Image 3 of 8");
  EXPECT_EQ(imageNumberText(0, 0), "Image 0 of 0");
  EXPECT_EQ(slideMenuCaption(5, "Lighthouse"), "   5    &Lighthouse");
  EXPECT_EQ(slideMenuCaption(1234, ""), "1234    &");
  EXPECT_EQ(screenRangeText(6, 8), "Images 7-8 of 8");
  EXPECT_EQ(screenRangeText(0, 4), "Images 1-4 of 4");
  EXPECT_EQ(screenRangeText(0, 0), "Images 0-0 of 0");
}

std::vector<GroupEntry> entries(std::initializer_list<GroupEntry> e) { return e; }

// For each set size: the menu, and from every screen what Next and Previous show.
TEST(PictureSteps, ScreensOfSixWithTheirMenusAndNextAndPrevious) {
  struct Screen {
    int start;          // the screen on view
    const char* range;  // its top-bar text
    int next, previous; // the screen Next and Previous show from it
  };
  struct Case {
    int n;
    std::vector<GroupEntry> menu;
    std::vector<Screen> screens;
  } cases[] = {
      {8, entries({{"Images 1 - 6", 0}, {"Images 7 - 8", 6}}),
       {{0, "Images 1-6 of 8", 6, 6}, {6, "Images 7-8 of 8", 0, 0}}},
      {12, entries({{"Images 1 - 6", 0}, {"Images 7 - 12", 6}}),
       {{0, "Images 1-6 of 12", 6, 6}, {6, "Images 7-12 of 12", 0, 0}}},
      {4, entries({{"Images 1 - 4", 0}}), {{0, "Images 1-4 of 4", 0, 0}}},
      {6, entries({{"Images 1 - 6", 0}}), {{0, "Images 1-6 of 6", 0, 0}}},
      {20, entries({{"Images 1 - 6", 0}, {"Images 7 - 12", 6}, {"Images 13 - 18", 12}, {"Images 19 - 20", 18}}),
       {{0, "Images 1-6 of 20", 6, 18},
        {6, "Images 7-12 of 20", 12, 0},
        {12, "Images 13-18 of 20", 18, 6},
        {18, "Images 19-20 of 20", 0, 12}}},
      {18, entries({{"Images 1 - 6", 0}, {"Images 7 - 12", 6}, {"Images 13 - 18", 12}}),
       {{0, "Images 1-6 of 18", 6, 12}, {12, "Images 13-18 of 18", 0, 6}}},
      {0, {}, {{0, "Images 0-0 of 0", 0, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.n << " pictures");
    EXPECT_EQ(groupMenu(c.n), c.menu);
    for (const Screen& s : c.screens) {
      const int nextStart = screenEnd(s.start, c.n);  // what the viewer holds after showing it
      EXPECT_EQ(screenRangeText(s.start, c.n), s.range);
      EXPECT_EQ(nextScreenStart(nextStart, c.n), s.next) << "next from " << s.start;
      EXPECT_EQ(previousScreenStart(nextStart, c.n), s.previous) << "previous from " << s.start;
    }
  }
}

TEST(PictureSteps, TheBigViewReturnsToTheScreenHoldingItsPicture) {
  struct Case {
    int index, n, screen;
  } cases[] = {{6, 12, 6}, {11, 12, 6}, {5, 12, 0}, {7, 8, 6}, {3, 4, 0}, {5, 6, 0}, {13, 20, 12}};
  for (const Case& c : cases)
    EXPECT_EQ(screenHolding(c.index, c.n), c.screen) << c.index + 1 << "th of " << c.n;
  // Stepping past the last picture in the big view shows the first.
  EXPECT_EQ(nextPicture(11, 12), 0);
  EXPECT_EQ(previousPicture(0, 12), 11);
}

TEST(PictureSteps, SoundRepetition) {
  using K = SoundRepetition::Kind;
  enum Event { Start, End, Pause, Resume };
  struct Case {
    const char* what;
    K kind;
    std::vector<Event> events;
    std::vector<bool> replays;  // the answer of each End, in order
  } cases[] = {
      {"slideshow: heard twice, then silent", K::Slideshow, {Start, End, End}, {true, false}},
      {"slideshow paused during the first playing: not repeated", K::Slideshow, {Start, Pause, Resume, End},
       {false}},
      {"slideshow reopened: twice again", K::Slideshow, {Start, End, End, Start, End, End},
       {true, false, true, false}},
      {"viewer repeats while open", K::Viewer, {Start, End, End, End}, {true, true, true}},
      {"viewer paused: an end reported meanwhile is not repeated", K::Viewer, {Start, Pause, End}, {false}},
      {"viewer played again after a pause repeats again", K::Viewer, {Start, Pause, Resume, End, End},
       {true, true}},
  };
  for (const Case& c : cases) {
    SoundRepetition r(c.kind);
    std::vector<bool> got;
    for (Event e : c.events) {
      if (e == Start) r.started();
      if (e == Pause) r.paused();
      if (e == Resume) r.resumed();
      if (e == End) got.push_back(r.ended());
    }
    EXPECT_EQ(got, c.replays) << c.what;
  }
}

}  // namespace
}  // namespace tavo::player::pictures
