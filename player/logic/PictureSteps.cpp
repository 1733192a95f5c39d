#include "player/logic/PictureSteps.h"

#include <algorithm>
#include <cstdio>

namespace tavo::player::pictures {

int nextPicture(int index, int n) {
  if (n <= 0) return 0;
  return index + 1 >= n || index + 1 < 0 ? 0 : index + 1;
}

int previousPicture(int index, int n) {
  if (n <= 0) return 0;
  return index - 1 < 0 || index - 1 >= n ? n - 1 : index - 1;
}

std::string imageNumberText(int index, int n) {
  if (n <= 0) return "Image 0 of 0";
  return "Image " + std::to_string(index + 1) + " of " + std::to_string(n);
}

std::string slideMenuCaption(int number, const std::string& caption) {
  char head[32];
  std::snprintf(head, sizeof head, "%4d    &", number);
  return head + caption;
}

int screenEnd(int start, int n) { return std::min(start + 6, std::max(n, 0)); }

std::string screenRangeText(int start, int n) {
  if (n <= 0) return "Images 0-0 of 0";
  char text[64];
  std::snprintf(text, sizeof text, "Images %d-%d of %d", start + 1, screenEnd(start, n), n);
  return text;
}

int nextScreenStart(int nextStart, int n) { return nextStart >= n || nextStart < 0 ? 0 : nextStart; }

int previousScreenStart(int a, int n) {
  if (n <= 6) return 0;
  int start;
  if (a == 6)
    start = ((n - 1) / 6) * 6;
  else if (a % 6 != 0)
    start = a - a % 6 - 6;
  else
    start = a - 12;
  // Only a next start that no shown screen leaves (0, or beyond the set) gets
  // here with a start outside the set; it goes to the first screen.
  return start < 0 || start >= n ? 0 : start;
}

int screenHolding(int index, int n) {
  if (n <= 6 || index < 0 || index >= n) return 0;
  return index - index % 6;
}

std::vector<GroupEntry> groupMenu(int n) {
  std::vector<GroupEntry> out;
  char text[64];
  for (int c = 6; c <= n; c += 6) {
    std::snprintf(text, sizeof text, "Images %d - %d", c - 5, c);
    out.push_back({text, c - 6});
  }
  if (n > 0 && n % 6 != 0) {
    const int first = n - n % 6;
    std::snprintf(text, sizeof text, "Images %d - %d", first + 1, n);
    out.push_back({text, first});
  }
  return out;
}

bool SoundRepetition::ended() {
  if (!notify_ || paused_) return false;
  notify_ = kind_ == Kind::Viewer;
  return true;
}

}  // namespace tavo::player::pictures
