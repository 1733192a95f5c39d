#pragma once
// A step page that has its title, instructions and content-provider selector
// but not yet its step's editor: the steps whose editors are still to come
// use it, and each is replaced by its own TFmStep page when that is built.

#include "creator/wizard/TFmCustWizardPage.h"

namespace tavo::creator {

class TFmStepOutline : public TFmCustWizardPage {
  Q_OBJECT

 public:
  TFmStepOutline(TFmMain& main, QWidget* panel, int step);
  void FormShow() override;

  QLabel* LbEditorPending;
};

// The instructions shown at the top of a step page.
QString stepInstructions(int step);

}  // namespace tavo::creator
