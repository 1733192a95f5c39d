#pragma once
// Desktop and menu shortcuts, written as freedesktop ".desktop" launchers.

#include <QString>

namespace tavo::platform {

class Shortcuts {
 public:
  virtual ~Shortcuts() = default;
  // Writes a launcher named `linkFileName` (its text kept, with the launcher
  // suffix ".desktop" in place of a Windows ".lnk") into a place: "Desktop"
  // (case ignored) is the user's desktop folder; any other place is a folder
  // of that name inside the applications menu folder, created when missing.
  // The launcher starts `target` with `arguments` in the target's folder.
  // Returns false when the place is unknown or the file cannot be written.
  virtual bool createShortcut(const QString& linkFileName, const QString& place, const QString& target,
                              const QString& arguments) = 0;
};

}  // namespace tavo::platform
