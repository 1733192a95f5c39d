#include "player/setup/SetupWizard.h"

#include "player/setup/TFmTavoSetup.h"

namespace tavo::player {

void SetupWizard::runModal(const std::string& projectFile) {
  TFmTavoSetup form(platform_, projectFile, programFile_, parent_);
  form.exec();
}

}  // namespace tavo::player
