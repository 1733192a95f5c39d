#pragma once
// The real services, on Qt and Linux.

#include <QString>
#include <memory>

#include "platform/Platform.h"

namespace tavo::platform {

class QtPlatform {
 public:
  // `applicationTitle` titles the information boxes; `instanceName` names the
  // single-instance lock ("TavoPlayer").
  QtPlatform(const QString& applicationTitle, const QString& instanceName);
  ~QtPlatform();
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  Platform& platform() { return *platform_; }

 private:
  struct Services;
  std::unique_ptr<Services> services_;
  std::unique_ptr<Platform> platform_;
};

}  // namespace tavo::platform
