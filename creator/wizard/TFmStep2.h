#pragma once
// Step 2: the slideshow editor. One set of the slideshow library at a time:
// pictures with caption, synchronized ticker text and hotlink.

#include <QGroupBox>

#include "creator/wizard/TFmSetPage.h"

namespace tavo::creator {

class TFmStep2 : public TFmSetPage {
  Q_OBJECT

 public:
  TFmStep2(TFmMain& main, QWidget* panel);

  void BtnHotlinkClick();

  QPushButton* BtnHotlink;
  QGroupBox* GbRules;

 protected:
  void rowsToGrid(const EditorSet& set) override;
  EditorSet setFromGrid() const override;
  const char* settingsSection() const override { return "Step2"; }
  const char* settingsKey() const override { return "CurSlideShow"; }
  DialogChoice browseDialog() const override;
};

QString slideshowInstructions();

}  // namespace tavo::creator
