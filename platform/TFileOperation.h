#pragma once
// Copy, rename and delete of files and folders with the rules of the Windows
// shell's file operations, on std::filesystem.
//
// Rules:
// - copy(source, destination): one trailing separator is removed from each
//   path. The source may be a file, a folder, or a folder plus a file pattern
//   ("folder/*.*", "*" and "?"). When the destination is an existing folder,
//   the source is placed inside it under its own name; when it does not
//   exist, the copy is made under the destination's name (a pattern source
//   then fills a new folder of that name).
// - A collision (the target name exists): with `RenameOnCollision` and
//   without `ShowProgress`, the copy gets a new name ("Copy of <name>",
//   "Copy (2) of <name>", ...); without `RenameOnCollision` and without
//   `ShowProgress`, the target is replaced without asking (folders merge).
// - With `ShowProgress`, a progress window titled `ProgressTitle` is shown and
//   the user is asked before a target is replaced or anything is deleted; no
//   copy is renamed. The user may cancel, which ends the operation.
// - `FilesOnly`: a pattern matches files only, so sub-folders are left out.
// - rename(source, destination): the paths are used unchanged; an existing
//   destination is an error.
// - deleteFiles(source): removes a file, a folder with everything in it, or
//   the entries matching a pattern (folders too, unless `FilesOnly`).
// Each operation returns true when it succeeded and was not cancelled. A
// failure throws FileOperationError with the system's reason when
// `ShowWin32Errors` is set, and returns false otherwise. A cancel returns false
// and throws nothing.

#include <QString>
#include <stdexcept>
#include <string>

namespace tavo::platform {

class FileOperationError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What a file operation shows while ShowProgress is on.
class FileOperationUi {
 public:
  enum class Answer { Yes, No, Cancel };
  virtual ~FileOperationUi() = default;
  virtual void begin(const QString& title) = 0;
  // Called before each entry is handled; false means the user cancelled.
  virtual bool progress(const QString& entryName) = 0;
  virtual void end() = 0;
  // Replace the existing target? (No skips this entry.)
  virtual Answer confirmReplace(const QString& target) = 0;
  // Delete this entry? (No keeps it.)
  virtual Answer confirmDelete(const QString& path) = 0;
};

class TFileOperation {
 public:
  // `ui` is used only while ShowProgress is on; without one, nothing is shown
  // and every question is answered Yes.
  explicit TFileOperation(FileOperationUi* ui = nullptr) : ui_(ui) {}

  bool ShowProgress = true;
  bool FilesOnly = false;
  bool RenameOnCollision = true;
  bool ShowWin32Errors = true;
  QString ProgressTitle;

  bool copy(const QString& source, const QString& destination);
  bool rename(const QString& source, const QString& destination);
  bool deleteFiles(const QString& source);

 private:
  FileOperationUi* ui_;
};

// copy() without a progress window and without renaming on collision.
bool copyFolderQuiet(const QString& source, const QString& destination);

}  // namespace tavo::platform
