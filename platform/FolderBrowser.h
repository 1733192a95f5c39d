#pragma once

#include <QString>

namespace tavo::platform {

class FolderBrowser {
 public:
  virtual ~FolderBrowser() = default;
  // The system's folder chooser with `prompt` as title. Returns the chosen
  // folder with a trailing separator, or empty when the user cancels.
  virtual QString browseForFolder(const QString& prompt) = 0;
};

}  // namespace tavo::platform
