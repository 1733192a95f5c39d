#include "player/setup/FileInstallServices.h"

#include <filesystem>
#include <system_error>

#include "common/QxMisc.h"
#include "platform/QtText.h"

namespace fs = std::filesystem;

namespace tavo::player {

bool FileInstallServices::createFolders(const std::string& folder) {
  std::error_code ec;
  fs::create_directories(fs::path(folder), ec);
  return fs::is_directory(fs::path(folder), ec);
}

setup::InstallServices::CopyResult FileInstallServices::copyFolderContents(const std::string& source,
                                                                          const std::string& destination,
                                                                          const std::string& title) {
  ThrottledFileOperationUi window(ui_, interval_);
  platform::TFileOperation op(&window);
  op.ShowProgress = true;
  op.ShowWin32Errors = false;  // the wizard says "Presentation was not installed." itself
  op.ProgressTitle = platform::fromPath(title);
  // The folder's contents, so that a copy into an existing folder of the same
  // name (a second installation) updates it instead of nesting a new one in it.
  const bool done = op.copy(platform::fromPath(withTrailingSeparator(source) + "*"), platform::fromPath(destination));
  return done ? CopyResult::Copied : CopyResult::Failed;
}

bool FileInstallServices::copyFile(const std::string& source, const std::string& destination) {
  platform::TFileOperation op;
  op.ShowProgress = false;
  op.RenameOnCollision = false;
  op.ShowWin32Errors = false;
  return op.copy(platform::fromPath(source), platform::fromPath(destination));
}

}  // namespace tavo::player
