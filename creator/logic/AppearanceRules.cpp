#include "creator/logic/AppearanceRules.h"

#include "common/PresentationPath.h"

namespace tavo::creator {

int speedItemOf(int storedSpeed) { return storedSpeed >= 1 && storedSpeed <= 9 ? storedSpeed - 1 : -1; }

int speedToWrite(int item, int storedSpeed) { return item >= 0 && item <= 8 ? item + 1 : storedSpeed; }

ImportedValue importedValue(const std::string& previous, const std::string& chosenFile,
                            const std::string& providerFolder) {
  const std::string name = chosenFile.substr(chosenFile.find_last_of("/\\") + 1);
  if (!name.empty() && fileExistsIn(providerFolder + "/", name)) return {name, false};
  return {previous, true};
}

SizeNote pictureSizeNote(int width, int height, int wantedWidth, int wantedHeight) {
  if (width <= 0 || height <= 0) return {std::string(), true};
  return {"(" + std::to_string(width) + " x " + std::to_string(height) + ")",
          width == wantedWidth && height == wantedHeight};
}

}  // namespace tavo::creator
