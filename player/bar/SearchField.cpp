// The bar's internet search: the search field with its "GO" button, the menu
// of the current channel's search engines, and the search itself.

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "common/QxMisc.h"
#include "format/ProviderSettings.h"
#include "platform/QtText.h"
#include "player/bar/TFmMain.h"
#include "player/logic/BarLayout.h"
#include "player/logic/SearchAddress.h"

namespace tavo::player {

namespace {
constexpr int kEnterKey = 13;
constexpr int kSearchFieldGap = 4;  // between the button, the field and "GO"
}  // namespace

void TFmMain::connectSearchField() {
  connect(BtnSearch, &QToolButton::clicked, this, &TFmMain::BtnSearchClick);
  connect(BtnGo, &QPushButton::clicked, this, &TFmMain::BtnGoClick);
  connect(EdSearch, &QLineEdit::returnPressed, this, [this] { EdSearchKeyDown(kEnterKey); });
  searchEngineGroup_ = new QActionGroup(this);
  searchEngineGroup_->setExclusive(true);
}

void TFmMain::BtnSearchClick() {
  if (searchTag_ != 0) {
    CloseSearchField();
    return;
  }
  BtnSearch->setToolTip("Close Search Window");
  ImgAdSponsor->hide();
  ImgMenu->hide();
  EdSearch->move(BtnSearch->x() + BtnSearch->width() + kSearchFieldGap, EdSearch->y());
  BtnGo->move(EdSearch->x() + EdSearch->width() + kSearchFieldGap, BtnGo->y());
  EdSearch->show();
  BtnGo->show();
  EdSearch->raise();
  BtnGo->raise();
  searchTag_ = 1;
  BtnSearch->setProperty("tag", 1);
  EdSearch->setFocus();
}

void TFmMain::CloseSearchField() {
  BtnSearch->setToolTip("Internet Search");
  ImgAdSponsor->show();
  ImgMenu->show();
  EdSearch->hide();
  BtnGo->hide();
  searchTag_ = 0;
  BtnSearch->setProperty("tag", 0);
}

// The menu is filled at the first "GO" and then kept, across channel switches too.
void TFmMain::LoadSearchEngines() {
  for (QAction* a : PMnSearchEngines->actions()) {
    searchEngineGroup_->removeAction(a);
    PMnSearchEngines->removeAction(a);
    delete a;
  }
  const provider::ProviderSettings settings = provider::readProviderSettings(SubscriberFolder, ReadMode::Player);
  for (const provider::SearchEntry& engine : settings.searchLinks) {
    auto* entry = new QAction(platform::fromFileText(doubleChar(engine.name, '&')), PMnSearchEngines);
    const QString address = platform::fromFileText(engine.address);
    entry->setCheckable(true);
    entry->setToolTip(address);
    entry->setStatusTip(address);
    entry->setData(address);
    entry->setChecked(PMnSearchEngines->actions().isEmpty());
    searchEngineGroup_->addAction(entry);
    PMnSearchEngines->addAction(entry);
    connect(entry, &QAction::triggered, this, [this, entry] { MChSearchLink(entry); });
  }
  PMnSearchEngines->setToolTipsVisible(true);
}

void TFmMain::BtnGoClick() {
  if (PMnSearchEngines->actions().isEmpty()) LoadSearchEngines();
  BtnGo->repaint();
  const QList<QAction*> engines = PMnSearchEngines->actions();
  switch (goAction(static_cast<std::size_t>(engines.size()))) {
    case GoAction::Nothing:
      break;
    case GoAction::SearchAtOnce:
      MChSearchLink(engines.front());
      break;
    case GoAction::ShowMenu:
      PMnSearchEngines->popup(QPoint(x() + BtnGo->x(), y() + BtnGo->y() + BtnGo->height()));
      break;
  }
}

void TFmMain::EdSearchKeyDown(int key) {
  if (key != kEnterKey) return;
  BtnGo->repaint();
  // Before the first "GO" the menu is empty and shows nothing.
  if (PMnSearchEngines->actions().isEmpty()) return;
  PMnSearchEngines->popup(QPoint(x() + BtnGo->x(), y() + BtnGo->y() + BtnGo->height()));
}

void TFmMain::MChSearchLink(QAction* entry) {
  if (!entry) return;
  entry->setChecked(true);
  const std::string address = searchQueryAddress(entry->data().toString().toStdString(),
                                                 EdSearch->text().toUtf8().toStdString());
  OpenInBrowser(QString::fromStdString(address));
  CloseSearchField();
}

}  // namespace tavo::player
