#pragma once
// The wizard's twelve steps: captions, hints, print captions, and the pages
// the information window shows for them.

#include <string>
#include <string_view>

namespace tavo::creator {

inline constexpr int kStepCount = 12;  // 0 "What You Need" .. 11 "Publish Presentation"

struct StepInfo {
  std::string_view caption;       // the step button's caption, lines separated by "\n"
  std::string_view hint;
  std::string_view printCaption;
  bool itemMoves;                 // Item Up / Item Down enabled
  std::string_view title;         // the page's title
  std::string_view barHint;       // the main bar's "Step n" hint (steps 1 to 10)
  std::string_view menuCaption;   // the control menu's entry for the step
};

const StepInfo& stepInfo(int step);
bool isStep(int step);

// Print does something only on the steps that have a grid.
bool stepPrints(int step);

// Prev / Next enabled on a step.
bool prevEnabled(int step);
bool nextEnabled(int step);

// The page file of an information topic ("Step3.htm", "TestCost.htm" for 11,
// "Cast.htm" for 12), or empty for a topic without one.
std::string helpPageOf(int topic);
// The information window's caption for a topic.
std::string moreInfoCaption(int topic);

// Topics that have a samples page.
bool hasSamples(int topic);

}  // namespace tavo::creator
