#pragma once
// What the picture windows use of the bar: its ticker panel, which shows a
// picture's text in place of the scrolling ticker, the place of its menu
// picture (the windows line their step buttons up under it), the presentation
// folder (names read from a set stay inside it) and the link dispatcher.

#include <QString>
#include <string>

namespace tavo::player::pictures {

class SetWindowHost {
 public:
  virtual ~SetWindowHost() = default;
  virtual std::string presentationFolder() const = 0;
  // Hides the scrolling ticker and shows the text panel in its place.
  virtual void showTickerPanel() = 0;
  // Shows the scrolling ticker again and hides the text panel.
  virtual void showScrollingTicker() = 0;
  // One line in the text panel; a double click on it executes `hotlink`.
  virtual void showPanelText(const QString& text, const QString& hotlink) = 0;
  virtual int menuImageLeft() const = 0;
  virtual int menuImageWidth() const = 0;
  // Executes a thumbnail's link: documents are looked up in `setFolderName`
  // first, and a channel switch starts the new channel's playlist.
  virtual bool executeThumbnailLink(const QString& link, const QString& setFolderName) = 0;
};

}  // namespace tavo::player::pictures
