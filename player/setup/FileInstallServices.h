#pragma once
// The installation's file work on the platform's file operations: the
// presentation is copied with the progress window (which can cancel; it is
// updated at most every 40 ms, see ThrottledFileOperationUi), the player
// program without one.

#include "platform/TFileOperation.h"
#include "player/logic/InstallPlan.h"
#include "player/setup/ThrottledFileOperationUi.h"

namespace tavo::player {

class FileInstallServices : public setup::InstallServices {
 public:
  // `progressInterval`: the least time between two updates of the progress window.
  explicit FileInstallServices(platform::FileOperationUi& ui,
                               std::chrono::milliseconds progressInterval = ThrottledFileOperationUi::kDefaultInterval)
      : ui_(ui), interval_(progressInterval) {}
  bool createFolders(const std::string& folder) override;
  CopyResult copyFolderContents(const std::string& source, const std::string& destination,
                                const std::string& title) override;
  bool copyFile(const std::string& source, const std::string& destination) override;

 private:
  platform::FileOperationUi& ui_;
  std::chrono::milliseconds interval_;
};

}  // namespace tavo::player
