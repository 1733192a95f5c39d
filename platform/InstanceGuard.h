#pragma once

namespace tavo::platform {

// Keeps a program to one running instance per user.
class InstanceGuard {
 public:
  virtual ~InstanceGuard() = default;
  // True when this process is now the only instance; false when another runs.
  virtual bool acquire() = 0;
};

}  // namespace tavo::platform
