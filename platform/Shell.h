#pragma once
// Handing documents, addresses and programs to the system.
// Nothing here passes text through a shell command line: a link is always one
// argument, whatever characters it holds.

#include <QString>
#include <QStringList>

namespace tavo::platform {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a document (an existing file) with the program the system associates
  // with its type, or an address (web, mail) with the system's handler, in a
  // shown window. Returns false when the system refuses.
  virtual bool openDocument(const QString& pathOrAddress) = 0;
  // Starts a program with an argument list and a working folder, detached
  // from the player. Returns false when it cannot be started.
  virtual bool startProgram(const QString& program, const QStringList& arguments,
                            const QString& workingFolder) = 0;
};

}  // namespace tavo::platform
