#pragma once
// The player's main window: the bar docked at the screen edge. This unit holds
// its start-up (finding presentations and channels), showing and closing.

#include <QFont>
#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

#include "format/PlayerSettings.h"
#include "platform/Platform.h"

class QMenu;
class QAction;
class QActionGroup;

namespace tavo::player {

class TFmMain : public QWidget {
  Q_OBJECT

 public:
  // `arguments` are the program's command-line arguments without the program name.
  TFmMain(platform::Platform& platform, QStringList arguments, QWidget* parent = nullptr);
  ~TFmMain() override;

  // Finds the presentations and channels. Returns false when the program must
  // end without showing the bar (nothing found); the reason has been shown.
  bool FormCreate();

  bool FindPresentations();
  bool LoadSubscribers();

  // ---- state shared by the bar's parts ----
  std::string ProjectFolder;  // active presentation, ending in "/"
  std::string ProjectFile;    // ProjectFolder + "Project.ini"
  std::vector<std::string> SubscriberFolders;
  std::vector<std::string> SubscriberNames;
  int CurrentSubscriber = 0;
  std::string SubscriberFolder;
  bool RunsFromCD = false;
  QFont TickerFont;

  std::vector<std::string> PresentationFolders() const { return presentations_; }
  QMenu* PMnSubscribers() const { return PMnSubscribers_; }
  // The channel entries of PMnSubscribers, in channel order.
  const std::vector<QAction*>& ChannelEntries() const { return channelEntries_; }
  bool PlaylistStartedAtShow() const { return playlistStartedAtShow_; }

  void FormShow();
  void FormClose();
  void FormDestroy();

  // Starts the current channel's playlist as the bar's Play button does.
  // The playlist runner arrives with its own unit; until then nothing plays.
  void BtnStartPlayListClick();

 signals:
  // A channel menu entry was chosen (the channel switch arrives with the bar's layout).
  void channelChosen(int index);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildSubscriberMenu();

  platform::Platform& platform_;
  PlayerSettings settings_;
  QStringList arguments_;
  std::vector<std::string> presentations_;
  int activePresentation_ = 0;
  QMenu* PMnSubscribers_ = nullptr;
  QActionGroup* channelGroup_ = nullptr;
  std::vector<QAction*> channelEntries_;
  bool shownOnce_ = false;
  bool playlistStartedAtShow_ = false;
  bool videoMode_ = false;
};

}  // namespace tavo::player
