#pragma once
// Where a dialog's bottom-row buttons go: spread evenly across the dialog.
// With s the sum of the button widths and k their number, a dialog narrower
// than s + 7k is widened to that; the gap is g = (width - s) / (k + 1); the
// first button starts at g - 3 and each further one g pixels after the
// previous one's right edge.

#include <vector>

namespace tavo {

struct ButtonSpread {
  int dialogWidth = 0;     // the width the dialog must have (unchanged or widened)
  std::vector<int> lefts;  // left edge of each button, in order
};

ButtonSpread spreadButtons(int dialogWidth, const std::vector<int>& buttonWidths);

}  // namespace tavo
