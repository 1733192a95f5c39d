#include "ticker/TScrollerCollection.h"

#include "ticker/TQxScroller.h"
#include "ticker/TScrollerItem.h"

#include <algorithm>

namespace tavo::ticker {

TScrollerCollection::TScrollerCollection(TQxScroller* owner) : owner_(owner) {}

TScrollerCollection::~TScrollerCollection() = default;

TScrollerItem* TScrollerCollection::Add() {
  const QColor background = owner_ ? owner_->Color() : QColor(Qt::black);
  items_.push_back(std::unique_ptr<TScrollerItem>(new TScrollerItem(this, Count(), background)));
  TScrollerItem* item = items_.back().get();
  if (owner_) owner_->itemAdded(item);
  return item;
}

TScrollerItem* TScrollerCollection::Items(int index) const {
  return index >= 0 && index < Count() ? items_[index].get() : nullptr;
}

void TScrollerCollection::Clear() {
  items_.clear();
  renderedBytes_ = 0;
  if (owner_) owner_->itemsCleared();
}

void TScrollerCollection::Assign(const TScrollerCollection& source) {
  if (&source == this) return;
  Clear();
  for (const auto& item : source.items_) Add()->Assign(*item);
}

void TScrollerCollection::itemChanged(TScrollerItem* item) {
  if (owner_) owner_->itemChanged(item);
}

int TScrollerCollection::itemHeight() const { return owner_ ? owner_->ClientHeight() : 0; }

void TScrollerCollection::adoptItemHeight() {
  const int height = itemHeight();
  for (const auto& item : items_)
    if (item->UseTextImage()) item->adoptHeight(height);
}

void TScrollerCollection::imageUsed(const TScrollerItem* item) { item->lastUse_ = ++useClock_; }

void TScrollerCollection::imageReleased(qsizetype bytes) { renderedBytes_ -= bytes; }

void TScrollerCollection::imageRendered(const TScrollerItem* item, qsizetype bytes) {
  renderedBytes_ += bytes;
  imageUsed(item);
  if (renderedBytes_ <= kImageBudgetBytes) return;
  // Release the least recently drawn images until half the budget is used;
  // the ones of the pass being drawn are the most recent and stay.
  std::vector<const TScrollerItem*> rendered;
  for (const auto& i : items_)
    if (i->HasRenderedTextImage() && i.get() != item) rendered.push_back(i.get());
  std::sort(rendered.begin(), rendered.end(),
            [](const TScrollerItem* a, const TScrollerItem* b) { return a->lastUse_ < b->lastUse_; });
  for (const TScrollerItem* i : rendered) {
    if (renderedBytes_ <= kImageBudgetBytes / 2) break;
    i->releaseTextImage();
  }
}

}  // namespace tavo::ticker
