#include "common/widgets/TqxFileListBoxDialog.h"

#include <QLabel>
#include <QListWidget>

#include "common/PickListEntries.h"
#include "common/QxMisc.h"
#include "common/widgets/TFmListBox.h"
#include "common/widgets/TqxListBoxDialog.h"
#include "platform/QtText.h"

namespace tavo {

int preparePickList(TFmListBox& box, const QString& choice, bool curValueInList, bool showCurValue) {
  QListWidget* list = box.LBxValues;
  // Names match without regard to case, as names in presentations do.
  int at = -1;
  for (int i = 0; i < list->count() && at < 0; ++i)
    if (list->item(i)->text().compare(choice, Qt::CaseInsensitive) == 0) at = i;
  if (at >= 0) {
    if (!curValueInList)
      delete list->takeItem(at);
    else if (showCurValue)
      list->setCurrentRow(at);
  }
  return list->count();
}

bool TqxFileListBoxDialog::Execute() {
  TFmListBox box(messages_, parent_);
  if (ShowCurValue)
    box.showCurrentValue(CurValueLabel, Choice);
  else
    box.hideCurrentValue();
  box.LbPrompt->setText(Prompt);
  box.setWindowTitle(Caption);

  // Directory listing order is already without regard to case, so Sorted changes nothing.
  QStringList names;
  for (const std::string& n : pickListEntries(platform::toPath(Path), {ShowDirsOnly, ShowFileExt}))
    names << platform::fromPath(n);
  box.setItems(names);

  NumFiles = preparePickList(box, Choice, CurValueInList, ShowCurValue);
  if (NumFiles == 0) {
    Choice.clear();
    return false;
  }
  if (box.exec() == QDialog::Accepted) {
    Choice = box.selectedValue();
    return true;
  }
  Choice.clear();
  return false;
}

bool TqxListBoxDialog::Execute() {
  TFmListBox box(messages_, parent_);
  if (ShowCurValue)
    box.showCurrentValue(CurValueLabel, Choice);
  else
    box.hideCurrentValue();
  box.LbPrompt->setText(Prompt);
  box.setWindowTitle(Caption);
  box.MinWidth = MinWidth;
  box.MaxWidth = MaxWidth;
  box.setDelimiter(Delimiter);
  box.setImageList(ImageList, BmpIdxPos);
  box.setMultiSelect(MultiSelect);
  QStringList items = Items;
  if (Sorted) {
    std::vector<std::string> names;
    for (const QString& s : items) names.push_back(s.toStdString());
    sortNamesAsListed(names);
    items.clear();
    for (const std::string& s : names) items << QString::fromStdString(s);
  }
  box.setItems(items);
  if (preparePickList(box, Choice, CurValueInList, ShowCurValue) == 0) {
    Choice.clear();
    Choices.clear();
    return false;
  }
  if (box.exec() == QDialog::Accepted) {
    Choices = box.selectedValues();
    Choice = Choices.value(0);
    return true;
  }
  Choice.clear();
  Choices.clear();
  return false;
}

}  // namespace tavo
