#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "platform/cp1252.h"

namespace platform::qt {

// Texts cross between the Windows-1252 bytes of the program and the
// toolkit's Unicode here, and only here.
inline QString toQt(std::string_view bytes) { return QString::fromStdString(cp1252ToUtf8(bytes)); }
inline std::string fromQt(const QString& text) { return utf8ToCp1252(text.toStdString()); }

}  // namespace platform::qt
