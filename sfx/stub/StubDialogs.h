#pragma once
// The self-extractor's windows: message boxes, the folder question, the
// password prompt and the progress window, titled with the block's caption.

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "sfx/package/SfxReader.h"

class QProgressDialog;

namespace tavo::sfx {

class StubUi {
 public:
  StubUi();
  ~StubUi();

  void setCaption(const std::string& caption);  // block text, decoded as file text

  // The publisher's message; false when the user cancels.
  bool showMessage(const std::string& title, const std::string& message);
  // The folder to extract to, starting from `proposed`; nothing when cancelled.
  std::optional<std::string> askFolder(const std::string& proposed);
  std::optional<std::string> askPassword();
  OverwriteAnswer askOverwrite(const std::string& path);
  bool askStart(const std::string& program);

  std::function<bool(std::uint64_t, std::uint64_t)> progressFunction(const std::string& folder);
  void endProgress();

  void error(const QString& text);
  void warning(const QString& text);
  void information(const QString& text);

 private:
  QString caption_;
  std::unique_ptr<QProgressDialog> progress_;
};

}  // namespace tavo::sfx
