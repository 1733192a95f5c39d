#pragma once
// The ticker text editor: the lines of a content provider's "Ticker.txt" or
// "Adstream.txt" (a text and a hotlink each), with Open from and Save As into
// the creator's text library. Closing the window in any way saves the lines
// to the file it works on.

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <string>

#include "creator/logic/TickerTextRules.h"

namespace tavo {
class TQxGrid;
}

namespace tavo::creator {

class TFmMain;

class TFmTickerText : public QDialog {
  Q_OBJECT

 public:
  // `providerFolder` without a trailing separator; `fileName` "Ticker.txt" or "Adstream.txt".
  TFmTickerText(TFmMain& main, QWidget* owner, const std::string& fileName, const std::string& providerFolder);

  void FormShow();
  void BtnOpenClick();
  void BtnSaveAsClick();
  // Saves the lines to the current file (every way of closing comes here).
  void saveLines();
  // Shows the editor modally; it saves when it closes.
  int ShowModal();

  // The file the editor works on, and the library of text files.
  std::string currentFile;
  std::string libraryFolder;  // trailing separator
  TickerTextMode mode;
  // The Open dialog: filter and folder in, the chosen file (empty: cancelled) out.
  std::function<QString(const QString& filter, const QString& folder)> chooseFile;

  TQxGrid* Grid;
  QLabel* LbTop;
  QLabel* LbSecond;
  QPushButton* BtnOpen;
  QPushButton* BtnSaveAs;
  QPushButton* BtnOK;

 protected:
  void done(int result) override;

 private:
  void loadLines(const std::string& path);
  TFmMain& main_;
};

}  // namespace tavo::creator
