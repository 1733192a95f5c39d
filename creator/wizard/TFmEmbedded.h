#pragma once
// A form that lives inside a panel of another window: no border, filling
// its panel. The wizard's pages are such forms; the panel's window owns them.

#include <QWidget>
#include <utility>

namespace tavo::creator {

class TFmEmbedded : public QWidget {
  Q_OBJECT

 public:
  // Creates the form inside `panel`, filling it. Whoever creates it shows it
  // once its controls exist (see CreateEmbedded).
  explicit TFmEmbedded(QWidget* panel);

  // Creates a page inside `panel` and makes it visible with all its controls.
  template <typename Page, typename... Args>
  static Page* CreateEmbedded(Args&&... args) {
    auto* page = new Page(std::forward<Args>(args)...);
    page->show();
    return page;
  }

  // Called when the wizard shows the page.
  virtual void FormShow() {}
  // Called when the wizard leaves the page: it saves what it holds. The
  // wizard frees the page afterwards.
  virtual void closePage() {}

  // The page's grid moves (Item Up / Item Down); pages without a grid ignore them.
  virtual void moveItemUp() {}
  virtual void moveItemDown() {}
};

}  // namespace tavo::creator
