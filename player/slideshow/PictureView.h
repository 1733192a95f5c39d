#pragma once
// A picture area of the picture windows: black, with a decoded picture where
// its plan put it, or the name of a picture that could not be read, centred in
// grey. Painting draws what was decoded; it never reads a file.

#include <QWidget>

#include "player/slideshow/PictureLoader.h"

namespace tavo::player::pictures {

class PictureView : public QWidget {
 public:
  explicit PictureView(QWidget* parent = nullptr);

  void setPicture(const DecodedPicture& picture);
  void clear();
  const DecodedPicture& picture() const { return picture_; }
  // The area size pictures are decoded for.
  Size area() const { return {width(), height()}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 public:
  // A left click (the viewer's big picture goes back to the thumbnails).
  std::function<void()> onClick;

 private:
  DecodedPicture picture_;
};

}  // namespace tavo::player::pictures
