#pragma once
// The one place where file text (bytes) becomes characters for the user
// interface and back. The rules are those of common/TextEncoding.h.

#include <QString>
#include <string>
#include <string_view>

namespace tavo::platform {

// Characters of a text read from a presentation file.
QString fromFileText(std::string_view bytes);
// The file form of characters; `storedAsUtf8` (when given) tells whether a
// character had no single-byte code, so that the caller can inform the user.
std::string toFileText(const QString& text, bool* storedAsUtf8 = nullptr);

// File-system paths (UTF-8 on Linux).
QString fromPath(const std::string& path);
std::string toPath(const QString& path);

}  // namespace tavo::platform
