#pragma once
// "What You Need": one line of advice per step, each with a More Info button.

#include <QLabel>
#include <QPushButton>
#include <array>

#include "creator/wizard/TFmEmbedded.h"

namespace tavo::creator {

class TFmMain;

class TFmStep0 : public TFmEmbedded {
  Q_OBJECT

 public:
  TFmStep0(TFmMain& main, QWidget* panel);

  // The information topic of each More Info button: steps 1 to 10, then 12 for publishing.
  static int topicOf(int line) { return line < 10 ? line + 1 : 12; }
  void BtnMoreInfoClick(int line);
  void BtnCompleteInstructionsClick();

  QLabel* LbTitle;
  std::array<QLabel*, 11> LbStep{};
  std::array<QLabel*, 11> LbAdvice{};
  std::array<QPushButton*, 11> BtnMoreInfo{};
  QPushButton* BtnCompleteInstructions;

 private:
  TFmMain& main_;
};

}  // namespace tavo::creator
