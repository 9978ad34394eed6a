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
// One UTF-16 unit for each byte, without a UTF-8 text in between: the book
// list converts a row each time it first draws or searches it.
inline QString toQt(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* unit = text.data();
    for (const char byte : bytes) *unit++ = QChar(static_cast<char16_t>(cp1252CharToUnicode(byte)));
    return text;
}
inline std::string fromQt(const QString& text) { return utf8ToCp1252(text.toStdString()); }

// Paths are no Windows-1252 texts: they cross as the file system's own names.
inline QString toQtPath(const SystemPath& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
inline SystemPath fromQtPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace platform::qt
