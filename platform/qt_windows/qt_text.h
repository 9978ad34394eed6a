#pragma once

#include <QFile>
#include <QString>
#include <string>
#include <string_view>

#include "platform/cp1252.h"
#include "platform/system_path.h"

namespace platform::qt {

// Texts cross between the Windows-1252 bytes of the program and the
// toolkit's Unicode here, and only here; so do paths, as the system names them.
// Through UTF-16, the toolkit's own form, without a UTF-8 text in between:
// the book list converts a row each time it first draws or searches it.
inline QString toQt(std::string_view bytes) { return QString::fromStdU16String(cp1252ToUtf16(bytes)); }
inline std::string fromQt(const QString& text) {
    return utf16ToCp1252(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                             static_cast<std::size_t>(text.size())));
}

// Paths are no Windows-1252 texts: they cross as the file system's own names.
inline QString toQtPath(const SystemPath& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.systemBytes()));
}
inline SystemPath fromQtPath(const QString& path) { return SystemPath::fromSystem(QFile::encodeName(path).toStdString()); }

}  // namespace platform::qt
