#pragma once
// One item of a TQxScroller: a text (one or two lines), a picture or a blank
// gap, with a hyperlink and a hint.
//
// The item's text is measured when a property that affects it changes (the
// texts, alignment, margin, background, font and font colour, the scroller's
// client height): its width decides the item's place in the band, and the
// scroller never scales an item. The text image itself is rendered the first
// time the item is drawn after such a change and then kept, so filling a
// scroller with thousands of lines costs only their measuring. The collection
// keeps the rendered images within a memory budget, releasing those drawn
// least recently; a released image is rendered again when it is next needed.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <functional>

class QPainter;

namespace tavo::ticker {

class TScrollerCollection;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TScrollerItem {
 public:
  ~TScrollerItem();
  TScrollerItem(const TScrollerItem&) = delete;
  TScrollerItem& operator=(const TScrollerItem&) = delete;

  TScrollerCollection* Collection() const { return collection_; }
  int Index() const { return index_; }

  // Horizontal alignment of the text inside the image (default left).
  TAlignment Alignment() const { return alignment_; }
  void setAlignment(TAlignment alignment);
  // Fill colour of the image (default: the scroller's colour when the item was made).
  QColor Background() const { return background_; }
  void setBackground(const QColor& color);
  // A picture shown instead of the text. Setting a picture that is not empty
  // switches the item to it (UseTextImage becomes false); an empty one leaves
  // UseTextImage as it is.
  const QPixmap& Bitmap() const { return bitmap_; }
  void setBitmap(const QPixmap& picture);
  // Font of the text (default "Arial" 8 pt) and its colour (default white).
  const QFont& Font() const { return font_; }
  void setFont(const QFont& font);
  QColor FontColor() const { return fontColor_; }
  void setFontColor(const QColor& color);
  // Shown as the scroller's hint while the mouse is over the item (ShowHyperlinkHint).
  const QString& Hint() const { return hint_; }
  void setHint(const QString& hint);
  // Executed by a click on the item.
  const QString& Hyperlink() const { return hyperlink_; }
  void setHyperlink(const QString& link);
  // Blank pixels left and right of the text (default 4); the width of an item
  // without text (1 when 0).
  quint16 Margin() const { return margin_; }
  void setMargin(quint16 margin);
  // True (default): the item shows its text image; false: it shows Bitmap.
  bool UseTextImage() const { return useTextImage_; }
  void setUseTextImage(bool on);
  // The first (or only) and the second text line. Shown on one line each, "&"
  // as written.
  const QString& Text1() const { return text1_; }
  void setText1(const QString& text);
  const QString& Text2() const { return text2_; }
  void setText2(const QString& text);

  // Raised after every change of the item (after the scroller has been told).
  std::function<void(TScrollerItem*)> OnChange;

  // Copies Alignment, Background, Font (with its colour), Hyperlink, Bitmap,
  // Text1, Text2 and UseTextImage from another item; Margin and Hint stay.
  void Assign(const TScrollerItem& source);

  // What the scroller draws: the text image while UseTextImage is on, the
  // picture otherwise. A picture-less item without text image has width 0.
  int GraphicWidth() const;
  int GraphicHeight() const;
  void drawGraphic(QPainter& painter, int x, int y) const;
  // The rendered text (rendered now if needed); null for an item without text
  // (a gap is drawn as a fill of Background, it needs no image) or while the
  // scroller has no height.
  const QImage& TextImage() const;
  // True while the text image is rendered and kept.
  bool HasRenderedTextImage() const { return !textImage_.isNull(); }

 private:
  friend class TScrollerCollection;
  TScrollerItem(TScrollerCollection* collection, int index, const QColor& background);

  void rebuildTextImage();  // measures, drops the old image; tells nobody
  // The scroller's client height changed: the text keeps its width, so only
  // the image is dropped (rendered again at the new height when next drawn).
  void adoptHeight(int height);
  void renderTextImage() const;
  void releaseTextImage() const;
  void changed();           // tells the scroller, then OnChange

  TScrollerCollection* collection_;
  int index_;

  TAlignment alignment_ = TAlignment::taLeftJustify;
  QColor background_;
  QPixmap bitmap_;
  QImage bitmapImage_;  // the picture in a format that draws without conversion
  QFont font_;
  QColor fontColor_{Qt::white};
  QString hint_, hyperlink_;
  quint16 margin_ = 4;
  bool useTextImage_ = true;
  QString text1_, text2_;

  mutable QImage textImage_;
  mutable bool imageStale_ = true;  // the image must be rendered before it is drawn
  mutable quint64 lastUse_ = 0;     // when the image was last drawn (the collection's clock)
  int textWidth_ = 0;
  int textHeight_ = 0;
  bool blank_ = true;  // both texts empty: a gap of Margin pixels
};

}  // namespace tavo::ticker
