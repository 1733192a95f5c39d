#pragma once
// The file rules of the wizard pages: row numbers, importing files into a
// content provider's folder, the remembered dialog folder, link targets and
// the open dialog's filters built from the file-type labels.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavo::creator {

// The row number text of a grid row: "  %3d" up to 9, " %3d" from 10.
std::string rowNumberText(int row);

// The folder that a saved web page keeps its pictures in: the source path cut
// before the first ".htm" (lower case, as written), followed by "_files".
// Empty when the path holds no ".htm".
std::string companionFolderOf(std::string_view source);
// Whether the source is a web page (".htm" or ".html", letter case ignored).
bool isWebPage(std::string_view source);

// Copies `source` into `folder` (which may lack its trailing separator):
// - both empty: false;
// - with `overwritePrompt`, an existing target is replaced only when
//   `askOverwrite` answers yes; without it, the target is replaced;
// - a web page brings its companion folder along (see copyHtmlFolder).
// Returns whether the file itself was copied.
bool importFile(const std::string& source, const std::string& folder, bool overwritePrompt,
                const std::function<bool()>& askOverwrite,
                const std::function<bool(const std::string& from, const std::string& to)>& copyFolder);

// The companion folder's copy into `folder`; false when there is none.
bool copyHtmlFolder(const std::string& source, const std::string& folder,
                    const std::function<bool(const std::string& from, const std::string& to)>& copyFolder);

// The new remembered folder after a file was chosen: the file's folder, unless
// it lies in the slideshow or thumbnail library (compared in lower case); then
// the remembered folder stays `initialDir`.
std::string rememberedFolder(const std::string& file, const std::string& programFolder,
                             const std::string& initialDir);

// The plain files of a folder whose names end in ".jpg" without regard to
// case, in listing order.
std::vector<std::string> jpegFilesIn(const std::string& folder);

// ---- the Enter key in an editor grid -------------------------------------------

struct CellMove {
  int column = 0;
  int row = 0;
  bool addRow = false;  // a row is added at the end first
};
CellMove nextCell(int column, int row, int columnCount, int rowCount, int fixedColumns);

// ---- link targets ---------------------------------------------------------------

struct LinkTargetDialog {
  std::string caption;
  std::string path;  // folder + "*.*"
  std::string prompt;
};
// The pick dialog for a link kind (1 provider, 2 slideshow, 3 thumbnail set);
// empty caption for any other kind.
LinkTargetDialog linkTargetDialog(int kind, const std::string& presentationFolder, const std::string& programFolder);

// ---- file-type labels ---------------------------------------------------------------

// The kind of link a label's caption stands for: 1 "Provider,", 2 "Slideshows,",
// 3 "Thumbnails", 4 "TavoSetup.exe", 0 any other.
int linkKindOf(std::string_view caption);
// A caption without commas at either end.
std::string extensionOf(std::string_view caption);

struct DialogChoice {
  std::string filter;
  std::string initialFolder;
  int filterIndex = 0;  // 0: the dialog's own choice
};

// The open dialog for an extension label with its tag.
DialogChoice extensionDialog(std::string_view caption, int tag, const std::string& programFolder,
                             const std::string& initialDir);

struct TypeLabel {
  std::string caption;
  int tag = 0;
};
// The filter of a group label: every group 1..6 present among `groups` adds
// its extensions (from `extensions`, by tag, in order). The index selects the
// clicked group (tag + 1), or 0 for the Tavo formats group.
DialogChoice fileTypeDialog(int clickedTag, const std::vector<TypeLabel>& groups,
                            const std::vector<TypeLabel>& extensions);

}  // namespace tavo::creator
