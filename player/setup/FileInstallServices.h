#pragma once
// The installation's file work on the platform's file operations: the
// presentation is copied with the progress window (which can cancel), the
// player program without one.

#include "platform/TFileOperation.h"
#include "player/logic/InstallPlan.h"

namespace tavo::player {

class FileInstallServices : public setup::InstallServices {
 public:
  explicit FileInstallServices(platform::FileOperationUi& ui) : ui_(ui) {}
  bool createFolders(const std::string& folder) override;
  CopyResult copyFolderContents(const std::string& source, const std::string& destination,
                                const std::string& title) override;
  bool copyFile(const std::string& source, const std::string& destination) override;

 private:
  platform::FileOperationUi& ui_;
};

}  // namespace tavo::player
