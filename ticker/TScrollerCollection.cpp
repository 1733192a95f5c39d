#include "ticker/TScrollerCollection.h"

#include "ticker/TQxScroller.h"
#include "ticker/TScrollerItem.h"

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

void TScrollerCollection::rebuildTextImages() {
  for (const auto& item : items_)
    if (item->UseTextImage()) item->rebuildTextImage();
}

}  // namespace tavo::ticker
