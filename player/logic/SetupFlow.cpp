#include "player/logic/SetupFlow.h"

namespace tavo::player::setup {

Page SetupFlow::start() {
  page_ = updatesPagesOn_ ? Page::Reasons : Page::InstallPath;
  if (page_ == Page::Reasons) ++reasonsVisits_;
  return page_;
}

Move SetupFlow::go(Page p) {
  page_ = p;
  if (p == Page::Reasons) ++reasonsVisits_;
  return Move::show(p);
}

PageLayout SetupFlow::layout() const {
  PageLayout l;
  switch (page_) {
    case Page::Reasons:
      if (!footerRestored_) {
        // First visit: only "&Yes" and "&No" lead away.
        l.clientHeight = kClientHeight - kFooterHeight;
        l.footerVisible = false;
        l.reasonsButtonsVisible = true;
      } else {
        l.reasonsListHeight = kReasonsListHeightLater;
      }
      l.backEnabled = false;
      break;
    case Page::InstallPath:
      l.backEnabled = updatesPagesOn_;
      break;
    case Page::AutoUpdate:
    case Page::Ready:
      l.backEnabled = true;
      l.creatorLinkVisible = true;
      break;
    case Page::Complete:
    case Page::DownloadNew:
      l.clientWidth = kCompleteWidth;
      l.clientHeight = kCompleteHeight;
      l.headerVisible = false;
      l.footerVisible = false;
      l.creatorLinkVisible = page_ == Page::Complete;  // in the hidden footer
      break;
  }
  return l;
}

Move SetupFlow::back() {
  switch (page_) {
    case Page::InstallPath: return updatesPagesOn_ ? go(Page::Reasons) : Move::nothing();
    case Page::AutoUpdate: return go(Page::InstallPath);
    case Page::Ready: return go(updatesPagesOn_ ? Page::AutoUpdate : Page::InstallPath);
    default: return Move::nothing();
  }
}

Move SetupFlow::next() {
  switch (page_) {
    case Page::Reasons: return footerRestored_ ? go(Page::InstallPath) : Move::nothing();
    case Page::InstallPath: return go(updatesPagesOn_ ? Page::AutoUpdate : Page::Ready);
    case Page::AutoUpdate: return go(Page::Ready);
    case Page::Ready: return Move::install();
    default: return Move::nothing();
  }
}

Move SetupFlow::reasonsYes() {
  if (page_ != Page::Reasons || footerRestored_) return Move::nothing();
  agreed_ = true;
  footerRestored_ = true;
  return go(Page::InstallPath);
}

Move SetupFlow::reasonsNo() {
  if (page_ != Page::Reasons || footerRestored_) return Move::nothing();
  return Move::close();
}

Move SetupFlow::cancel() {
  // Cancel sits in the footer, which pages 5 and 6 and the first visit of page 1 hide.
  if (!layout().footerVisible) return Move::nothing();
  return Move::close();
}

Move SetupFlow::installed() { return page_ == Page::Ready ? go(Page::Complete) : Move::nothing(); }

Move SetupFlow::ok() { return page_ == Page::Complete ? go(Page::DownloadNew) : Move::nothing(); }

Move SetupFlow::downloadAnswer() { return page_ == Page::DownloadNew ? Move::close() : Move::nothing(); }

std::string pageTitle(Page page) {
  switch (page) {
    case Page::Reasons: return "- Receive Content Updates?";
    case Page::InstallPath: return "- Install This Tavo Presentation";
    case Page::AutoUpdate: return "- Receive Updates Automatically?";
    case Page::Ready: return "- Ready To Install Presentation";
    case Page::Complete: return "Tavo Installation Complete";
    case Page::DownloadNew: return {};
  }
  return {};
}

std::string nextCaption(Page page) { return page == Page::Ready ? "&Install" : "&Next"; }

std::string windowCaption(Page page, const std::string& presentationName) {
  return (page == Page::DownloadNew ? "Download New Content - " : "Tavo Setup - ") + presentationName;
}

std::string reasonsQuestionLine(const std::string& presentationName) {
  return "the " + presentationName + " Presentation?";
}

std::vector<std::string> reasonsListItems(const std::vector<std::string>& values) {
  std::vector<std::string> items;
  items.reserve(values.size());
  for (std::size_t i = 0; i < values.size(); ++i) items.push_back(std::to_string(i + 1) + ". " + values[i]);
  return items;
}

std::string installIntro(const std::string& presentationName) {
  return "Tavo Setup will install the " + presentationName + " presentation on your PC.";
}

std::string autoUpdateText(bool autoUpdate) { return autoUpdate ? "Yes" : "No"; }

std::vector<std::string> readyLines(bool autoUpdate) {
  if (autoUpdate)
    return {"New content files will be downloaded daily between 6:00 AM and 8:00 AM",
            "The new content will be available at 8:00 AM"};
  return {"You will have to update the presentation yourself daily.  You can update the presentation each day after "
          "6:00 AM."};
}

}  // namespace tavo::player::setup
