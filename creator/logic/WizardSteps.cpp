#include "creator/logic/WizardSteps.h"

#include <array>

#include "common/QxMisc.h"

namespace tavo::creator {

namespace {

const std::array<StepInfo, kStepCount> kSteps = {{
    {"What\nYou Need", "What You Need", "Print Tavo Need List", false,
     "What You Need to Complete The Tavo Creator Wizard", "", "What You Need for the Tavo Wizard"},
    {"1\nContent\nProviders", "Define Content Providers", "Print Content Providers", true,
     "Step 1 - Define Content Providers", "Define Content Providers", "Step 1 - Define Content Providers"},
    {"2\nCreate\nSlideshows", "Create Slideshows", "Print Current Slideshow", true, "Step 2 - Create Slideshows",
     "Create Slideshows & Screensaver", "Step 2 - Create Slideshow"},
    {"3\nCreate\nThumbnails", "Create Thumbnails", "Print Current Thumbnails", true, "Step 3 - Create Thumbnails",
     "Create Thumbnails", "Step 3 - Create Thumbnails"},
    {"4\nPlayer\nAppearance", "Player Appearance", "Print Appearance Options", false, "Step 4 - Player Appearance",
     "Player Appearance", "Step 4 - Player Appearance"},
    {"5\nCreate\nPlaylists", "Create Playlists", "Print Current Playlist", true, "Step 5 - Create Playlists",
     "Create Playlists", "Step 5 - Create Playlists"},
    {"6\nAssign\nPlaylist Text", "Assign Playlist Text", "Print Current Text File", true,
     "Step 6 - Assign Playlist Text", "Assign Playlist Text", "Step 6 - Assign Playlist Text"},
    {"7\nPresentation\nOptions", "Presentation Options", "Print Presentation Options", true,
     "Step 7 - Presentation Options", "Presentation Options", "Step 7 - Presentation Options"},
    {"8\nButton\nAssignments", "Button Assignments", "Print Button Assignments", true,
     "Step 8 - Button Assignments", "Button Assignments", "Step 8 - Button Assignments"},
    {"9\nSearch\nEngines", "Search Engines", "Print Search Engines", true, "Step 9 - Define Search Engines",
     "Search Engines", "Step 9 - Define Search Engines"},
    {"10\nBroadcast\nOptions", "Broadcast Options", "Print Presentation Times", true, "Step 10 - Broadcast Options",
     "Broadcast Options", "Step 10 - Broadcast Options"},
    {"Publish\nPresentation", "Publish Presentation", "Print C.P. Disk Space", false,
     "Step 11 - Test and Publish Presentation", "", "Publish Presentation"},
}};

}  // namespace

bool isStep(int step) { return step >= 0 && step < kStepCount; }

const StepInfo& stepInfo(int step) { return kSteps.at(static_cast<std::size_t>(step)); }

bool stepPrints(int step) { return isStep(step) && step != 0 && step != 4 && step != 11; }

bool prevEnabled(int step) { return step > 0; }
bool nextEnabled(int step) { return step < kStepCount - 1; }

std::string helpPageOf(int topic) {
  if (topic >= 1 && topic <= 10) return "Step" + std::to_string(topic) + ".htm";
  if (topic == 11) return "TestCost.htm";
  if (topic == 12) return "Cast.htm";
  return {};
}

std::string moreInfoCaption(int topic) {
  if (topic == 12) return "More Info - Publish Presentation";
  if (topic == 11) return "More Info - Test Presentation";
  if (!isStep(topic)) return "More Info - Step ";
  // The caption's first line is the number; the rest reads as the step's name.
  const std::string_view caption = stepInfo(topic).caption;
  std::string text;
  for (char c : caption) text += (c == '\n') ? ' ' : c;
  return "More Info - Step " + removeControlChars(text);
}

bool hasSamples(int topic) { return topic == 1 || topic == 5 || topic == 8 || topic == 11; }

}  // namespace tavo::creator
