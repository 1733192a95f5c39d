#include "creator/wizard/TFmMoreInfo.h"

#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

#include "common/PresentationPath.h"
#include "creator/logic/WizardSteps.h"
#include "creator/main/TFmMain.h"

namespace tavo::creator {

namespace {

const char* const kSteps[] = {"Step 1 - Define Content Providers", "Step 2 - Create Slideshow",
                              "Step 3 - Create Thumbnails",        "Step 4 - Player Appearance",
                              "Step 5 - Create Playlists",         "Step 6 - Assign Playlist Text",
                              "Step 7 - Presentation Options",     "Step 8 - Button Assignments",
                              "Step 9 - Search Engines",           "Step 10 - Broadcast Options",
                              "Test Presentation",                 "Publish Presentation"};

}  // namespace

TFmMoreInfo::TFmMoreInfo(TFmMain& main, int topic, QWidget* wizard)
    : QDialog(wizard, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowCloseButtonHint),
      main_(main) {
  setWindowTitle("Tavo EZ-Step Wizard, Information & Instructions");
  resize(755, 489);
  WebBrowser = new QTextBrowser(this);
  WebBrowser->setOpenExternalLinks(true);
  auto* label = new QLabel("All Steps", this);
  label->setGeometry(8, 4, 200, 18);
  LBxSteps = new QListWidget(this);
  for (const char* step : kSteps) LBxSteps->addItem(step);
  BtnPriorArrow = new QPushButton(QString::fromUtf8("\u25C0"), this);
  BtnNextArrow = new QPushButton(QString::fromUtf8("\u25B6"), this);
  BtnOk = new QPushButton("OK", this);
  BtnPrintInstructions = new QPushButton("Print Instructions", this);
  BtnCompleteInstructions = new QPushButton("Complete Tavo Instructions", this);
  BtnCompleteInstructions->setToolTip("Tavo Creator User Guide & Screenshot Videos");
  connect(LBxSteps, &QListWidget::currentRowChanged, this, [this](int) { LBxStepsClick(); });
  connect(BtnNextArrow, &QPushButton::clicked, this, [this] { BtnNextArrowClick(); });
  connect(BtnPriorArrow, &QPushButton::clicked, this, [this] { BtnPriorArrowClick(); });
  connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(BtnPrintInstructions, &QPushButton::clicked, this, [this] { BtnPrintInstructionsClick(); });
  connect(BtnCompleteInstructions, &QPushButton::clicked, this, [this] { BtnCompleteInstructionsClick(); });

  if (wizard) move(wizard->geometry().left(), wizard->geometry().top() + 59);
  selectRow(topic - 1);
  loadTopic(topic);
}

void TFmMoreInfo::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  const int listWidth = 220;
  LBxSteps->setGeometry(8, 24, listWidth, height() - 110);
  BtnPriorArrow->setGeometry(8, height() - 80, 40, 28);
  BtnNextArrow->setGeometry(52, height() - 80, 40, 28);
  WebBrowser->setGeometry(listWidth + 16, 4, width() - 28 - listWidth, height() - 48);
  BtnOk->setGeometry(width() - 100, height() - 38, 90, 28);
  BtnPrintInstructions->setGeometry(width() - 240, height() - 38, 130, 28);
  BtnCompleteInstructions->setGeometry(8, height() - 38, 220, 28);
}

void TFmMoreInfo::selectRow(int row) {
  const QSignalBlocker block(LBxSteps);
  LBxSteps->setCurrentRow(row);
}

void TFmMoreInfo::loadTopic(int topic) {
  topic_ = topic;
  setWindowTitle(QString::fromStdString(moreInfoCaption(topic)));
  const std::string file = helpPageOf(topic);
  if (file.empty()) return;
  const std::string path = main_.programFolder() + "Help/" + file;
  // A missing page leaves the browser as it was.
  if (!isFile(path)) return;
  shownFile_ = QString::fromStdString(file);
  WebBrowser->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void TFmMoreInfo::LBxStepsClick() { loadTopic(LBxSteps->currentRow() + 1); }

void TFmMoreInfo::BtnNextArrowClick() {
  BtnPriorArrow->setEnabled(true);
  if (LBxSteps->currentRow() < LBxSteps->count() - 1)
    selectRow(LBxSteps->currentRow() + 1);
  else
    BtnNextArrow->setEnabled(false);
  loadTopic(LBxSteps->currentRow() + 1);
}

void TFmMoreInfo::BtnPriorArrowClick() {
  BtnNextArrow->setEnabled(true);
  if (LBxSteps->currentRow() <= 0)
    BtnPriorArrow->setEnabled(false);
  else
    selectRow(LBxSteps->currentRow() - 1);
  loadTopic(LBxSteps->currentRow() + 1);
}

void TFmMoreInfo::BtnCompleteInstructionsClick() {
  main_.platformServices().shell.openDocument(QString::fromStdString(main_.programFolder() + "Help/TavoUserGuide.htm"));
}

void TFmMoreInfo::BtnPrintInstructionsClick() {
  QPrinter printer;
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted) WebBrowser->document()->print(&printer);
  accept();
}

}  // namespace tavo::creator
