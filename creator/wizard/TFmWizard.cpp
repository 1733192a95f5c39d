#include "creator/wizard/TFmWizard.h"

#include <QCloseEvent>
#include <QFont>
#include <QGuiApplication>
#include <QScreen>

#include "creator/main/TFmMain.h"
#include "creator/wizard/TFmCustWizardPage.h"
#include "creator/wizard/TFmStep0.h"
#include "creator/wizard/TFmStep5.h"
#include "creator/wizard/TFmStep6.h"
#include "creator/wizard/TFmStep7.h"
#include "creator/wizard/TFmStep1.h"
#include "creator/wizard/TFmStep4.h"
#include "creator/wizard/TFmStep2.h"
#include "creator/wizard/TFmStep3.h"
#include "creator/wizard/TFmStepOutline.h"
#include "creator/wizard/WizardPrinting.h"

namespace tavo::creator {

namespace {

QString q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

}  // namespace

TFmWizard::TFmWizard(TFmMain& main)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      main_(main) {
  setWindowTitle("Creator");
  setFixedSize(kWidth, kHeight);

  // The step bar: twelve buttons overlapping by 4 pixels, exactly one down.
  group_ = new QButtonGroup(this);
  group_->setExclusive(true);
  const int buttonWidth = (kWidth + 2 + 4 * (kStepCount - 1)) / kStepCount;
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.75);
  for (int step = 0; step < kStepCount; ++step) {
    auto* button = new QPushButton(q(stepInfo(step).caption), this);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(q(stepInfo(step).hint));
    button->setFont(small);
    button->setGeometry(-1 + step * (buttonWidth - 4), 0, buttonWidth, 52);
    group_->addButton(button, step);
    BtnSteps[static_cast<std::size_t>(step)] = button;
    setColour(step, kFresh);
  }
  setColour(0, kVisited);
  connect(group_, &QButtonGroup::idClicked, this, [this](int step) { switchTo(step); });

  PnMiddle = new QWidget(this);
  PnMiddle->setGeometry(0, 54, kWidth, kHeight - 54 - 38);

  const int barTop = kHeight - 34;
  BtnPrint = new QPushButton("Print", this);
  BtnPrint->setToolTip("Print current playlist");
  BtnItemUp = new QPushButton("Item Up", this);
  BtnItemDown = new QPushButton("Item Down", this);
  BtnPrev = new QPushButton("Prev", this);
  BtnPrev->setToolTip("Go to prior step");
  BtnNext = new QPushButton("Next", this);
  BtnNext->setToolTip("Go to next step");
  BtnNext->setDefault(true);
  BtnClose = new QPushButton("Close", this);
  BtnPrint->setGeometry(8, barTop, 200, 28);
  BtnItemUp->setGeometry(220, barTop, 80, 28);
  BtnItemDown->setGeometry(304, barTop, 80, 28);
  BtnPrev->setGeometry(440, barTop, 90, 28);
  BtnNext->setGeometry(534, barTop, 90, 28);
  BtnClose->setGeometry(656, barTop, 90, 28);
  connect(BtnPrint, &QPushButton::clicked, this, [this] { BtnPrintClick(); });
  connect(BtnItemUp, &QPushButton::clicked, this, [this] { BtnItemUpClick(); });
  connect(BtnItemDown, &QPushButton::clicked, this, [this] { BtnItemDownClick(); });
  connect(BtnPrev, &QPushButton::clicked, this, [this] { BtnPrevClick(); });
  connect(BtnNext, &QPushButton::clicked, this, [this] { BtnNextClick(); });
  connect(BtnClose, &QPushButton::clicked, this, [this] { BtnCloseClick(); });
  BtnSteps[0]->setChecked(true);
}

TFmWizard::~TFmWizard() = default;

TFmEmbedded* TFmWizard::currentPage() const {
  for (const auto& page : pages_)
    if (page) return page.data();
  return nullptr;
}

void TFmWizard::setColour(int step, const QString& colour) {
  colours_[static_cast<std::size_t>(step)] = colour;
  BtnSteps[static_cast<std::size_t>(step)]->setStyleSheet("QPushButton { color: " + colour + "; }");
}

void TFmWizard::selectButton(int step) { BtnSteps[static_cast<std::size_t>(step)]->setChecked(true); }

void TFmWizard::showWizard() {
  if (!isVisible()) {
    setFixedSize(kWidth, kHeight);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect area = screen->availableGeometry();
      move(area.center() - QPoint(kWidth / 2, kHeight / 2));
    }
    show();
    setColour(0, kVisited);
    selectButton(0);
    switchTo(0);
  } else if (isMinimized()) {
    showNormal();
  }
  raise();
  activateWindow();
}

void TFmWizard::showStep(int step) {
  if (!isStep(step)) return;
  selectButton(step);
  switchTo(step);
}

void TFmWizard::leavePage() {
  for (auto& page : pages_) {
    if (!page) continue;
    QPointer<TFmEmbedded> leaving = page;
    page.clear();
    // Freed even when saving fails; the error still reaches the caller.
    struct Free {
      QPointer<TFmEmbedded>& p;
      ~Free() { delete p.data(); }
    } free{leaving};
    leaving->closePage();
  }
}

void TFmWizard::switchTo(int step) {
  const int previous = selected_;
  leavePage();
  if (main_.presentation().currentProvider == -1 && step >= 2 && !main_.askFirstContentProvider()) {
    selectButton(1);
    setColour(previous, kVisited);
    setColour(1, kSelected);
    selected_ = 1;
    printTag_ = 1;
    BtnPrev->setEnabled(true);
    BtnNext->setEnabled(true);
    pages_[1] = createPage(1);
    pages_[1]->FormShow();
    BtnPrint->setText("Print Provider List");
    BtnItemUp->setEnabled(true);
    BtnItemDown->setEnabled(true);
    main_.platformServices().messages.showInfo("You must enter a content provider before you can add any other data.");
    return;
  }
  setColour(previous, kVisited);
  setColour(step, kSelected);
  selected_ = step;
  BtnPrev->setEnabled(prevEnabled(step));
  BtnNext->setEnabled(nextEnabled(step));
  printTag_ = step;
  enterPage(step);
}

void TFmWizard::enterPage(int step) {
  auto& page = pages_[static_cast<std::size_t>(step)];
  if (!page) page = createPage(step);
  page->FormShow();
  BtnPrint->setText(q(stepInfo(step).printCaption));
  BtnItemUp->setEnabled(stepInfo(step).itemMoves);
  BtnItemDown->setEnabled(stepInfo(step).itemMoves);
}

TFmEmbedded* TFmWizard::createPage(int step) {
  if (step == 0) return TFmEmbedded::CreateEmbedded<TFmStep0>(main_, PnMiddle);
  if (step == 5) return TFmEmbedded::CreateEmbedded<TFmStep5>(main_, PnMiddle);
  if (step == 6) return TFmEmbedded::CreateEmbedded<TFmStep6>(main_, PnMiddle);
  if (step == 7) return TFmEmbedded::CreateEmbedded<TFmStep7>(main_, PnMiddle);
  if (step == 1) return TFmEmbedded::CreateEmbedded<TFmStep1>(main_, PnMiddle);
  if (step == 4) return TFmEmbedded::CreateEmbedded<TFmStep4>(main_, PnMiddle);
  if (step == 2) return TFmEmbedded::CreateEmbedded<TFmStep2>(main_, PnMiddle);
  if (step == 3) return TFmEmbedded::CreateEmbedded<TFmStep3>(main_, PnMiddle);
  return TFmEmbedded::CreateEmbedded<TFmStepOutline>(main_, PnMiddle, step);
}

void TFmWizard::BtnNextClick() {
  if (selected_ <= 10) showStep(selected_ + 1);
}

void TFmWizard::BtnPrevClick() {
  if (selected_ > 0) showStep(selected_ - 1);
}

void TFmWizard::BtnCloseClick() { close(); }

void TFmWizard::closeEvent(QCloseEvent* event) {
  // The title bar's close box and the Close button both close the page, so
  // that its edits are saved before the wizard goes away.
  try {
    leavePage();
  } catch (const std::exception& e) {
    main_.platformServices().messages.showError(QString::fromUtf8(e.what()));
  }
  event->accept();
}

void TFmWizard::BtnItemUpClick() {
  if (!stepInfo(printTag_).itemMoves) return;
  if (TFmEmbedded* page = currentPage()) page->moveItemUp();
}

void TFmWizard::BtnItemDownClick() {
  if (!stepInfo(printTag_).itemMoves) return;
  if (TFmEmbedded* page = currentPage()) page->moveItemDown();
}

void TFmWizard::BtnPrintClick() {
  if (!stepPrints(printTag_)) return;
  auto* page = dynamic_cast<TFmCustWizardPage*>(currentPage());
  if (!page) return;
  TQxGrid* grid = page->reportGrid();
  if (!grid) return;  // the step's page has no grid yet
  // The report's title is the caption without "Print ".
  printGridReport(main_, *grid, BtnPrint->text().mid(6), this);
}

}  // namespace tavo::creator
