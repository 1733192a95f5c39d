// The link dispatcher, ExecuteLink, and the windows a link opens: slideshow,
// thumbnail set, browser; and the video window's question prompt.

#include <QSize>
#include <QTimer>

#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "format/Links.h"
#include "platform/QtText.h"
#include "player/bar/TFmMain.h"
#include "player/logic/BarLayout.h"
#include "player/logic/PlayerLinks.h"

namespace tavo::player {

// ---------------------------------------------------------------------------
// The link dispatcher
// ---------------------------------------------------------------------------

bool TFmMain::ExecuteLink(const QString& linkText, const QString& folderText, int flags) {
  bool result = true;
  playlistOpenWindow_ = PlaylistWindow::None;
  const std::string link = collapseRuns(platform::toFileText(linkText), '&');
  const std::string folder = platform::toFileText(folderText);
  const ClassifiedLink c = classifyLink(link);

  switch (c.kind) {
    case LinkClass::Channel: {
      const QString name = platform::fromFileText(c.name);
      int index = 0;
      for (std::size_t i = 0; i < SubscriberNames.size(); ++i)
        if (platform::fromFileText(SubscriberNames[i]).compare(name, Qt::CaseInsensitive) == 0) {
          index = static_cast<int>(i);
          break;
        }
      if (!fileExistsIn(SubscriberFolders[static_cast<std::size_t>(index)], "!Tavo.ini")) {
        // The current channel stays as it was.
        platform_.messages.showInfo(name.isEmpty() ? QString("That subscriber does not exist")
                                                   : "Subscriber " + name + " does not exist");
        return false;
      }
      CurrentSubscriber = index;
      SubscriberFolder = SubscriberFolders[static_cast<std::size_t>(index)];
      MChChangeSubscriberClick((flags & PlaylistMark) ? SwitchSender::ThumbnailViewer : SwitchSender::Nothing);
      break;
    }
    case LinkClass::Slideshow:
      if (!(flags & KeepOpenMark)) playlistOpenWindow_ = PlaylistWindow::Slideshow;
      if (peers_.slideshow && peers_.slideshow->isVisible()) peers_.slideshow->close();
      if (fileExistsIn(SubscriberFolder, c.name + "\\Slideshow.ini"))
        OpenSlideshow(resolveName(SubscriberFolder, c.name));
      else
        result = false;
      break;
    case LinkClass::Thumbnails:
      if (!(flags & KeepOpenMark)) playlistOpenWindow_ = PlaylistWindow::Thumbnails;
      if (peers_.thumbnails && peers_.thumbnails->isVisible()) peers_.thumbnails->close();
      if (fileExistsIn(SubscriberFolder, c.name + "\\Thumbnail.ini"))
        OpenThumbnails(resolveName(SubscriberFolder, c.name));
      else
        result = false;
      break;
    case LinkClass::Browser:
      break;
    case LinkClass::Setup:
      if (peers_.playlist) peers_.playlist->stop();
      if (peers_.setup) peers_.setup->runModal(ProjectFile);
      break;
    case LinkClass::Program:
      if (fileExistsIn(SubscriberFolder, link)) {
        const std::string program = resolveName(SubscriberFolder, link);
        result = platform_.shell.startProgram(platform::fromPath(program), {}, platform::fromPath(folderOf(program)));
      } else {
        result = false;
      }
      break;
    case LinkClass::TickerText:
      if (fileExistsIn(SubscriberFolder, link))
        LoadTicker(resolveName(SubscriberFolder, link));
      else
        result = false;
      break;
    case LinkClass::Document: {
      QString target;
      if (!folder.empty() && fileExistsIn(SubscriberFolder, folder + "\\" + link))
        target = platform::fromPath(resolveName(SubscriberFolder, folder + "\\" + link));
      else if (fileExistsIn(SubscriberFolder, link))
        target = platform::fromPath(resolveName(SubscriberFolder, link));
      else
        target = platform::fromFileText(link);  // a web or mail address
      result = platform_.shell.openDocument(target);
      break;
    }
  }
  return result;
}

void TFmMain::OpenSlideshow(const std::string& folder) {
  if (!peers_.slideshow || !fileExistsIn(withTrailingSeparator(folder), "SlideShow.ini")) return;
  peers_.slideshow->setGeometry(layout::slideshowGeometry(TickerPosition, screenWidth(), screenHeight(), height()));
  peers_.slideshow->setFolder(withoutTrailingSeparator(folder));
  if (TickerPosition == "Bottom") moveToScreenBottom();
  peers_.slideshow->show();
}

void TFmMain::OpenThumbnails(const std::string& folder) {
  if (!peers_.thumbnails || !fileExistsIn(withTrailingSeparator(folder), "Thumbnail.ini")) return;
  const std::optional<QRect> work = platform_.screen.workArea();
  const std::optional<int> workBottom = work ? std::optional<int>(work->y() + work->height()) : std::nullopt;
  peers_.thumbnails->setMainWindow(this);
  peers_.thumbnails->setGeometry(
      layout::thumbnailGeometry(TickerPosition, screenWidth(), screenHeight(), workBottom, height()));
  peers_.thumbnails->setFolder(withoutTrailingSeparator(folder));
  if (TickerPosition == "Bottom") moveToScreenBottom();
  peers_.thumbnails->show();
}

void TFmMain::OpenInBrowser(const QString& address) {
  if (BrowserChoice != "Default") {
    if (!peers_.browser) return;
    peers_.browser->setGeometry(layout::browserGeometry(screenWidth(), screenHeight(), height()));
    peers_.browser->setAddress(address);
    peers_.browser->show();
  } else {
    platform_.shell.openDocument(address);
  }
}

// The address comes from the player's configuration file, read when asked for.
void TFmMain::OpenAddSubscribersPage() {
  OpenInBrowser(platform::fromPath(readPlayerLinks(platform::toPath(platform_.programFolder)).addSubscribersPage()));
}

// ---------------------------------------------------------------------------
// The video window's question prompt
// ---------------------------------------------------------------------------

void TFmMain::QuestionPrompt() {
  VideoWindowPort* video = peers_.video;
  if (!video) return;
  const QString link = video->promptLink();
  const std::string stored = platform::toFileText(link);
  const bool web = startsWithIgnoreCase(stored, "http");
  const bool page = !web && startsWithIgnoreCase(fileExtension(stored), ".htm");
  if (!web && !page) return;
  TimerQuestionPrompt->start();
  video->giveFocus();
  const QSize window = video->windowSize(), panel = video->promptPanelSize();
  const layout::Point at = layout::promptPanelPosition(window.width(), window.height(), panel.width(), panel.height());
  video->showPromptPanel(QPoint(at.x, at.y), video->promptText());
  PendingPromptLink = web ? link : platform::fromPath(resolveName(SubscriberFolder, stored));
}

void TFmMain::TimerQuestionPromptTimer() {
  TimerQuestionPrompt->stop();
  if (peers_.video) peers_.video->hidePromptPanel();
}

void TFmMain::OpenPromptLink() {
  if (peers_.video) peers_.video->bringToFront();
  OpenInBrowser(PendingPromptLink);
  if (peers_.video) peers_.video->bringToFront();
}

}  // namespace tavo::player
