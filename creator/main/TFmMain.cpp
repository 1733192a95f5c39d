#include "creator/main/TFmMain.h"

#include <QApplication>
#include <QAudioOutput>
#include <QCloseEvent>
#include <QFont>
#include <QMediaPlayer>
#include <QTimer>
#include <filesystem>
#include <system_error>

#include "common/NameRules.h"
#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "common/StartupTrace.h"
#include "creator/app/CreatorApplication.h"
#include "creator/logic/BarGeometry.h"
#include "creator/logic/ErrorReport.h"
#include "creator/logic/WizardSteps.h"
#include "creator/logic/WorkArea.h"
#include "creator/wizard/TFmWizard.h"
#include "platform/QtText.h"

namespace tavo::creator {

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }
std::string s(const QString& text) { return text.toStdString(); }

QPushButton* makeButton(QWidget* parent, const QString& caption, const QString& hint = {}) {
  auto* button = new QPushButton(caption, parent);
  button->setFocusPolicy(Qt::NoFocus);
  if (!hint.isEmpty()) button->setToolTip(hint);
  return button;
}

}  // namespace

TFmMain::TFmMain(platform::Platform& platform, CreatorDialogs& dialogs, Publisher& publisher,
                 const QString& workArea, const QStringList& arguments)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      platform_(platform),
      dialogs_(dialogs),
      publisher_(publisher),
      settings_(s(workArea) + "TavoCreator.ini") {
  if (auto* app = CreatorApplication::instance())
    app->setErrorHandler([this](std::exception_ptr error) { ApplicationException(error); });
  for (const QString& argument : arguments)
    if (argument.compare("Debug", Qt::CaseInsensitive) == 0) debugMode_ = true;
  presentation_.currentProvider = -1;
  presentation_.programFolder = withTrailingSeparator(s(workArea));
  createWorkAreaFolders(presentation_.programFolder);
  presentation_.contentProviders.clear();

  setWindowTitle("Creator");
  buildControls();
  buildControlMenu();
  updatePresentationCommands();
  wizard_ = std::make_unique<TFmWizard>(*this);
}

TFmMain::~TFmMain() = default;

void TFmMain::buildControls() {
  setFixedHeight(kBarHeight);
  BtnControlMenu = makeButton(this, "&Control Menu");
  BtnInstructions = makeButton(this, "Instructions", "What You Need");
  BtnContent = makeButton(this, "Tavo Content", "The Tavo content marketplace");
  BtnPublish = makeButton(this, "Publish Presentation", "Publish Presentation");
  BtnFtp = makeButton(this, "FTP Files");
  BtnCd = makeButton(this, "Create CD");
  BtnExe = makeButton(this, "Create EXE");
  BtnNetwork = makeButton(this, "Network");
  connect(BtnControlMenu, &QPushButton::clicked, this, [this] { BtnControlMenuClick(); });
  connect(BtnInstructions, &QPushButton::clicked, this, [this] { MChWizardClick(0); });
  connect(BtnContent, &QPushButton::clicked, this, [this] { BtnContentClick(); });
  connect(BtnPublish, &QPushButton::clicked, this, [this] { MChWizardClick(11); });
  connect(BtnFtp, &QPushButton::clicked, this, [this] { PublisherClick(Publisher::Page::Ftp); });
  connect(BtnCd, &QPushButton::clicked, this, [this] { PublisherClick(Publisher::Page::Cd); });
  connect(BtnExe, &QPushButton::clicked, this, [this] { PublisherClick(Publisher::Page::Exe); });
  connect(BtnNetwork, &QPushButton::clicked, this, [this] { PublisherClick(Publisher::Page::Network); });

  const int lowerTop = kBarStripHeight;
  const int lowerHeight = kBarHeight - kBarStripHeight;
  ImgLogo = new QLabel(this);
  ImgLogo->setGeometry(2, lowerTop + 2, 66, lowerHeight - 4);
  ImgLogo->setAlignment(Qt::AlignCenter);
  ImgLogo->setText("TAVO");
  ImgLogo->setStyleSheet("QLabel { background: navy; color: white; font: bold 16px Arial; border-radius: 6px; }");

  QFont stepFont = font();
  stepFont.setBold(true);
  int x = 72;
  for (int i = 0; i < 10; ++i) {
    auto* button = makeButton(this, QString("Step %1").arg(i + 1), q(std::string(stepInfo(i + 1).barHint)));
    button->setFont(stepFont);
    button->setStyleSheet("QPushButton { color: red; }");
    button->setGeometry(x, lowerTop + 4, 62, 22);
    connect(button, &QPushButton::clicked, this, [this, i] { MChWizardClick(i + 1); });
    BtnStep[i] = button;
    x += 63;
  }
  const int labelTop = lowerTop + 28;
  LbProject = new QLabel(" PROJECT:", this);
  LbProject->setGeometry(72, labelTop, 76, 18);
  LbProjectName = new QLabel("None", this);
  LbProjectName->setGeometry(148, labelTop, 220, 18);
  LbProvider = new QLabel(" PLAY CONTENT PROVIDER:   ", this);
  LbProvider->setGeometry(370, labelTop, 210, 18);
  LbProviderName = new QLabel("None", this);
  LbProviderName->setGeometry(580, labelTop, 220, 18);
  QFont labelFont = font();
  labelFont.setBold(true);
  for (QLabel* label : {LbProject, LbProvider}) label->setFont(labelFont);
  for (QLabel* label : {LbProjectName, LbProviderName}) {
    label->setStyleSheet("QLabel { color: navy; }");
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
  }

  BtnSubscribers = makeButton(this, "Change C.P.", "Select Content Provider");
  BtnPlay = makeButton(this, QString::fromUtf8("\u25B6 Test"), "Test Presentation");
  BtnMoveUp = makeButton(this, QString::fromUtf8("\u25B2"), "Move ticker to top");
  BtnMoveDown = makeButton(this, QString::fromUtf8("\u25BC"), "Move ticker to bottom");
  BtnMinimize = makeButton(this, "_", "Minimize");
  BtnClose = makeButton(this, "X", "Close");
  connect(BtnSubscribers, &QPushButton::clicked, this, [this] { BtnSubscribersClick(); });
  connect(BtnPlay, &QPushButton::clicked, this, [this] { BtnPlayClick(); });
  connect(BtnMoveUp, &QPushButton::clicked, this, [this] { BtnMoveUpClick(); });
  connect(BtnMoveDown, &QPushButton::clicked, this, [this] { BtnMoveUpClick(); });
  connect(BtnMinimize, &QPushButton::clicked, this, [this] { BtnMinimizeClick(); });
  connect(BtnClose, &QPushButton::clicked, this, [this] { BtnCloseClick(); });
  BtnMoveDown->hide();

  PMnSubscribers = new QMenu(this);
}

void TFmMain::buildControlMenu() {
  PMnControl = new QMenu(this);
  PMnControl->addAction("New Presentation", this, [this] { MChNewProjectClick(); });
  PMnControl->addAction("Open Presentation", this, [this] { MChOpenProjectClick(); });
  MChSaveProjectAs = PMnControl->addAction("Save Presentation As", this, [this] { MChSaveProjectAsClick(); });
  MChRenameProject = PMnControl->addAction("Rename Presentation", this, [this] { MChRenameProjectClick(); });
  PMnControl->addAction("Delete Presentation", this, [this] { MChDeleteProjectClick(); });
  PMnControl->addAction("About TavoCreator", this, [this] { MChAboutClick(); });
  PMnControl->addSeparator();
  PMnControl->addAction("Start the Tavo EZ Step Wizard", this, [this] { MChWizardClick(1); });
  PMnControl->addAction("What You Need for the Tavo Wizard", this, [this] { MChWizardClick(0); });
  for (int step = 1; step <= 11; ++step)
    PMnControl->addAction(q(std::string(stepInfo(step).menuCaption)), this, [this, step] { MChWizardClick(step); });
  PMnControl->addAction("Tavo Publisher", this, [this] { PublisherClick(Publisher::Page::Ftp); });
  PMnControl->addSeparator();
  for (int i = 0; i < 5; ++i) {
    MChRecent[i] = PMnControl->addAction(QString(), this, [this, i] { MChRecentClick(i); });
    MChRecent[i]->setVisible(false);
  }
  PMnControl->addSeparator();
  PMnControl->addAction("Exit", this, [this] { BtnCloseClick(); });
}

bool TFmMain::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == LbProjectName || watched == LbProviderName) && event->type() == QEvent::MouseButtonRelease) {
    MChWizardClick(6);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

// ---- start and end ------------------------------------------------------------------

void TFmMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  // The first prompt (if any) comes after the bar is on the screen.
  QTimer::singleShot(0, this, [this] {
    try {
      FormShow();
    } catch (...) {
      ApplicationException(std::current_exception());
    }
  });
}

void TFmMain::FormShow() {
  const StartSettings start = settings_.readStart();
  playHelpSound = start.playHelpWav;
  if (!start.curProject.empty() && isPlainFolderName(start.curProject) &&
      isFolder(presentation_.projectsFolder() + start.curProject)) {
    setCurrentPresentation(start.curProject);
    loadContentProviders();
    refreshRecentList();
  } else {
    MChOpenProjectClick();
  }
  placeBar(isTopPosition(start.screenPosition));
  trace::mark("presentation opened");
  opened_ = true;
  markReady();
}

void TFmMain::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (painted_) return;
  painted_ = true;
  trace::mark("first paint");
  markReady();
}

void TFmMain::markReady() {
  if (painted_ && opened_) trace::mark("ready");
}

void TFmMain::placeBar(bool top) {
  const QRect screen = platform_.screen.screenGeometry();
  setGeometry(screen.left(), screen.top() + barTop(top, screen.height()), screen.width(), kBarHeight);
  BtnMoveUp->setVisible(!top);
  BtnMoveDown->setVisible(top);
}

void TFmMain::closeEvent(QCloseEvent* event) {
  if (!closed_) {
    closeWizard();
    FormClose();
    closed_ = true;
  }
  event->accept();
}

void TFmMain::FormClose() {
  try {
    if (!presentation_.presentationName.empty()) saveContentProviders();
    settings_.writeExit(presentation_.presentationName, playHelpSound, atTop());
  } catch (const std::exception& e) {
    platform_.messages.showInfo(QString::fromUtf8(e.what()));
  }
}

void TFmMain::BtnCloseClick() {
  closeWizard();
  close();
}

void TFmMain::BtnMinimizeClick() {
  if (wizard_->isVisible()) wizard_->showMinimized();
  showMinimized();
}

void TFmMain::closeWizard() {
  if (wizard_ && wizard_->isVisible()) wizard_->BtnCloseClick();
}

// ---- presentation management ------------------------------------------------------------

void TFmMain::setCurrentPresentation(const std::string& name) {
  creator::setCurrentPresentation(presentation_, name);
  LbProjectName->setText(q(name));
  LbProviderName->clear();
  setWindowTitle("Creator - " + q(name));
  wizard_->setWindowTitle("Creator - " + q(name));
  updatePresentationCommands();
}

void TFmMain::updatePresentationCommands() {
  const bool current = !presentation_.presentationName.empty();
  MChSaveProjectAs->setEnabled(current);
  MChRenameProject->setEnabled(current);
}

void TFmMain::loadContentProviders() {
  const std::string shown = creator::loadContentProviders(presentation_);
  LbProviderName->setText(q(shown));
}

void TFmMain::saveContentProviders() { creator::saveContentProviders(presentation_); }

void TFmMain::refreshWebAddresses() { creator::refreshWebAddresses(presentation_); }

bool TFmMain::askFirstContentProvider() {
  const QString name =
      dialogs_.askNewName("content provider", q(withoutTrailingSeparator(presentation_.presentationFolder)));
  if (name.isEmpty()) return false;
  const std::string provider = s(name);
  std::error_code ec;
  std::filesystem::create_directories(presentation_.presentationFolder + provider, ec);
  if (ec) throw platform::FileOperationError("Cannot create " + presentation_.presentationFolder + provider, ec);
  presentation_.contentProviders.push_back(provider);
  // The new provider becomes the current one, wherever the list put it.
  presentation_.currentProvider = static_cast<int>(presentation_.contentProviders.size()) - 1;
  LbProviderName->setText(name);
  saveContentProviders();
  return true;
}

void TFmMain::createPresentation(const std::string& name) {
  createPresentationFiles(presentation_, name);
  LbProjectName->setText(q(name));
  LbProviderName->clear();
  setWindowTitle("Creator - " + q(name));
  wizard_->setWindowTitle("Creator - " + q(name));
  updatePresentationCommands();
  settings_.forgetCurrentSets();
  MChWizardClick(1);
}

void TFmMain::MChNewProjectClick() {
  if (!presentation_.presentationName.empty()) saveContentProviders();
  const QString name = dialogs_.askNewName("presentation", q(withoutTrailingSeparator(presentation_.projectsFolder())));
  if (name.isEmpty()) return;
  closeWizard();
  createPresentation(s(name));
  refreshRecentList();
}

void TFmMain::MChOpenProjectClick() {
  const CreatorDialogs::Pick pick =
      dialogs_.pickFolder("Open Presentation", q(presentation_.projectsFolder()) + "*.*", "Select a presentation to open");
  if (pick.offered == 0) {
    MChNewProjectClick();
    return;
  }
  if (!pick.choice) return;
  openPresentation(s(*pick.choice));
}

void TFmMain::openPresentation(const std::string& name) {
  if (name != presentation_.presentationName) {
    if (!presentation_.presentationName.empty()) saveContentProviders();
    closeWizard();
    setCurrentPresentation(name);
    loadContentProviders();
    refreshRecentList();
  }
  MChWizardClick(1);
}

void TFmMain::MChRecentClick(int index) {
  if (index < 0 || index >= 5 || !MChRecent[index]->isVisible()) return;
  const std::string name = recentEntryName(s(MChRecent[index]->text()));
  if (!isPlainFolderName(name) || !isFolder(presentation_.projectsFolder() + name)) {
    platform_.messages.showInfo("The presentation " + q(name) + " no longer exists");
    return;
  }
  openPresentation(name);
}

void TFmMain::MChSaveProjectAsClick() { copyOrRenamePresentation(false); }
void TFmMain::MChRenameProjectClick() { copyOrRenamePresentation(true); }

void TFmMain::copyOrRenamePresentation(bool rename) {
  if (presentation_.presentationName.empty()) return;  // the entries are disabled then
  const QString current = q(presentation_.presentationName);
  const QString caption = rename ? "Rename Presentation" : "Save As";
  const QString prompt = rename ? "Rename " + current + " to" : "Save " + current + " as";
  QString entry = current;
  std::string answer;
  for (;;) {
    const std::optional<QString> typed = dialogs_.inputBox(caption, prompt, entry);
    if (!typed) return;
    entry = *typed;
    // The rules of a new name come before the existing-folder test, so that no
    // name leads out of "Projects" or into the settings file's lines.
    const NameCheck check = checkNewName(s(entry), "presentation", presentation_.projectsFolder());
    if (!check.accepted()) {
      platform_.messages.showInfo(q(check.message));
      continue;
    }
    answer = check.name;
    break;
  }
  // The open page saves into the folder it was shown for, so it closes before
  // that folder is copied or moved.
  closeWizard();
  platform::TFileOperation operation;
  operation.ShowProgress = false;
  operation.RenameOnCollision = false;
  operation.ShowWin32Errors = true;
  const QString from = q(withoutTrailingSeparator(presentation_.presentationFolder));
  const QString to = q(presentation_.projectsFolder() + answer);
  if (rename)
    operation.rename(from, to);
  else
    operation.copy(from, to);
  setCurrentPresentation(answer);
  refreshRecentList();
}

void TFmMain::MChDeleteProjectClick() {
  const CreatorDialogs::Pick pick = dialogs_.pickFolder(
      "Delete Presentation", q(presentation_.projectsFolder()) + "*.*", "Select a presentation to delete");
  if (pick.choice && !pick.choice->isEmpty() &&
      platform_.messages.askYesNo("Delete presentation " + *pick.choice + "?", platform_.applicationTitle))
    deletePresentationFolders(s(*pick.choice));
  refreshRecentList();
}

void TFmMain::deletePresentationFolders(const std::string& name) {
  // Only a presentation folder itself is ever deleted, never a folder around it.
  if (!isPlainFolderName(name)) return;
  if (name == presentation_.presentationName) {
    closeWizard();
    presentation_.contentProviders.clear();
    presentation_.currentProvider = -1;
    setCurrentPresentation("");
  }
  platform::TFileOperation operation;
  operation.ShowProgress = false;
  operation.ShowWin32Errors = true;
  for (const std::string& folder :
       {presentation_.projectsFolder() + name, presentation_.programFolder + "Custom/TavoContent/" + name})
    if (isFolder(folder)) operation.deleteFiles(q(folder));
}

void TFmMain::refreshRecentList() {
  std::vector<RecentEntry> entries;
  for (QAction* action : MChRecent) entries.push_back({s(action->text()), action->isVisible()});
  const std::vector<RecentEntry> updated = creator::refreshRecentList(entries, presentation_.presentationName);
  for (std::size_t i = 0; i < MChRecent.size(); ++i) {
    MChRecent[i]->setText(q(updated[i].caption));
    MChRecent[i]->setVisible(updated[i].visible);
  }
}

void TFmMain::MChWizardClick(int step) {
  if (presentation_.presentationName.empty()) {
    MChNewProjectClick();
    return;
  }
  if (presentation_.currentProvider != -1 || step < 2 || askFirstContentProvider()) {
    wizard_->showWizard();
    wizard_->showStep(step);
  }
}

void TFmMain::MChAboutClick() { dialogs_.showAbout(); }

void TFmMain::PublisherClick(Publisher::Page page) {
  if (presentation_.presentationName.empty()) {
    MChNewProjectClick();
    return;
  }
  publisher_.open(page);
}

// ---- the bar's buttons --------------------------------------------------------------------

void TFmMain::BtnControlMenuClick() {
  const QRect screen = platform_.screen.screenGeometry();
  const MenuPoint at = controlMenuPoint(atTop(), screen.height(), BtnControlMenu->height());
  PMnControl->popup(QPoint(screen.left() + at.x, screen.top() + at.y));
}

void TFmMain::BtnSubscribersClick() {
  PMnSubscribers->clear();
  const auto& providers = presentation_.contentProviders;
  for (std::size_t i = 0; i < providers.size(); ++i) {
    QAction* action = PMnSubscribers->addAction(q(doubleChar(providers[i], '&')));
    action->setData(static_cast<int>(i));
    action->setCheckable(true);
    action->setChecked(q(providers[i]) == LbProviderName->text());
    connect(action, &QAction::triggered, this, [this, i] { MChSubscriberClick(static_cast<int>(i)); });
  }
  const QRect screen = platform_.screen.screenGeometry();
  const MenuPoint at = providerMenuPoint(atTop(), screen.height(), BtnSubscribers->x(), BtnSubscribers->y(),
                                         BtnSubscribers->height());
  PMnSubscribers->popup(QPoint(screen.left() + at.x, screen.top() + at.y));
}

void TFmMain::MChSubscriberClick(int index) {
  if (index < 0 || index >= static_cast<int>(presentation_.contentProviders.size())) return;
  presentation_.currentProvider = index;
  const std::string& name = presentation_.contentProviders[index];
  LbProviderName->setText(q(name));
  writeStartWith(presentation_, name);
}

void TFmMain::BtnPlayClick() {
  if (presentation_.presentationName.empty()) {
    MChNewProjectClick();
    return;
  }
  const QString program = q(presentation_.programFolder + "FileSet/TavoPlayer");
  const QString parameter = "Path=" + q(presentation_.presentationFolder);
  if (debugMode_) platform_.messages.showInfo(program + "\r" + parameter);
  if (!platform_.shell.startProgram(program, {parameter}, q(presentation_.presentationFolder)))
    platform_.messages.showError("TavoCreator could not start " + program);
}

void TFmMain::BtnMoveUpClick() { placeBar(!atTop()); }

void TFmMain::BtnContentClick() {
  platform_.shell.openDocument(q(presentation_.programFolder + "Help/TavoContent.htm"));
}

void TFmMain::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FormResize();
}

void TFmMain::FormResize() {
  const std::vector<StripButton> layout = topStripLayout(width());
  QPushButton* strip[] = {BtnControlMenu, BtnInstructions, BtnContent, BtnPublish, BtnFtp, BtnCd, BtnExe, BtnNetwork};
  for (std::size_t i = 0; i < layout.size(); ++i)
    strip[i]->setGeometry(layout[i].left, 0, std::max(0, layout[i].width), kBarStripHeight);
  // The lower strip's right-hand buttons keep to the right edge.
  const int top = kBarStripHeight + 4;
  int x = width() - 4;
  for (QPushButton* button : {BtnClose, BtnMinimize}) {
    x -= 24;
    button->setGeometry(x, top, 24, 22);
  }
  x -= 30;
  BtnMoveUp->setGeometry(x, top, 26, 22);
  BtnMoveDown->setGeometry(x, top, 26, 22);
  x -= 74;
  BtnPlay->setGeometry(x, top, 70, 22);
  x -= 94;
  BtnSubscribers->setGeometry(x, top, 90, 22);
}

// ---- errors ---------------------------------------------------------------------------------

void TFmMain::ApplicationException(std::exception_ptr error) {
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  const ErrorReport report = reportFor(error);
  switch (report.box) {
    case ErrorReport::Box::None: break;
    case ErrorReport::Box::Error: platform_.messages.showError(q(report.text)); break;
    case ErrorReport::Box::Warning: dialogs_.showWarning(q(report.text)); break;
  }
}

// ---- sounds ----------------------------------------------------------------------------------

QMediaPlayer* TFmMain::helpSoundPlayer(bool create) {
  if (!helpSoundPlayer_ && create) {
    helpSoundPlayer_ = new QMediaPlayer(this);
    helpSoundOutput_ = new QAudioOutput(this);
    helpSoundPlayer_->setAudioOutput(helpSoundOutput_);
  }
  return helpSoundPlayer_;
}

}  // namespace tavo::creator
