#pragma once
// Copy, rename and delete of files and folders with the rules of the Windows
// shell's file operations, on std::filesystem.
//
// Rules:
// - copy(source, destination): one trailing separator is removed from each
//   path. The source may be a file, a folder, or a folder plus a file pattern
//   ("folder/*.*"; "*" and "?", "*.*" matching every name). When the
//   destination is an existing folder, the source is placed inside it under
//   its own name; when it does not exist, the copy is made under the
//   destination's name (its missing parent folders are created; a pattern
//   source then fills a new folder of that name).
// - Names on the target side are matched without regard to case, as on the
//   system the presentations come from: "beach" collides with "Beach", and a
//   replaced entry keeps the name it had.
// - A collision (the target name exists): with `RenameOnCollision` and
//   without `ShowProgress`, the copy gets a new name ("Copy of <name>",
//   "Copy (2) of <name>", ...); without `RenameOnCollision` and without
//   `ShowProgress`, the target is replaced without asking (folders merge).
//   Copying an entry onto itself is an error unless it is renamed; so is
//   copying a folder into itself or into one of its sub-folders.
// - With `ShowProgress`, `FileOperationUi` shows a progress window titled
//   `ProgressTitle`; the user is asked before a file or folder is replaced
//   (Yes, Yes to all, No = skip it, Cancel) and once before a delete; no copy
//   is renamed. A skipped entry or a cancel leaves the operation unfinished,
//   so it returns false (and throws nothing); what was done stays done.
// - `FilesOnly`: a pattern matches files only, so folders are left out (with
//   or without `ShowProgress`: a caller asking for files only never loses a
//   folder).
// - Symbolic links: a source named by the caller is followed; links found
//   inside a copied folder or by a pattern are copied as links, never
//   followed, so a copy cannot loop or pull in files from outside. A delete
//   removes a link, never what it points to. Special files (pipes, sockets,
//   devices) inside a folder are not copied.
// - Copied files keep their permissions and modification time; a replaced
//   file is written beside its old copy and renamed over it, so a failure
//   leaves the old file as it was.
// - rename(source, destination): the paths are used unchanged; an existing
//   destination (also one whose name differs only in case) is an error.
// - deleteFiles(source): removes a file, a folder with everything in it, or
//   the entries matching a pattern (folders too, unless `FilesOnly`); a
//   pattern that matches nothing deletes nothing and succeeds. Trailing
//   separators are ignored. The root folder is never deleted.
// Each operation returns true when it succeeded and was not cancelled. A
// failure (a missing source among them) throws FileOperationError with the
// system's reason when `ShowWin32Errors` is set, and returns false otherwise.

#include <QString>
#include <stdexcept>
#include <string>
#include <system_error>

namespace tavo::platform {

class FileOperationError : public std::runtime_error {
 public:
  explicit FileOperationError(const std::string& message, std::error_code code = {})
      : std::runtime_error(message), code_(code) {}
  // The system's error (for example no_such_file_or_directory).
  std::error_code code() const { return code_; }

 private:
  std::error_code code_;
};

// What a file operation shows while ShowProgress is on.
class FileOperationUi {
 public:
  enum class Answer { Yes, YesToAll, No, Cancel };
  virtual ~FileOperationUi() = default;
  virtual void begin(const QString& title) = 0;
  // Called before each entry is handled; false means the user cancelled.
  virtual bool progress(const QString& entryName) = 0;
  virtual void end() = 0;
  // Replace the existing target? (No skips this entry; YesToAll answers Yes
  // to every later question of the same operation.)
  virtual Answer confirmReplace(const QString& target) = 0;
  // Delete `path` (a file, a folder or a pattern) for good? (No keeps it.)
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

// copy() without a progress window and without renaming on collision: existing
// files are replaced, folders merge. A failure throws FileOperationError.
bool copyFolderQuiet(const QString& source, const QString& destination);

}  // namespace tavo::platform
