#pragma once
// The items of a TQxScroller, in band order. The scroller owns its collection
// and the collection owns its items. A collection without a scroller (made to
// be assigned to one) renders no text images: its items have no height yet.
// Adding or removing items does not repaint the scroller by itself.

#include <QtGlobal>
#include <memory>
#include <vector>

namespace tavo::ticker {

class TQxScroller;
class TScrollerItem;

class TScrollerCollection {
 public:
  explicit TScrollerCollection(TQxScroller* owner = nullptr);
  ~TScrollerCollection();
  TScrollerCollection(const TScrollerCollection&) = delete;
  TScrollerCollection& operator=(const TScrollerCollection&) = delete;

  // Appends a new item (background: the scroller's colour) and returns it.
  TScrollerItem* Add();
  // The item at a zero-based index; nullptr outside 0 .. Count-1.
  TScrollerItem* Items(int index) const;
  int Count() const { return static_cast<int>(items_.size()); }
  void Clear();
  // Replaces the items by copies of the source's, made with TScrollerItem::Assign
  // (so Margin and Hint of the copies keep their defaults).
  void Assign(const TScrollerCollection& source);
  TQxScroller* GetOwner() const { return owner_; }

 private:
  friend class TScrollerItem;
  friend class TQxScroller;
  void itemChanged(TScrollerItem* item);
  int itemHeight() const;
  // Every text item takes the scroller's client height (text widths stay).
  void adoptItemHeight();
  // The budget of rendered text images.
  void imageRendered(const TScrollerItem* item, qsizetype bytes);
  void imageReleased(qsizetype bytes);
  void imageUsed(const TScrollerItem* item);

  TQxScroller* owner_;
  std::vector<std::unique_ptr<TScrollerItem>> items_;
  qsizetype renderedBytes_ = 0;
  quint64 useClock_ = 0;

 public:
  // Rendered text images are kept up to this many bytes (many screens of a
  // 1920-pixel band); beyond it the least recently drawn ones are released.
  static constexpr qsizetype kImageBudgetBytes = 24 * 1024 * 1024;
  qsizetype RenderedImageBytes() const { return renderedBytes_; }
};

}  // namespace tavo::ticker
