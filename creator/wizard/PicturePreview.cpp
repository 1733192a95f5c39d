#include "creator/wizard/PicturePreview.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QPixmap>
#include <QPointer>
#include <QThreadPool>

namespace tavo::creator {

PicturePreview::PicturePreview(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignCenter);
  setFrameShape(QFrame::StyledPanel);
}

void PicturePreview::showFile(const QString& path) {
  file_ = path;
  const quint64 request = ++request_;
  clear();
  if (path.isEmpty()) return;
  const QSize box = size() - QSize(4, 4);
  QPointer<PicturePreview> self(this);
  QThreadPool::globalInstance()->start([self, path, box, request] {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid() && box.isValid()) reader.setScaledSize(full.scaled(box, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    // The result goes back through the application object, so a preview
    // freed meanwhile is never touched.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [self, request, image] {
          if (self) self->take(request, image);
        },
        Qt::QueuedConnection);
  });
}

void PicturePreview::take(quint64 request, const QImage& image) {
  if (request != request_) return;  // the author has moved on to another row
  if (!image.isNull()) setPixmap(QPixmap::fromImage(image));
  emit pictureReady();
}

}  // namespace tavo::creator
