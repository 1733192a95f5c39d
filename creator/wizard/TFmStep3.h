#pragma once
// Step 3: the thumbnail editor. One set of the thumbnail library at a time:
// pictures with caption and link, a title caption, and the file-type labels
// that choose what the Link button offers.

#include <QLineEdit>
#include <vector>

#include "creator/wizard/TFmSetPage.h"

namespace tavo::creator {

class TFmStep3 : public TFmSetPage {
  Q_OBJECT

 public:
  TFmStep3(TFmMain& main, QWidget* panel);

  void BtnNewClick() override;
  void BtnLinkClick();
  void labelClick(QLabel& label);
  // Any label: the link column of the current row, then Link.
  void labelDoubleClick(QLabel& label);

  QLabel* LbTitleCaption;
  QLineEdit* EdTitleCaption;
  QPushButton* BtnLink;
  QWidget* PnTypes;       // the group labels, tags 1 to 7
  QWidget* PnExtensions;  // the extension labels, tagged with their group
  QLabel* LbChange;
  QLabel* labelNamed(const QString& caption) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void rowsToGrid(const EditorSet& set) override;
  EditorSet setFromGrid() const override;
  const char* settingsSection() const override { return "Step3"; }
  const char* settingsKey() const override { return "CurThumbnail"; }
  DialogChoice browseDialog() const override;

 private:
  // Copies a library set into the provider's folder; false when the link must not be written.
  bool copySetToProvider(int kind, const std::string& name);
  std::vector<QLabel*> labels_;
};

QString thumbnailInstructions();

}  // namespace tavo::creator
