#include "ticker/TScrollerItem.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "ticker/TScrollerCollection.h"

namespace tavo::ticker {

namespace {

QFont defaultItemFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(8);
  return font;
}

Qt::Alignment horizontalFlag(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taRightJustify: return Qt::AlignRight;
    case TAlignment::taCenter: return Qt::AlignHCenter;
    case TAlignment::taLeftJustify: break;
  }
  return Qt::AlignLeft;
}

// Pictures are converted once, so that drawing them is a plain copy (opaque)
// or a blend that needs no conversion (with transparency).
QImage drawableImage(const QPixmap& picture) {
  if (picture.isNull()) return {};
  const QImage image = picture.toImage();
  return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

}  // namespace

TScrollerItem::TScrollerItem(TScrollerCollection* collection, int index, const QColor& background)
    : collection_(collection), index_(index), background_(background), font_(defaultItemFont()) {
  rebuildTextImage();
}

TScrollerItem::~TScrollerItem() = default;  // the collection forgets the budget of items it destroys

void TScrollerItem::rebuildTextImage() {
  const QFontMetrics metrics(font_);
  const bool has1 = !text1_.isEmpty(), has2 = !text2_.isEmpty();
  blank_ = !has1 && !has2;
  textHeight_ = collection_ ? collection_->itemHeight() : 0;
  releaseTextImage();
  imageStale_ = true;
  if (blank_) {
    textWidth_ = margin_ == 0 ? 1 : margin_;
    return;
  }
  const int width1 = has1 ? metrics.horizontalAdvance(text1_) : 0;
  const int width2 = has2 ? metrics.horizontalAdvance(text2_) : 0;
  textWidth_ = std::max(width1, width2) + 2 * margin_;
}

void TScrollerItem::adoptHeight(int height) {
  if (height == textHeight_) return;
  releaseTextImage();
  textHeight_ = height;
}

void TScrollerItem::releaseTextImage() const {
  if (textImage_.isNull()) return;
  if (collection_) collection_->imageReleased(textImage_.sizeInBytes());
  textImage_ = QImage();
  imageStale_ = true;
}

void TScrollerItem::renderTextImage() const {
  imageStale_ = false;
  const int height = textHeight_;
  if (blank_ || height <= 0 || textWidth_ <= 0) return;
  textImage_ = QImage(textWidth_, height, QImage::Format_RGB32);
  textImage_.fill(background_);

  const QFontMetrics metrics(font_);
  const bool has1 = !text1_.isEmpty(), has2 = !text2_.isEmpty();
  QPainter painter(&textImage_);
  painter.setFont(font_);
  painter.setPen(fontColor_);
  // One line each, no mnemonic prefixes: "&" is drawn as written.
  const int flags = Qt::TextSingleLine | horizontalFlag(alignment_);
  const QRect textRect(margin_, 0, textWidth_ - 2 * margin_, height);
  if (has1 != has2) {
    painter.drawText(textRect, flags | Qt::AlignVCenter, has1 ? text1_ : text2_);
  } else {
    // Two lines from the top: the second one below the first one's height.
    painter.drawText(textRect, flags | Qt::AlignTop, text1_);
    painter.drawText(textRect.translated(0, metrics.height()), flags | Qt::AlignTop, text2_);
  }
  painter.end();
  if (collection_) collection_->imageRendered(this, textImage_.sizeInBytes());
}

const QImage& TScrollerItem::TextImage() const {
  if (useTextImage_ && imageStale_) renderTextImage();
  if (collection_) collection_->imageUsed(this);
  return textImage_;
}

void TScrollerItem::changed() {
  if (collection_) collection_->itemChanged(this);
  if (OnChange) OnChange(this);
}

void TScrollerItem::setAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  rebuildTextImage();
  changed();
}

void TScrollerItem::setBackground(const QColor& color) {
  if (color == background_) return;
  background_ = color;
  rebuildTextImage();
  changed();
}

void TScrollerItem::setBitmap(const QPixmap& picture) {
  bitmap_ = picture;
  bitmapImage_ = drawableImage(picture);
  if (!picture.isNull()) useTextImage_ = false;
  changed();
}

void TScrollerItem::setFont(const QFont& font) {
  if (font == font_) return;
  font_ = font;
  if (useTextImage_) rebuildTextImage();
  changed();
}

void TScrollerItem::setFontColor(const QColor& color) {
  if (color == fontColor_) return;
  fontColor_ = color;
  if (useTextImage_) rebuildTextImage();
  changed();
}

void TScrollerItem::setHint(const QString& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  changed();
}

void TScrollerItem::setHyperlink(const QString& link) {
  if (link == hyperlink_) return;
  hyperlink_ = link;
  changed();
}

void TScrollerItem::setMargin(quint16 margin) {
  if (margin == margin_) return;
  margin_ = margin;
  rebuildTextImage();
  changed();
}

void TScrollerItem::setUseTextImage(bool on) {
  if (on == useTextImage_) return;
  useTextImage_ = on;
  if (on) rebuildTextImage();
  changed();
}

void TScrollerItem::setText1(const QString& text) {
  if (text == text1_) return;
  text1_ = text;
  rebuildTextImage();
  changed();
}

void TScrollerItem::setText2(const QString& text) {
  if (text == text2_) return;
  text2_ = text;
  rebuildTextImage();
  changed();
}

void TScrollerItem::Assign(const TScrollerItem& source) {
  if (&source == this) return;
  alignment_ = source.alignment_;
  background_ = source.background_;
  font_ = source.font_;
  fontColor_ = source.fontColor_;
  hyperlink_ = source.hyperlink_;
  bitmap_ = source.bitmap_;
  bitmapImage_ = source.bitmapImage_;
  text1_ = source.text1_;
  text2_ = source.text2_;
  useTextImage_ = source.useTextImage_;
  if (useTextImage_) rebuildTextImage();
  changed();
}

int TScrollerItem::GraphicWidth() const { return useTextImage_ ? textWidth_ : bitmapImage_.width(); }

int TScrollerItem::GraphicHeight() const { return useTextImage_ ? textHeight_ : bitmapImage_.height(); }

void TScrollerItem::drawGraphic(QPainter& painter, int x, int y) const {
  if (!useTextImage_) {
    if (!bitmapImage_.isNull()) painter.drawImage(x, y, bitmapImage_);
  } else if (blank_) {
    if (textHeight_ > 0) painter.fillRect(x, y, textWidth_, textHeight_, background_);
  } else {
    const QImage& image = TextImage();
    if (!image.isNull()) painter.drawImage(x, y, image);
  }
}

}  // namespace tavo::ticker
