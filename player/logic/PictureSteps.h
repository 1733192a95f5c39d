#pragma once
// Which picture or screen the picture windows show next, their menu entries
// and the texts of their top bars, as plain rules. Indexes are 0-based; `n`
// is the number of pictures in the set (0 is allowed everywhere).

#include <string>
#include <vector>

namespace tavo::player::pictures {

// ---- one picture at a time (slideshow, and the viewer's big view) ----
// Next: one on, the first after the last. Previous: one back, the last before the first.
int nextPicture(int index, int n);
int previousPicture(int index, int n);
// "Image 3 of 8"; a set without pictures reads "Image 0 of 0".
std::string imageNumberText(int index, int n);
// The slideshow's menu entry for picture number `number` (from 1): the number
// right-aligned in four places, four blanks, then the caption with its first
// character as the entry's hot key.
std::string slideMenuCaption(int number, const std::string& caption);

// ---- six pictures per screen (thumbnail viewer) ----
// A screen is given by its first index s; after it is shown the viewer's
// "next start" is screenEnd(s, n).
int screenEnd(int start, int n);
// "Images 7-8 of 8"; a set without pictures reads "Images 0-0 of 0".
std::string screenRangeText(int start, int n);
// The screen Next shows, from the current next start.
int nextScreenStart(int nextStart, int n);
// The screen Previous shows, from the current next start: the last screen from
// the first, the screen before an incomplete last screen, else two back.
int previousScreenStart(int nextStart, int n);
// The screen that holds picture `index` (the big view returns to it).
int screenHolding(int index, int n);

struct GroupEntry {
  std::string caption;  // "Images 1 - 6"
  int start;            // first index of the group
  bool operator==(const GroupEntry&) const = default;
};
// One entry per complete group of six, and one more for an incomplete last group.
std::vector<GroupEntry> groupMenu(int n);

// ---- background sound repetition ----
// The slideshow's sound is played once more when it first ends (heard at most
// twice per opening, and once when paused before it ended); the viewer's sound
// starts again each time it ends while the viewer is open and not paused.
class SoundRepetition {
 public:
  enum class Kind { Slideshow, Viewer };
  explicit SoundRepetition(Kind kind) : kind_(kind) {}
  void started() { notify_ = true; paused_ = false; }
  void paused() { notify_ = false; paused_ = true; }
  void resumed() {
    paused_ = false;
    notify_ = kind_ == Kind::Viewer;
  }
  void closed() { notify_ = false; paused_ = false; }
  // The sound has come to its end: true when it is to be played again.
  bool ended();

 private:
  Kind kind_;
  bool notify_ = false;
  bool paused_ = false;
};

}  // namespace tavo::player::pictures
