#pragma once

#include <QRect>
#include <optional>

namespace tavo::platform {

class Screen {
 public:
  virtual ~Screen() = default;
  // The primary screen's size, at (0, 0).
  virtual QRect screenGeometry() const = 0;
  // The screen without panels and task bars, when the system reports it.
  virtual std::optional<QRect> workArea() const = 0;
};

}  // namespace tavo::platform
