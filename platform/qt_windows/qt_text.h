#pragma once

#include <QFile>
#include <QString>
#include <string>
#include <string_view>

#include "platform/system_path.h"
#include "platform/utf16.h"

namespace platform::qt {

// Texts cross between the program's UTF-8 and the toolkit's UTF-16 here, and
// only here; so do paths, as the system names them.
inline QString toQt(std::string_view text) { return QString::fromStdU16String(utf8ToUtf16(text)); }
inline std::string fromQt(const QString& text) {
    return utf16ToUtf8(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())));
}

// Paths are no texts: they cross as the file system's own names.
inline QString toQtPath(const SystemPath& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.systemBytes()));
}
inline SystemPath fromQtPath(const QString& path) {
    return SystemPath::fromSystem(QFile::encodeName(path).toStdString());
}

}  // namespace platform::qt
