#pragma once
// The wizard: a bar of twelve step buttons, the page of the selected step in
// the middle, and Print / Item Up / Item Down / Prev / Next / Close below.

#include <QButtonGroup>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "creator/logic/WizardSteps.h"

namespace tavo::creator {

class TFmMain;
class TFmEmbedded;

class TFmWizard : public QWidget {
  Q_OBJECT

 public:
  explicit TFmWizard(TFmMain& main);
  ~TFmWizard() override;

  static constexpr int kWidth = 754;
  static constexpr int kHeight = 500;

  // Shows the wizard (restoring it when minimized). When it was hidden, it
  // opens at step 0.
  void showWizard();
  // Selects a step's button and switches to its page.
  void showStep(int step);

  // The step whose button is down.
  int selectedStep() const { return selected_; }
  // The page alive, or nullptr.
  TFmEmbedded* currentPage() const;
  // The step of the page shown (the Print button's tag).
  int printTag() const { return printTag_; }

  void BtnNextClick();
  void BtnPrevClick();
  void BtnCloseClick();
  void BtnPrintClick();
  void BtnItemUpClick();
  void BtnItemDownClick();

  std::array<QPushButton*, kStepCount> BtnSteps{};
  QWidget* PnMiddle;
  QPushButton* BtnPrint;
  QPushButton* BtnItemUp;
  QPushButton* BtnItemDown;
  QPushButton* BtnPrev;
  QPushButton* BtnNext;
  QPushButton* BtnClose;

  // The step buttons' caption colours.
  static constexpr const char* kFresh = "maroon";
  static constexpr const char* kSelected = "red";
  static constexpr const char* kVisited = "green";
  QString stepColour(int step) const { return colours_[static_cast<std::size_t>(step)]; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void switchTo(int step);
  void leavePage();
  void enterPage(int step);
  void selectButton(int step);
  void setColour(int step, const QString& colour);
  TFmEmbedded* createPage(int step);

  TFmMain& main_;
  QButtonGroup* group_;
  std::array<QPointer<TFmEmbedded>, kStepCount> pages_{};
  std::array<QString, kStepCount> colours_{};
  int selected_ = 0;
  int printTag_ = 0;
};

}  // namespace tavo::creator
