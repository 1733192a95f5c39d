#include "platform/TFileOperation.h"

#include <QHash>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/QxMisc.h"
#include "platform/QtText.h"

namespace fs = std::filesystem;

namespace tavo::platform {

namespace {

// Thrown inside an operation; turned into the operation's result at its end.
struct Failed {
  std::string message;
  std::error_code code;
};
struct Cancelled {};

bool isPattern(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }

QString folded(const std::string& name) { return fromPath(name).toCaseFolded(); }

std::string withoutOneSeparator(std::string path) {
  if (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

fs::path folderOrCurrent(const fs::path& folder) { return folder.empty() ? fs::path(".") : folder; }

// The entries of a folder by name, so that the work is done in a stable order.
std::vector<fs::path> sortedEntries(const fs::path& folder, std::error_code& ec) {
  std::vector<fs::path> entries;
  for (fs::directory_iterator it(folderOrCurrent(folder), ec), end; !ec && it != end; it.increment(ec))
    entries.push_back(it->path());
  std::sort(entries.begin(), entries.end(),
            [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
  return entries;
}

// The entries of a folder, found by name without regard to case. Each entry is
// handed out once, so that two source names differing only in case never both
// land on the same existing entry.
class CaseIndex {
 public:
  explicit CaseIndex(const fs::path& folder) {
    std::error_code ec;
    for (fs::directory_iterator it(folderOrCurrent(folder), ec), end; !ec && it != end; it.increment(ec)) {
      const std::string name = it->path().filename().string();
      const std::size_t index = names_.size();
      names_.push_back(name);
      exact_.emplace(name, index);
      byFolded_.insert(folded(name), index);  // the first of equal folded names counts
    }
    taken_.assign(names_.size(), false);
  }

  std::optional<std::string> take(const std::string& name) {
    std::optional<std::size_t> index;
    if (const auto it = exact_.find(name); it != exact_.end() && !taken_[it->second]) {
      index = it->second;
    } else if (const auto f = byFolded_.constFind(folded(name)); f != byFolded_.constEnd() && !taken_[*f]) {
      index = *f;
    }
    if (!index) return std::nullopt;
    taken_[*index] = true;
    return names_[*index];
  }

  bool contains(const std::string& name) const {
    return exact_.count(name) != 0 || byFolded_.contains(folded(name));
  }

 private:
  std::vector<std::string> names_;
  std::vector<bool> taken_;
  std::unordered_map<std::string, std::size_t> exact_;
  QHash<QString, std::size_t> byFolded_;
};

// The entry that a new entry at `path` would collide with: `path` itself, or
// a sibling whose name differs only in case.
std::optional<fs::path> existingEntry(const fs::path& path) {
  std::error_code ec;
  if (fs::exists(fs::symlink_status(path, ec))) return path;
  if (!path.has_filename()) return std::nullopt;
  CaseIndex siblings(path.parent_path());
  if (auto name = siblings.take(path.filename().string())) return path.parent_path() / *name;
  return std::nullopt;
}

// One run of copy, rename or delete: the options, the progress window and the
// answers given so far.
class Operation {
 public:
  Operation(const TFileOperation& options, FileOperationUi* ui, const char* verb)
      : ui_(options.ShowProgress ? ui : nullptr),
        ask_(options.ShowProgress),
        renameOnCollision_(options.RenameOnCollision && !options.ShowProgress),
        filesOnly_(options.FilesOnly),
        raise_(options.ShowWin32Errors),
        title_(options.ProgressTitle),
        verb_(verb) {}

  template <typename Body>
  bool run(Body body) {
    try {
      ProgressWindow window(ui_, title_);
      body();
      return !skipped_;
    } catch (const Failed& failure) {
      if (raise_) throw FileOperationError(failure.message, failure.code);
      return false;
    } catch (const Cancelled&) {
      return false;
    }
  }

  void copy(const std::string& sourceText, const std::string& destinationText) {
    const fs::path source(withoutOneSeparator(sourceText));
    fs::path destination(withoutOneSeparator(destinationText));
    if (source.empty()) fail(source, std::make_error_code(std::errc::no_such_file_or_directory));
    if (destination.empty()) fail(destination, std::make_error_code(std::errc::no_such_file_or_directory));

    const bool pattern = isPattern(source.filename().string());
    std::vector<fs::path> items;
    if (pattern) {
      items = matches(source);
    } else {
      std::error_code ec;
      if (!fs::exists(fs::symlink_status(source, ec)))
        fail(source, std::make_error_code(std::errc::no_such_file_or_directory));
      items.push_back(source);
    }

    if (auto existing = existingEntry(destination)) destination = *existing;
    std::error_code ec;
    if (fs::is_directory(fs::status(destination, ec))) {
      // Into an existing folder: every source keeps its own name. Entries a
      // pattern matched are found, not named: their links are copied as links.
      for (const fs::path& item : items) copyEntry(item, destination / item.filename(), !pattern);
    } else if (!fs::exists(fs::symlink_status(destination, ec))) {
      // A missing destination is the name of the copy (or of the folder a pattern fills).
      createFolders(pattern ? destination : destination.parent_path());
      if (pattern) {
        for (const fs::path& item : items) copyEntry(item, destination / item.filename(), false);
      } else {
        copyEntry(items.front(), destination, true);
      }
    } else {
      // The destination is an existing file: only a file can take its place.
      if (pattern || fs::is_directory(fs::status(items.front(), ec)))
        fail(destination, std::make_error_code(std::errc::not_a_directory));
      copyEntry(items.front(), destination, true);
    }
  }

  void rename(const std::string& sourceText, const std::string& destinationText) {
    const fs::path source(sourceText), destination(destinationText);
    if (!progress(source)) throw Cancelled{};
    std::error_code ec;
    if (source.empty() || !fs::exists(fs::symlink_status(source, ec)))
      fail(source, std::make_error_code(std::errc::no_such_file_or_directory));
    if (destination.empty()) fail(destination, std::make_error_code(std::errc::no_such_file_or_directory));
    if (sourceText == destinationText) return;
    if (fs::exists(fs::symlink_status(destination, ec))) alreadyExists(destination);
    // A sibling whose name differs only in case would be the same entry where
    // the presentation came from; renaming only the case of the source itself is fine.
    if (auto clash = existingEntry(destination); clash && !fs::equivalent(*clash, source, ec)) alreadyExists(*clash);
    if (fs::is_directory(fs::symlink_status(source, ec))) refuseInsideItself(source, destination);

    const std::string from = source.string(), to = destination.string();
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return;
    if (errno != EINVAL && errno != ENOSYS) failErrno(source);
    // A file system without RENAME_NOREPLACE: the destination was checked above.
    if (::rename(from.c_str(), to.c_str()) != 0) failErrno(source);
  }

  void remove(const std::string& sourceText) {
    std::string text = sourceText;
    while (text.size() > 1 && text.back() == '/') text.pop_back();  // a link is removed, not followed
    const fs::path source(text);
    const std::string name = source.filename().string();
    if (text.empty()) fail(source, std::make_error_code(std::errc::no_such_file_or_directory));
    if (text == "/" || name == "." || name == "..")
      fail(source, std::make_error_code(std::errc::invalid_argument), "This folder cannot be deleted.");

    std::vector<fs::path> items;
    if (isPattern(name)) {
      items = matches(source);
      if (items.empty()) return;
    } else {
      std::error_code ec;
      if (!fs::exists(fs::symlink_status(source, ec)))
        fail(source, std::make_error_code(std::errc::no_such_file_or_directory));
      items.push_back(source);
    }
    if (ask_ && ui_) {
      switch (ui_->confirmDelete(fromPath(sourceText))) {
        case FileOperationUi::Answer::No: skipped_ = true; return;
        case FileOperationUi::Answer::Cancel: throw Cancelled{};
        default: break;
      }
    }
    for (const fs::path& item : items) removeEntry(item);
  }

 private:
  class ProgressWindow {
   public:
    ProgressWindow(FileOperationUi* ui, const QString& title) : ui_(ui) {
      if (ui_) ui_->begin(title);
    }
    ~ProgressWindow() {
      if (ui_) ui_->end();
    }
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

   private:
    FileOperationUi* ui_;
  };

  [[noreturn]] void fail(const fs::path& path, std::error_code code, const char* reason = nullptr) const {
    throw Failed{std::string("Cannot ") + verb_ + " \"" + path.string() + "\": " + (reason ? reason : code.message()),
                 code};
  }
  [[noreturn]] void failErrno(const fs::path& path) const { fail(path, std::error_code(errno, std::generic_category())); }
  [[noreturn]] void alreadyExists(const fs::path& path) const {
    fail(path, std::make_error_code(std::errc::file_exists), "A file or folder with this name already exists.");
  }

  bool progress(const fs::path& entry) { return !ui_ || ui_->progress(fromPath(entry.string())); }

  // Whether an existing target may be replaced; false skips the entry.
  bool mayReplace(const fs::path& target) {
    if (!ask_ || yesToAll_ || !ui_) return true;
    switch (ui_->confirmReplace(fromPath(target.string()))) {
      case FileOperationUi::Answer::YesToAll: yesToAll_ = true; return true;
      case FileOperationUi::Answer::Yes: return true;
      case FileOperationUi::Answer::No: skipped_ = true; return false;
      case FileOperationUi::Answer::Cancel: break;
    }
    throw Cancelled{};
  }

  // The entries of the folder of a pattern path that match its last name.
  std::vector<fs::path> matches(const fs::path& patternPath) {
    const fs::path folder = folderOrCurrent(patternPath.parent_path());
    std::error_code ec;
    if (!fs::is_directory(fs::status(folder, ec)))
      fail(folder, std::make_error_code(std::errc::no_such_file_or_directory));
    std::string pattern = patternPath.filename().string();
    if (pattern == "*.*") pattern = "*";  // every name, with or without a dot
    std::vector<fs::path> found;
    const auto entries = sortedEntries(folder, ec);
    if (ec) fail(folder, ec);
    for (const fs::path& entry : entries) {
      if (!wildcardMatch(pattern, entry.filename().string())) continue;
      if (filesOnly_ && fs::is_directory(fs::symlink_status(entry, ec))) continue;
      found.push_back(entry);
    }
    return found;
  }

  void createFolders(const fs::path& folder) {
    if (folder.empty()) return;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) fail(folder, ec);
  }

  // "Copy of <name>", "Copy (2) of <name>", ...: the first that names nothing.
  fs::path freeCopyName(const fs::path& target) {
    const CaseIndex siblings(target.parent_path());
    const std::string name = target.filename().string();
    for (int n = 1; n < 100000; ++n) {
      const std::string candidate = n == 1 ? "Copy of " + name : "Copy (" + std::to_string(n) + ") of " + name;
      if (!siblings.contains(candidate)) return target.parent_path() / candidate;
    }
    alreadyExists(target);
  }

  void refuseInsideItself(const fs::path& sourceFolder, const fs::path& target) {
    std::error_code ec;
    const fs::path source = fs::canonical(sourceFolder, ec);
    if (ec) return;
    const fs::path resolved = fs::weakly_canonical(target, ec);
    if (ec) return;
    std::string prefix = source.string();
    if (prefix.back() != '/') prefix.push_back('/');
    const std::string t = resolved.string();
    if (t == source.string() || t.compare(0, prefix.size(), prefix) == 0)
      fail(sourceFolder, std::make_error_code(std::errc::invalid_argument),
           "The destination folder is inside the source folder.");
  }

  // Copies one source named by the caller (or matched by its pattern) to `target`.
  void copyEntry(const fs::path& source, fs::path target, bool named) {
    if (!progress(source)) throw Cancelled{};
    std::error_code ec;
    fs::file_status kind = fs::symlink_status(source, ec);
    if (named && fs::is_symlink(kind)) {
      // A link named by the caller stands for what it points to.
      if (const auto followed = fs::status(source, ec); fs::exists(followed)) kind = followed;
    }
    std::optional<fs::path> existing = existingEntry(target);
    if (existing) {
      if (fs::equivalent(source, *existing, ec)) {
        if (!renameOnCollision_)
          fail(source, std::make_error_code(std::errc::file_exists), "The source and the destination are the same.");
        target = freeCopyName(target);
        existing.reset();
      } else if (renameOnCollision_) {
        target = freeCopyName(target);
        existing.reset();
      } else if (!mayReplace(*existing)) {
        return;
      }
    }
    if (fs::is_directory(kind)) refuseInsideItself(source, existing ? *existing : target);
    place(source, kind, existing ? *existing : target, existing.has_value(), named);
  }

  // Puts `source` at `target`, replacing (or merging with) what is there when `replacing`.
  void place(const fs::path& source, fs::file_status kind, const fs::path& target, bool replacing, bool named) {
    std::error_code ec;
    if (fs::is_directory(kind)) {
      if (replacing) {
        if (!fs::is_directory(fs::symlink_status(target, ec))) alreadyExists(target);
      } else {
        fs::create_directory(target, ec);
        if (ec) fail(target, ec);
      }
      copyContents(source, target, replacing);
    } else if (fs::is_regular_file(kind)) {
      copyFile(source, target, replacing);
    } else if (fs::is_symlink(kind)) {
      copyLink(source, target, replacing);
    } else if (named) {
      fail(source, std::make_error_code(std::errc::operation_not_supported), "This is not a file or folder.");
    }
    // Pipes, sockets and devices inside a folder are left out.
  }

  void copyContents(const fs::path& sourceFolder, const fs::path& targetFolder, bool merging) {
    std::error_code ec;
    const auto entries = sortedEntries(sourceFolder, ec);
    if (ec) fail(sourceFolder, ec);
    std::optional<CaseIndex> existing;
    if (merging) existing.emplace(targetFolder);
    for (const fs::path& entry : entries) {
      if (!progress(entry)) throw Cancelled{};
      const fs::file_status kind = fs::symlink_status(entry, ec);
      const std::string name = entry.filename().string();
      std::optional<std::string> present = existing ? existing->take(name) : std::nullopt;
      if (present && !fs::is_directory(kind) && !mayReplace(targetFolder / *present)) continue;
      place(entry, kind, targetFolder / (present ? *present : name), present.has_value(), false);
    }
  }

  // A free name beside `target` for writing its replacement first.
  static fs::path temporaryBeside(const fs::path& target) {
    std::error_code ec;
    for (int n = 0;; ++n) {
      const fs::path candidate =
          target.parent_path() / ("." + target.filename().string() + ".tavo-copy" + (n ? std::to_string(n) : ""));
      if (!fs::exists(fs::symlink_status(candidate, ec))) return candidate;
    }
  }

  void replaceWith(const fs::path& temporary, const fs::path& target, const fs::path& source) {
    std::error_code ec;
    fs::rename(temporary, target, ec);
    if (ec) {
      std::error_code ignored;
      fs::remove(temporary, ignored);
      fail(source, ec);
    }
  }

  void refuseFolderTarget(const fs::path& target) {
    std::error_code ec;
    if (fs::is_directory(fs::symlink_status(target, ec)))
      fail(target, std::make_error_code(std::errc::is_a_directory), "A folder with this name already exists.");
  }

  void copyFile(const fs::path& source, const fs::path& target, bool replacing) {
    std::error_code ec;
    const fs::path written = replacing ? temporaryBeside(target) : target;
    if (replacing) refuseFolderTarget(target);
    fs::copy_file(source, written, fs::copy_options::none, ec);
    if (ec) {
      if (replacing) {
        std::error_code ignored;
        fs::remove(written, ignored);
      }
      fail(source, ec);
    }
    std::error_code timeError;
    const auto time = fs::last_write_time(source, timeError);
    if (!timeError) fs::last_write_time(written, time, timeError);
    if (replacing) replaceWith(written, target, source);
  }

  void copyLink(const fs::path& source, const fs::path& target, bool replacing) {
    std::error_code ec;
    const fs::path pointsTo = fs::read_symlink(source, ec);
    if (ec) fail(source, ec);
    if (replacing) refuseFolderTarget(target);
    const fs::path written = replacing ? temporaryBeside(target) : target;
    fs::create_symlink(pointsTo, written, ec);
    if (ec) fail(source, ec);
    if (replacing) replaceWith(written, target, source);
  }

  void removeEntry(const fs::path& entry) {
    if (!progress(entry)) throw Cancelled{};
    std::error_code ec;
    if (fs::is_directory(fs::symlink_status(entry, ec))) {
      // Entries of a read-only folder can be removed once its owner may write it.
      fs::permissions(entry, fs::perms::owner_all, fs::perm_options::add, ec);
      const auto entries = sortedEntries(entry, ec);
      if (ec) fail(entry, ec);
      for (const fs::path& inner : entries) removeEntry(inner);
    }
    fs::remove(entry, ec);
    if (ec) fail(entry, ec);
  }

  FileOperationUi* ui_;
  bool ask_;
  bool renameOnCollision_;
  bool filesOnly_;
  bool raise_;
  QString title_;
  const char* verb_;
  bool yesToAll_ = false;
  bool skipped_ = false;
};

}  // namespace

bool TFileOperation::copy(const QString& source, const QString& destination) {
  Operation op(*this, ui_, "copy");
  return op.run([&] { op.copy(toPath(source), toPath(destination)); });
}

bool TFileOperation::rename(const QString& source, const QString& destination) {
  Operation op(*this, ui_, "rename");
  return op.run([&] { op.rename(toPath(source), toPath(destination)); });
}

bool TFileOperation::deleteFiles(const QString& source) {
  Operation op(*this, ui_, "delete");
  return op.run([&] { op.remove(toPath(source)); });
}

bool copyFolderQuiet(const QString& source, const QString& destination) {
  TFileOperation op;
  op.ShowProgress = false;
  op.RenameOnCollision = false;
  return op.copy(source, destination);
}

}  // namespace tavo::platform
