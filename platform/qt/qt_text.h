#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "platform/cp1252.h"

namespace platform::qt {

// Texts cross between the Windows-1252 bytes of the program and the
// toolkit's Unicode here, and only here.
// One UTF-16 unit for each byte, without a UTF-8 text in between: the book
// list converts a row each time it first draws or searches it.
inline QString toQt(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* unit = text.data();
    for (const char byte : bytes) *unit++ = QChar(static_cast<char16_t>(cp1252CharToUnicode(byte)));
    return text;
}
inline std::string fromQt(const QString& text) { return utf8ToCp1252(text.toStdString()); }

}  // namespace platform::qt
