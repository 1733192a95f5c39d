#include "player/setup/TFmTavoSetup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <cstdlib>

#include "format/PlayerSettings.h"
#include "format/ProjectFile.h"
#include "platform/QtText.h"
#include "player/bar/Glyphs.h"
#include "player/setup/FileInstallServices.h"
#include "player/setup/TFmUniversalUpdate.h"

namespace tavo::player {

using platform::fromFileText;
using platform::fromPath;
using platform::toPath;
using setup::Page;

namespace {

QLabel* wrapped(const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setWordWrap(true);
  return l;
}

QLabel* bold(const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  return l;
}

QWidget* addPage(QStackedWidget* pages, QVBoxLayout*& layout) {
  auto* w = new QWidget(pages);
  layout = new QVBoxLayout(w);
  layout->setContentsMargins(16, 10, 16, 8);
  pages->addWidget(w);
  return w;
}

}  // namespace

TFmTavoSetup::TFmTavoSetup(platform::Platform& platform, std::string projectFile, std::string programFile,
                           QWidget* parent)
    : QDialog(parent),
      platform_(platform),
      projectFile_(std::move(projectFile)),
      programFile_(std::move(programFile)),
      flow_(project::readShowReasonsList(projectFile_)),
      presentation_(setup::presentationOf(projectFile_)),
      home_(toPath(QDir::homePath())) {
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint |
                 Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setModal(true);
  nameBytes_ = project::readPresentationName(projectFile_);
  name_ = fromFileText(nameBytes_);
  build();
  setFixedSize(setup::kClientWidth, setup::kClientHeight);
}

void TFmTavoSetup::build() {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);

  // Header: the program's picture and the page title.
  PnTop = new QWidget(this);
  PnTop->setObjectName("PnTop");
  PnTop->setFixedHeight(50);
  PnTop->setAutoFillBackground(true);
  QPalette top = PnTop->palette();
  top.setColor(QPalette::Window, Qt::white);
  PnTop->setPalette(top);
  auto* header = new QHBoxLayout(PnTop);
  header->setContentsMargins(10, 4, 10, 4);
  auto* picture = new QLabel(PnTop);
  picture->setPixmap(glyphs::applicationIcon().pixmap(40, 40));
  LbTitle = bold({}, PnTop);
  LbTitle->setObjectName("LbTitle");
  QFont titleFont = LbTitle->font();
  titleFont.setPointSize(titleFont.pointSize() + 3);
  LbTitle->setFont(titleFont);
  header->addWidget(picture);
  header->addWidget(LbTitle, 1);
  outer->addWidget(PnTop);

  Pages = new QStackedWidget(this);
  outer->addWidget(Pages, 1);
  QVBoxLayout* l = nullptr;

  // 1: Receive content updates?
  addPage(Pages, l);
  l->addWidget(new QLabel("Would you like to receive content updates for", Pages));
  LbReasonsName = bold(fromFileText(setup::reasonsQuestionLine(nameBytes_)), Pages);
  l->addWidget(LbReasonsName);
  l->addWidget(new QLabel("Content Updates Include:", Pages));
  LBxReasons = new QListWidget(Pages);
  LBxReasons->setSelectionMode(QAbstractItemView::NoSelection);
  LBxReasons->setFocusPolicy(Qt::NoFocus);
  for (const std::string& item : setup::reasonsListItems(project::readDownloadItems(projectFile_)))
    LBxReasons->addItem(fromFileText(item));
  l->addWidget(LBxReasons, 1);
  auto* yesNo = new QHBoxLayout;
  BtnReasonsYes = new QPushButton("&Yes", Pages);
  BtnReasonsNo = new QPushButton("&No", Pages);
  yesNo->addStretch();
  yesNo->addWidget(BtnReasonsYes);
  yesNo->addWidget(BtnReasonsNo);
  yesNo->addStretch();
  l->addLayout(yesNo);

  // 2: the installation path.
  addPage(Pages, l);
  LbInstallIntro = wrapped(fromFileText(setup::installIntro(nameBytes_)), Pages);
  l->addWidget(LbInstallIntro);
  l->addSpacing(8);
  l->addWidget(new QLabel("Choose an installation path:", Pages));
  auto* pathRow = new QHBoxLayout;
  EdInstallPath = new QLineEdit(Pages);
  BtnBrowse = new QPushButton("Browse", Pages);
  pathRow->addWidget(EdInstallPath, 1);
  pathRow->addWidget(BtnBrowse);
  l->addLayout(pathRow);
  l->addSpacing(12);
  l->addWidget(bold("NOTE:", Pages));
  l->addWidget(
      wrapped("Install all Tavo presentations in the same folder so all content updates can be downloaded together.",
              Pages));
  l->addStretch();

  // 3: receive updates automatically?
  addPage(Pages, l);
  l->addWidget(wrapped("Would you like to receive content updates automatically for the presentation?", Pages));
  RBtnAutoYes = new QRadioButton("Yes, send me updates automatically.", Pages);
  RBtnAutoNo = new QRadioButton("No , I will get the updates myself.", Pages);
  auto* group = new QButtonGroup(this);
  group->addButton(RBtnAutoYes);
  group->addButton(RBtnAutoNo);
  RBtnAutoYes->setChecked(true);
  l->addWidget(RBtnAutoYes);
  auto* universalRow = new QHBoxLayout;
  CkBxUniversal = new QCheckBox(" Include Content Updates", Pages);
  LbUniversal = new QLabel("in Universal Update", Pages);
  universalRow->addSpacing(20);
  universalRow->addWidget(CkBxUniversal);
  universalRow->addWidget(LbUniversal);
  universalRow->addStretch();
  l->addLayout(universalRow);
  l->addWidget(RBtnAutoNo);
  auto* whatRow = new QHBoxLayout;
  BtnUniversalUpdate = new QPushButton("What is Universal Update?", Pages);
  whatRow->addStretch();
  whatRow->addWidget(BtnUniversalUpdate);
  l->addLayout(whatRow);
  l->addStretch();

  // 4: ready to install.
  addPage(Pages, l);
  l->addWidget(wrapped("You have selected the following installation pararmeters for this presentation:", Pages));
  auto* autoRow = new QHBoxLayout;
  autoRow->addWidget(bold("Automatically Update New Content", Pages));
  LbAutoUpdateValue = new QLabel(Pages);
  autoRow->addWidget(LbAutoUpdateValue, 1);
  l->addLayout(autoRow);
  auto* pathValueRow = new QHBoxLayout;
  pathValueRow->addWidget(bold("Install Path", Pages));
  LbInstallPathValue = new QLabel(Pages);
  LbInstallPathValue->setWordWrap(true);
  pathValueRow->addWidget(LbInstallPathValue, 1);
  l->addLayout(pathValueRow);
  l->addSpacing(8);
  LbReadyLine1 = wrapped({}, Pages);
  LbReadyLine2 = wrapped({}, Pages);
  l->addWidget(LbReadyLine1);
  l->addWidget(LbReadyLine2);
  l->addStretch();

  // 5: installation complete, launchers.
  addPage(Pages, l);
  l->addWidget(bold("Tavo Installation Complete", Pages));
  l->addWidget(new QLabel("The presentation has been successfully installed.", Pages));
  l->addWidget(new QLabel("Add an Tavo Player icon to:", Pages));
  auto* boxes = new QHBoxLayout;
  auto* ticks = new QVBoxLayout;
  CkBxDesktop = new QCheckBox("Desktop", Pages);
  CkBxStartMenu = new QCheckBox("Windows Start Menu", Pages);
  BtnOK = new QPushButton("&OK", Pages);
  ticks->addWidget(CkBxDesktop);
  ticks->addWidget(CkBxStartMenu);
  boxes->addSpacing(12);
  boxes->addLayout(ticks);
  boxes->addStretch();
  boxes->addWidget(BtnOK, 0, Qt::AlignBottom);
  l->addLayout(boxes);
  l->addStretch();

  // 6: look for new content now?
  addPage(Pages, l);
  l->addWidget(wrapped("Would you like to see if content updates are available for the presentation you just installed?",
                       Pages));
  auto* answers = new QHBoxLayout;
  BtnDownloadYes = new QPushButton("&Yes", Pages);
  BtnDownloadNo = new QPushButton("&No", Pages);
  answers->addStretch();
  answers->addWidget(BtnDownloadYes);
  answers->addWidget(BtnDownloadNo);
  answers->addStretch();
  l->addLayout(answers);
  l->addStretch();

  // Footer.
  PnBottom = new QWidget(this);
  PnBottom->setObjectName("PnBottom");
  PnBottom->setFixedHeight(setup::kFooterHeight);
  auto* footer = new QHBoxLayout(PnBottom);
  footer->setContentsMargins(10, 6, 10, 8);
  LbCreator = new QLabel(QStringLiteral("<a href=\"creator\">Tavo Creator</a>"), PnBottom);
  LbCreator->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  BtnBack = new QPushButton("&Back", PnBottom);
  BtnNext = new QPushButton("&Next", PnBottom);
  BtnCancel = new QPushButton("&Cancel", PnBottom);
  footer->addWidget(LbCreator);
  footer->addStretch();
  footer->addWidget(BtnBack);
  footer->addWidget(BtnNext);
  footer->addSpacing(8);
  footer->addWidget(BtnCancel);
  outer->addWidget(PnBottom);

  connect(BtnBack, &QPushButton::clicked, this, [this] { BtnBackClick(); });
  connect(BtnNext, &QPushButton::clicked, this, [this] { BtnNextClick(); });
  connect(BtnCancel, &QPushButton::clicked, this, [this] { BtnCancelClick(); });
  connect(BtnReasonsYes, &QPushButton::clicked, this, [this] { BtnReasonsYesClick(); });
  connect(BtnReasonsNo, &QPushButton::clicked, this, [this] { BtnReasonsNoClick(); });
  connect(BtnBrowse, &QPushButton::clicked, this, [this] { BtnBrowseClick(); });
  connect(RBtnAutoYes, &QRadioButton::toggled, this, [this] { RBtnAutoUpdateClick(); });
  connect(BtnUniversalUpdate, &QPushButton::clicked, this, [this] { BtnUniversalUpdateClick(); });
  connect(BtnOK, &QPushButton::clicked, this, [this] { BtnOKClick(); });
  connect(BtnDownloadYes, &QPushButton::clicked, this, [this] { BtnDownloadAnswerClick(); });
  connect(BtnDownloadNo, &QPushButton::clicked, this, [this] { BtnDownloadAnswerClick(); });
  connect(LbCreator, &QLabel::linkActivated, this, [this] { LbCreatorClick(); });
}

void TFmTavoSetup::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shown_) FormShow();
}

void TFmTavoSetup::FormShow() {
  shown_ = true;
  const PlayerSettings settings(platform_.registry);
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  const std::string proposed = setup::proposedInstallFolder(
      settings.installPath(), setup::defaultInstallFolder(dataHome ? dataHome : "", home_));
  EdInstallPath->setText(fromPath(proposed));
  flow_.start();
  showPage();
  centre();
}

void TFmTavoSetup::centre() {
  const QRect screen = platform_.screen.screenGeometry();
  move(screen.center() - QPoint(width() / 2, height() / 2));
}

void TFmTavoSetup::apply(const setup::Move& move) {
  switch (move.kind) {
    case setup::Move::Kind::Nothing: return;
    case setup::Move::Kind::Show: showPage(); return;
    case setup::Move::Kind::Install: runInstallation(); return;
    case setup::Move::Kind::Close: accept(); return;
  }
}

void TFmTavoSetup::showPage() {
  const Page p = flow_.page();
  const setup::PageLayout l = flow_.layout();
  if (p == Page::Ready) {
    const bool autoUpdate = RBtnAutoYes->isChecked();
    LbAutoUpdateValue->setText(QString::fromStdString(setup::autoUpdateText(autoUpdate)));
    LbInstallPathValue->setText(EdInstallPath->text());
    const auto lines = setup::readyLines(autoUpdate);
    LbReadyLine1->setText(QString::fromStdString(lines.at(0)));
    LbReadyLine2->setText(lines.size() > 1 ? QString::fromStdString(lines[1]) : QString());
    LbReadyLine2->setVisible(lines.size() > 1);
  }
  LbTitle->setText(QString::fromStdString(setup::pageTitle(p)));
  setWindowTitle(fromFileText(setup::windowCaption(p, nameBytes_)));
  PnTop->setVisible(l.headerVisible);
  PnBottom->setVisible(l.footerVisible);
  LbCreator->setVisible(l.creatorLinkVisible);
  BtnBack->setEnabled(l.backEnabled);
  BtnNext->setText(QString::fromStdString(setup::nextCaption(p)));
  BtnReasonsYes->setVisible(l.reasonsButtonsVisible);
  BtnReasonsNo->setVisible(l.reasonsButtonsVisible);
  if (l.reasonsListHeight > 0) {
    LBxReasons->setFixedHeight(l.reasonsListHeight);
  } else {
    LBxReasons->setMinimumHeight(0);
    LBxReasons->setMaximumHeight(QWIDGETSIZE_MAX);
  }
  Pages->setCurrentIndex(static_cast<int>(p) - 1);

  const QSize size(l.clientWidth, l.clientHeight);
  const bool resized = this->size() != size;
  setFixedSize(size);
  if (resized && p == Page::Complete) centre();

  // The button Enter presses, and where the keyboard starts.
  for (QPushButton* b : {BtnNext, BtnReasonsYes, BtnOK, BtnDownloadYes}) b->setDefault(false);
  switch (p) {
    case Page::Reasons:
      (l.reasonsButtonsVisible ? BtnReasonsYes : BtnNext)->setDefault(true);
      (l.reasonsButtonsVisible ? BtnReasonsYes : BtnNext)->setFocus();
      break;
    case Page::InstallPath:
      BtnNext->setDefault(true);
      EdInstallPath->setFocus();
      break;
    case Page::AutoUpdate:
    case Page::Ready:
      BtnNext->setDefault(true);
      BtnNext->setFocus();
      break;
    case Page::Complete:
      BtnOK->setDefault(true);
      CkBxDesktop->setFocus();
      break;
    case Page::DownloadNew:
      BtnDownloadYes->setDefault(true);
      BtnDownloadYes->setFocus();
      break;
  }
}

void TFmTavoSetup::BtnBackClick() { apply(flow_.back()); }

void TFmTavoSetup::BtnNextClick() {
  if (flow_.page() == Page::InstallPath) {
    const setup::PathCheck check = setup::checkInstallPath(toPath(EdInstallPath->text()), home_, presentation_);
    switch (check.verdict) {
      case setup::PathCheck::Verdict::Empty:
        platform_.messages.showInfo(QString::fromStdString(check.message));
        BtnBrowseClick();
        return;
      case setup::PathCheck::Verdict::NotAbsolute:
      case setup::PathCheck::Verdict::InsidePresentation:
        platform_.messages.showInfo(fromPath(check.message));
        return;
      case setup::PathCheck::Verdict::Accepted:
        EdInstallPath->setText(fromPath(check.folder));
        break;
    }
  }
  apply(flow_.next());
}

void TFmTavoSetup::BtnCancelClick() {
  if (flow_.cancel().kind == setup::Move::Kind::Close) reject();
}

void TFmTavoSetup::BtnReasonsYesClick() { apply(flow_.reasonsYes()); }

void TFmTavoSetup::BtnReasonsNoClick() {
  if (flow_.reasonsNo().kind == setup::Move::Kind::Close) reject();
}

void TFmTavoSetup::BtnBrowseClick() {
  const QString folder = platform_.folderBrowser.browseForFolder(QString::fromUtf8(setup::kBrowsePrompt));
  if (!folder.isEmpty()) EdInstallPath->setText(folder);
}

void TFmTavoSetup::RBtnAutoUpdateClick() {
  const bool on = RBtnAutoYes->isChecked();
  flow_.setAutoUpdate(on);
  if (!on) CkBxUniversal->setChecked(false);
  CkBxUniversal->setEnabled(on);
  LbUniversal->setEnabled(on);
}

void TFmTavoSetup::BtnUniversalUpdateClick() {
  TFmUniversalUpdate window(this);
  window.exec();
}

void TFmTavoSetup::runInstallation() {
  setup::InstallRequest request;
  request.installFolder = toPath(EdInstallPath->text());
  request.projectFile = projectFile_;
  request.programFile = programFile_;
  request.home = home_;
  request.installedAt = QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat).toStdString();
  FileInstallServices services(platform_.fileOperationUi, ProgressInterval);
  result_ = setup::install(request, services, PlayerSettings(platform_.registry));
  if (result_.outcome != setup::InstallResult::Outcome::Installed) {
    platform_.messages.showInfo(fromPath(result_.message));
    return;  // the page stays
  }
  apply(flow_.installed());
}

void TFmTavoSetup::BtnOKClick() {
  // A place that cannot be written gets no launcher; the others are still written.
  for (const setup::Launcher& launcher : setup::launchersFor(nameBytes_, result_.program, CkBxDesktop->isChecked(),
                                                             CkBxStartMenu->isChecked()))
    platform_.shortcuts.createShortcut(fromFileText(launcher.linkFileName), QString::fromStdString(launcher.place),
                                       fromPath(launcher.target), QString::fromStdString(launcher.arguments));
  apply(flow_.ok());
}

void TFmTavoSetup::BtnDownloadAnswerClick() {
  if (flow_.downloadAnswer().kind == setup::Move::Kind::Close) accept();
}

void TFmTavoSetup::LbCreatorClick() { platform_.shell.openDocument(QString::fromUtf8(kCreatorPageAddress)); }

}  // namespace tavo::player
