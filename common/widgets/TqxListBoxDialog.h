#pragma once
// A pick list kept as a component with its settings; Execute opens TFmListBox
// with them.
//
//   TqxListBoxDialog pick(platform.messages, this);
//   pick.Caption = "Channels";  pick.Items = names;  pick.Sorted = true;
//   if (pick.Execute()) use(pick.Choice);

#include <QChar>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <optional>

#include "platform/Messages.h"

class QWidget;

namespace tavo {

class TqxListBoxDialog {
 public:
  TqxListBoxDialog(platform::Messages& messages, QWidget* parent = nullptr) : messages_(messages), parent_(parent) {}

  QString Caption;
  QString Prompt;
  QStringList Items;
  int BmpIdxPos = 0;  // field number of the image index (with a delimiter)
  bool ShowCurValue = false;
  QString CurValueLabel;
  bool CurValueInList = false;
  std::optional<QChar> Delimiter;
  QList<QPixmap> ImageList;
  bool MultiSelect = false;
  bool Sorted = false;
  int MaxWidth = 600;
  int MinWidth = 300;

  QString Choice;        // the current value on entry; the chosen entry after OK
  QStringList Choices;   // every chosen entry (multi-select)

  // True when the user chose an entry; nothing is shown when there is none to offer.
  bool Execute();

 private:
  platform::Messages& messages_;
  QWidget* parent_;
};

}  // namespace tavo
