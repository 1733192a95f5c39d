#include "player/slideshow/PictureView.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavo::player::pictures {

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::setPicture(const DecodedPicture& picture) {
  picture_ = picture;
  update();
}

void PictureView::clear() {
  picture_ = DecodedPicture{};
  update();
}

void PictureView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  if (picture_.readable()) {
    p.drawImage(QPoint(picture_.target.left, picture_.target.top), picture_.image);
  } else if (!picture_.unreadableName.isEmpty()) {
    p.setPen(QColor(128, 128, 128));
    p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, picture_.unreadableName);
  }
}

void PictureView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && onClick) {
    onClick();
    return;
  }
  QWidget::mousePressEvent(event);
}

}  // namespace tavo::player::pictures
