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
  // inside the applications menu folder ("Programs\Tavo Player" and
  // "Programs/Tavo Player" alike; an empty place is the menu folder itself),
  // created when missing. The launcher starts `target` with `arguments` (a
  // command-line text, split as a Windows program splits it) in the target's
  // folder. Returns false when the names are empty or the file cannot be written.
  virtual bool createShortcut(const QString& linkFileName, const QString& place, const QString& target,
                              const QString& arguments) = 0;
};

}  // namespace tavo::platform
