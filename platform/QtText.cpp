#include "platform/QtText.h"

#include "common/TextEncoding.h"

namespace tavo::platform {

QString fromFileText(std::string_view bytes) {
  const std::string utf8 = fileTextToUtf8(bytes);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toFileText(const QString& text, bool* storedAsUtf8) {
  const QByteArray utf8 = text.toUtf8();
  EncodedText encoded = utf8ToFileText(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
  if (storedAsUtf8) *storedAsUtf8 = encoded.storedAsUtf8;
  return std::move(encoded.bytes);
}

QString fromPath(const std::string& path) {
  return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

std::string toPath(const QString& path) { return path.toUtf8().toStdString(); }

}  // namespace tavo::platform
