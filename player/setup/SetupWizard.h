#pragma once
// The setup wizard as the bar's setup peer: each request creates the wizard,
// shows it modally and frees it.

#include <string>

#include "platform/Platform.h"
#include "player/bar/BarPeers.h"

class QWidget;

namespace tavo::player {

class SetupWizard : public SetupWizardPort {
 public:
  // `programFile`: the running player program, copied beside the installed presentation.
  SetupWizard(platform::Platform& platform, std::string programFile, QWidget* parent = nullptr)
      : platform_(platform), programFile_(std::move(programFile)), parent_(parent) {}
  void runModal(const std::string& projectFile) override;

 private:
  platform::Platform& platform_;
  std::string programFile_;
  QWidget* parent_;
};

}  // namespace tavo::player
