#include "common/widgets/TqxFileListBoxDialog.h"

#include <QLabel>
#include <QListWidget>

#include "common/PickListEntries.h"
#include "common/QxMisc.h"
#include "common/widgets/TFmListBox.h"
#include "common/widgets/TqxListBoxDialog.h"
#include "platform/QtText.h"

namespace tavo {

namespace {

// What both pick-list components do around their entries: the current-value
// line, prompt and caption, then the current value left out or selected, and
// the dialog. Returns whether an entry was chosen; `offered` gets the number
// of entries (none: nothing is shown).
struct PickListRun {
  QString caption, prompt, curValueLabel;
  bool showCurValue = false;
  bool curValueInList = false;
};

void setUp(TFmListBox& box, const PickListRun& run, const QString& choice) {
  if (run.showCurValue)
    box.showCurrentValue(run.curValueLabel, choice);
  else
    box.hideCurrentValue();
  box.LbPrompt->setText(run.prompt);
  box.setWindowTitle(run.caption);
}

bool runPickList(TFmListBox& box, const PickListRun& run, const QString& choice, int& offered) {
  QListWidget* list = box.LBxValues;
  // Names match without regard to case, as names in presentations do.
  int at = -1;
  for (int i = 0; i < list->count() && at < 0; ++i)
    if (list->item(i)->text().compare(choice, Qt::CaseInsensitive) == 0) at = i;
  if (at >= 0) {
    if (!run.curValueInList)
      delete list->takeItem(at);
    else if (run.showCurValue)
      list->setCurrentRow(at);
  }
  offered = list->count();
  return offered > 0 && box.exec() == QDialog::Accepted;
}

}  // namespace

bool TqxFileListBoxDialog::Execute() {
  TFmListBox box(messages_, parent_);
  const PickListRun run{Caption, Prompt, CurValueLabel, ShowCurValue, CurValueInList};
  setUp(box, run, Choice);
  // Directory listing order is already without regard to case, so Sorted changes nothing.
  QStringList names;
  for (const std::string& n : pickListEntries(platform::toPath(Path), {ShowDirsOnly, ShowFileExt}))
    names << platform::fromPath(n);
  box.setItems(names);
  const bool chosen = runPickList(box, run, Choice, NumFiles);
  Choice = chosen ? box.selectedValue() : QString();
  return chosen;
}

bool TqxListBoxDialog::Execute() {
  TFmListBox box(messages_, parent_);
  const PickListRun run{Caption, Prompt, CurValueLabel, ShowCurValue, CurValueInList};
  setUp(box, run, Choice);
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
  int offered = 0;
  const bool chosen = runPickList(box, run, Choice, offered);
  Choices = chosen ? box.selectedValues() : QStringList();
  Choice = Choices.value(0);
  return chosen;
}

}  // namespace tavo
