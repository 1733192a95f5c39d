#pragma once
// A small view of one picture file. The file is decoded at the view's size on
// a worker thread; a newer request makes an older result be dropped.

#include <QLabel>
#include <QString>

namespace tavo::creator {

class PicturePreview : public QLabel {
  Q_OBJECT

 public:
  explicit PicturePreview(QWidget* parent = nullptr);
  // Shows `path` (nothing for an empty or unreadable file).
  void showFile(const QString& path);
  const QString& shownFile() const { return file_; }

 signals:
  void pictureReady();

 private:
  void take(quint64 request, const QImage& image);
  QString file_;
  quint64 request_ = 0;
};

}  // namespace tavo::creator
