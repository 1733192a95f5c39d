#pragma once
// Decoding the pictures of a set off the user-interface thread. A picture is
// decoded straight to the pixels its area shows (the JPEG decoder scales and
// crops while decoding), so the memory a picture window holds depends on its
// size on screen, not on the pictures' sizes. Pictures whose header claims more
// than kMaxPicturePixels, and files that are not pictures, come back unreadable.

#include <QImage>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <functional>

#include "player/logic/PictureLayout.h"

namespace tavo::player::pictures {

// 64 megapixels (256 MB at four bytes a pixel): far above any camera picture,
// far below what a forged header can ask for.
inline constexpr qint64 kMaxPicturePixels = 64LL * 1000 * 1000;
inline constexpr int kDecoderAllocationLimitMB = 256;

struct PictureRequest {
  QString path;  // empty: the name left the presentation folder, shown as unreadable
  QString name;  // the name as the set file gives it, shown when the picture cannot be read
  Size area;
  PictureFit fit = PictureFit::ActualSize;
};

struct DecodedPicture {
  QImage image;           // null when unreadable
  Rect target{0, 0, 0, 0};  // where the image goes in its area
  QString unreadableName;   // set when unreadable
  Size area;
  bool readable() const { return !image.isNull(); }
};

// Decodes on the calling thread.
DecodedPicture decodePicture(const PictureRequest& request);

class PictureLoader : public QObject {
 public:
  explicit PictureLoader(int threads, QObject* parent = nullptr);
  ~PictureLoader() override;

  // Decodes `request` on a worker thread; `done` then runs on this object's
  // thread. Nothing runs after the loader is gone.
  void load(const PictureRequest& request, std::function<void(const DecodedPicture&)> done);
  // Drops the requests that have not started yet.
  void dropPending();
  // Waits for every request and delivers the results now (tests and timings).
  void waitForDone();

 private:
  QThreadPool pool_;
};

}  // namespace tavo::player::pictures

namespace tavo::player::pictures {

// The file a set names (a picture or its sound), kept inside the presentation
// folder `root`: empty when the name leads out of it. An empty `root` keeps
// names inside the set folder.
QString setFilePath(const std::string& root, const std::string& setFolder, const std::string& name);
// The set's name: the last part of its folder's path.
std::string setName(const std::string& setFolder);

}  // namespace tavo::player::pictures
