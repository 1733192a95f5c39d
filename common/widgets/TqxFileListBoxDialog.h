#pragma once
// Offers the files or folders matching a path pattern in the pick list.
//
//   TqxFileListBoxDialog dlg(platform.messages, this);
//   dlg.Caption = "Slideshows";  dlg.Prompt = "Choose a slideshow";
//   dlg.ShowDirsOnly = true;  dlg.Path = library + "*.*";
//   if (dlg.Execute()) open(library + dlg.Choice);
//
// Entries come from pickListEntries (common/PickListEntries.h), in directory
// listing order. Unless CurValueInList, the entry equal to Choice is left out;
// with it and ShowCurValue, that entry is selected. NumFiles tells how many
// entries were offered; with none, Execute returns false without showing anything.

#include <QString>

#include "platform/Messages.h"

class QWidget;

namespace tavo {

class TqxFileListBoxDialog {
 public:
  TqxFileListBoxDialog(platform::Messages& messages, QWidget* parent = nullptr)
      : messages_(messages), parent_(parent) {}

  QString Choice;
  QString Caption;
  QString Prompt;
  bool ShowCurValue = false;
  bool ShowDirsOnly = false;
  QString CurValueLabel;
  bool CurValueInList = false;
  int NumFiles = 0;
  bool ShowFileExt = false;
  bool Sorted = false;
  QString Path;

  bool Execute();

 private:
  platform::Messages& messages_;
  QWidget* parent_;
};

}  // namespace tavo
