#pragma once
// How the setup wizard installs the running presentation: the install folder
// it proposes and accepts, the steps of the installation in their order, what
// it records in the settings store, and the launchers it asks for.
//
// Installation, for presentation folder P (the folder of its Project.ini,
// name N = the last part of P) and install folder I (absolute, ending in "/"):
//   1. I must not overlap P: installing into P's own place, into a folder
//      inside P, or into a folder that holds P is refused before anything is
//      touched (it would copy a folder into itself);
//   2. I is created with its missing parents, else "The folder I could not be created";
//   3. P's contents are copied into I + N with the progress window
//      "Installing presentation to I"; a failed or cancelled copy removes what
//      it created (only that: entries that were there before stay) and the
//      folders step 2 created, records nothing, and says "Presentation was not installed.";
//   4. the running player program is copied into I under its own name unless
//      a file of that name is there (a failure undoes step 3 the same way);
//   5. only now the store is written: InstallPath = I, Version, FirstInstall,
//      then Projects "Presentation" + n (the first free n) = I + N.

#include <string>
#include <string_view>
#include <vector>

#include "format/PlayerSettings.h"

namespace tavo::player::setup {

inline constexpr const char* kVersionText = "Tavo Player 2002";
inline constexpr const char* kNotInstalledMessage = "Presentation was not installed.";
inline constexpr const char* kEnterPathMessage = "Please enter an installation path";
inline constexpr const char* kBrowsePrompt = "Choose an installation path.";
inline constexpr const char* kMenuPlace = "Programs\\Tavo Player";

// The folder proposed on a first installation: $XDG_DATA_HOME/Tavo Player/
// when XDG_DATA_HOME is absolute, else <home>/.local/share/Tavo Player/.
std::string defaultInstallFolder(const std::string& xdgDataHome, const std::string& home);
// The stored InstallPath with a trailing separator, or the default when it is empty.
std::string proposedInstallFolder(const std::string& installPath, const std::string& defaultFolder);

// The presentation that a Project.ini path belongs to.
struct PresentationPlace {
  std::string folder;  // absolute, without trailing separator
  std::string name;    // its last part
};
PresentationPlace presentationOf(const std::string& projectFile);

// The text of the installation path box, checked when Next is pressed on the
// path page (and again before installing).
struct PathCheck {
  enum class Verdict { Accepted, Empty, NotAbsolute, InsidePresentation };
  Verdict verdict = Verdict::Empty;
  std::string folder;   // Accepted: absolute, "~/" expanded, ending in "/"
  std::string message;  // what the user is told otherwise
};
PathCheck checkInstallPath(std::string_view typed, const std::string& home, const PresentationPlace& presentation);

// True when the two folders are the same or one lies inside the other, after
// symbolic links in their existing parts are resolved.
bool foldersOverlap(const std::string& a, const std::string& b);

std::string folderNotCreatedMessage(const std::string& folder);
std::string progressTitle(const std::string& installFolder);

// What an installation asks of the machine; the wizard gives it the real file
// operations, tests a recording stand-in.
class InstallServices {
 public:
  enum class CopyResult { Copied, Failed, Cancelled };
  virtual ~InstallServices() = default;
  // Creates the folder and its missing parents; true when it exists afterwards.
  virtual bool createFolders(const std::string& folder) = 0;
  // Copies everything inside `source` into `destination` (created when
  // missing), showing a progress window titled `title` that can cancel.
  virtual CopyResult copyFolderContents(const std::string& source, const std::string& destination,
                                        const std::string& title) = 0;
  // Copies one file to a path that does not exist yet.
  virtual bool copyFile(const std::string& source, const std::string& destination) = 0;
};

struct InstallRequest {
  std::string installFolder;  // the path box's text after checkInstallPath accepted it
  std::string projectFile;    // the running presentation's Project.ini
  std::string programFile;    // the running player program
  std::string home;           // for "~/"
  std::string installedAt;    // FirstInstall: the date and time as the system writes them
};

struct InstallResult {
  enum class Outcome { Installed, Refused, FolderNotCreated, NotInstalled };
  Outcome outcome = Outcome::NotInstalled;
  std::string message;        // empty when installed
  std::string installFolder;  // ending in "/"
  std::string destination;    // installFolder + presentation name
  std::string program;        // the installed player program
  std::string projectsValue;  // the value name written under Projects
};

InstallResult install(const InstallRequest& request, InstallServices& services, const PlayerSettings& settings);

// Remembers what lies below `destination` before a copy into it, so that
// undo() can remove exactly what the copy added: the destination itself when
// it did not exist, else every entry below it that was not there before.
// Symbolic links are removed as links, never followed.
class CopyUndo {
 public:
  explicit CopyUndo(std::string destination);
  void undo() const;

 private:
  std::string destination_;
  bool existed_ = false;
  std::vector<std::string> before_;  // sorted relative paths
};

// The launchers page 5 writes ("&OK"), in this order: the desktop when
// "Desktop" is ticked, always the menu folder "Programs\Tavo Player", and the
// applications menu itself (place "") when "Windows Start Menu" is ticked.
struct Launcher {
  std::string linkFileName;  // "Tavo Player - " + name + ".lnk"
  std::string place;         // "Desktop", "Programs\Tavo Player" or ""
  std::string target;        // the installed player program
  std::string arguments;     // none: the player finds the presentation through the store
  bool operator==(const Launcher&) const = default;
};
std::vector<Launcher> launchersFor(const std::string& presentationName, const std::string& installedProgram,
                                   bool desktop, bool startMenu);

}  // namespace tavo::player::setup
