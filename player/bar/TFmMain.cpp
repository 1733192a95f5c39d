#include "player/bar/TFmMain.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QMenu>

#include "common/QxMisc.h"
#include "format/ProjectFile.h"
#include "player/logic/PresentationDiscovery.h"
#include "platform/QtText.h"

namespace tavo::player {

TFmMain::TFmMain(platform::Platform& platform, QStringList arguments, QWidget* parent)
    : QWidget(parent), platform_(platform), settings_(platform.registry), arguments_(std::move(arguments)) {
  setObjectName("TFmMain");
  setWindowTitle("TavoPlayer");
}

TFmMain::~TFmMain() { FormDestroy(); }

bool TFmMain::FormCreate() {
  setWindowTitle("TavoPlayer");
  if (!FindPresentations()) return false;
  if (!LoadSubscribers()) return false;
  ProjectFolder = presentations_[static_cast<std::size_t>(activePresentation_)];
  ProjectFile = ProjectFolder + project::kProjectFileName;

  TickerFont = QFont("Arial");
  resize(platform_.screen.screenGeometry().width(), 50);
  SubscriberFolder = SubscriberFolders[static_cast<std::size_t>(CurrentSubscriber)];
  return true;
}

bool TFmMain::FindPresentations() {
  std::vector<std::string> args;
  for (const QString& a : arguments_) args.push_back(platform::toPath(a));
  const FoundPresentations found = findPresentations(args, platform::toPath(platform_.programFolder),
                                                     platform::toPath(QDir::currentPath()), settings_);
  presentations_ = found.folders;
  activePresentation_ = found.activeIndex;
  if (presentations_.empty()) {
    platform_.messages.showInfo("TavoPlayer could not find any presentations");
    return false;
  }
  return true;
}

bool TFmMain::LoadSubscribers() {
  const Channels channels = loadChannels(presentations_, settings_);
  SubscriberFolders = channels.folders;
  SubscriberNames = channels.names;
  CurrentSubscriber = channels.current;
  buildSubscriberMenu();
  return !SubscriberNames.empty();
}

void TFmMain::buildSubscriberMenu() {
  if (!PMnSubscribers_) {
    PMnSubscribers_ = new QMenu(this);
    PMnSubscribers_->setObjectName("PMnSubscribers");
    PMnSubscribers_->addAction("Preferences")->setObjectName("MChPreferences");
    QMenu* update = PMnSubscribers_->addMenu("Update Now");
    update->setObjectName("MChUpdateNow");
    update->addAction("Current Subscriber")->setObjectName("MChCurrentSubscriber");
    update->addAction("All Subscribers")->setObjectName("MChAllSubscribers");
    PMnSubscribers_->addAction("About/Add Subscribers")->setObjectName("MChAboutAddSubscribers");
    PMnSubscribers_->addSeparator();
    channelGroup_ = new QActionGroup(this);
    channelGroup_->setExclusive(true);
  }
  for (QAction* entry : channelEntries_) {
    PMnSubscribers_->removeAction(entry);
    delete entry;
  }
  channelEntries_.clear();
  for (std::size_t i = 0; i < SubscriberNames.size(); ++i) {
    const QString name = platform::fromFileText(SubscriberNames[i]);
    QAction* entry = new QAction(QString(name).replace("&", "&&"), PMnSubscribers_);
    entry->setCheckable(true);
    entry->setToolTip(name);
    entry->setStatusTip(name);
    entry->setData(static_cast<int>(i));
    entry->setChecked(static_cast<int>(i) == CurrentSubscriber);
    channelGroup_->addAction(entry);
    PMnSubscribers_->addAction(entry);
    connect(entry, &QAction::triggered, this, [this, i] { emit channelChosen(static_cast<int>(i)); });
    channelEntries_.push_back(entry);
  }
}

void TFmMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    FormShow();
  }
}

void TFmMain::FormShow() {
  const std::string programFile = platform::toPath(platform_.programFolder);
  RunsFromCD = platform_.drives.isCdRom(platform::fromPath(programFile));
  const bool runPlaylist = project::readRunPlaylist(ProjectFile, false);
  if (RunsFromCD || runPlaylist) {
    BtnStartPlayListClick();
    videoMode_ = true;
    playlistStartedAtShow_ = true;
  }
}

void TFmMain::BtnStartPlayListClick() {}

void TFmMain::closeEvent(QCloseEvent* event) {
  FormClose();
  QWidget::closeEvent(event);
}

void TFmMain::FormClose() {}

void TFmMain::FormDestroy() {
  SubscriberFolders.clear();
  SubscriberNames.clear();
}

}  // namespace tavo::player
