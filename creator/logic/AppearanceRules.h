#pragma once
// Step 4's rules beyond the settings file's own readers and writers
// (format/ProviderSettings.h): the ticker speed list, the value a picture or
// link import leaves behind, and the note beside a picture about its size.

#include <string>

namespace tavo::creator {

// The speed list holds "1".."9": a stored speed outside selects no item.
int speedItemOf(int storedSpeed);
// What is written back: the chosen item's speed, or the stored speed kept
// as it was when no item is chosen.
int speedToWrite(int item, int storedSpeed);

// The value after importing `chosenFile` into `providerFolder` (no trailing
// separator): its file name when a file by that name is in the folder (copied,
// or kept after the author declined to overwrite it), else `previous`, since
// the copy failed and the player would look for a file that is not there.
struct ImportedValue {
  std::string value;
  bool copyFailed = false;
};
ImportedValue importedValue(const std::string& previous, const std::string& chosenFile,
                            const std::string& providerFolder);

// "(w x h)" beside a picture's label, and whether it is the size asked for.
struct SizeNote {
  std::string text;
  bool matches = true;
};
SizeNote pictureSizeNote(int width, int height, int wantedWidth, int wantedHeight);

}  // namespace tavo::creator
