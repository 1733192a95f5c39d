#include "player/slideshow/PictureLoader.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QRunnable>

namespace tavo::player::pictures {

namespace {

DecodedPicture unreadable(const PictureRequest& r) {
  DecodedPicture d;
  d.unreadableName = r.name;
  d.area = r.area;
  return d;
}

}  // namespace

DecodedPicture decodePicture(const PictureRequest& r) {
  if (r.path.isEmpty()) return unreadable(r);
  QImageReader reader(r.path);
  reader.setAllocationLimit(kDecoderAllocationLimitMB);
  const QSize size = reader.size();
  if (!size.isValid() || size.isEmpty() || qint64(size.width()) * size.height() > kMaxPicturePixels)
    return unreadable(r);
  const PicturePlan plan = planPicture({size.width(), size.height()}, r.area, r.fit);
  if (plan.decoded.width <= 0 || plan.decoded.height <= 0) return unreadable(r);
  if (plan.clip.width != size.width() || plan.clip.height != size.height())
    reader.setClipRect(QRect(plan.clip.left, plan.clip.top, plan.clip.width, plan.clip.height));
  if (plan.decoded.width != plan.clip.width || plan.decoded.height != plan.clip.height)
    reader.setScaledSize(QSize(plan.decoded.width, plan.decoded.height));
  QImage image;
  if (!reader.read(&image) || image.isNull()) return unreadable(r);
  // A decoder that ignored the requested size is scaled afterwards.
  if (image.size() != QSize(plan.decoded.width, plan.decoded.height))
    image = image.scaled(plan.decoded.width, plan.decoded.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  // The formats the painter draws without converting.
  image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  DecodedPicture d;
  d.image = std::move(image);
  d.target = plan.target;
  d.area = r.area;
  return d;
}

PictureLoader::PictureLoader(int threads, QObject* parent) : QObject(parent) {
  pool_.setMaxThreadCount(threads);
  pool_.setExpiryTimeout(30000);
}

PictureLoader::~PictureLoader() {
  pool_.clear();
  pool_.waitForDone();
}

void PictureLoader::load(const PictureRequest& request, std::function<void(const DecodedPicture&)> done) {
  pool_.start([this, request, done = std::move(done)]() {
    DecodedPicture d = decodePicture(request);
    // Queued to this object: dropped with it when the loader is destroyed first.
    QMetaObject::invokeMethod(this, [done, d = std::move(d)]() { done(d); }, Qt::QueuedConnection);
  });
}

void PictureLoader::dropPending() { pool_.clear(); }

void PictureLoader::waitForDone() {
  pool_.waitForDone();
  QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

}  // namespace tavo::player::pictures

#include "common/PresentationPath.h"
#include "platform/QtText.h"

namespace tavo::player::pictures {

QString setFilePath(const std::string& root, const std::string& setFolder, const std::string& name) {
  const std::optional<std::string> p = resolveInside(root.empty() ? setFolder : root, setFolder, name);
  return p ? platform::fromPath(*p) : QString();
}

std::string setName(const std::string& setFolder) {
  const std::size_t slash = setFolder.find_last_of('/');
  return slash == std::string::npos ? setFolder : setFolder.substr(slash + 1);
}

}  // namespace tavo::player::pictures
