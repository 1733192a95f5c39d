#pragma once
// The information window: the help page of a step, with a list of all steps
// and arrows to go through them. Help pages are local HTML files shown in a
// text browser.

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>

namespace tavo::creator {

class TFmMain;

class TFmMoreInfo : public QDialog {
  Q_OBJECT

 public:
  // `wizard` places the window (59 pixels below its top edge, at its left edge).
  TFmMoreInfo(TFmMain& main, int topic, QWidget* wizard);

  void loadTopic(int topic);
  int topic() const { return topic_; }
  // The page file shown, or empty.
  QString shownFile() const { return shownFile_; }

  void LBxStepsClick();
  void BtnNextArrowClick();
  void BtnPriorArrowClick();
  void BtnCompleteInstructionsClick();
  void BtnPrintInstructionsClick();

  QTextBrowser* WebBrowser;
  QPushButton* BtnOk;
  QPushButton* BtnPrintInstructions;
  QPushButton* BtnCompleteInstructions;
  QListWidget* LBxSteps;
  QPushButton* BtnPriorArrow;
  QPushButton* BtnNextArrow;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void selectRow(int row);
  TFmMain& main_;
  int topic_ = 0;
  QString shownFile_;
};

}  // namespace tavo::creator
