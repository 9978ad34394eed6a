#include "platform/qt_windows/dialog_units.h"

#include <QFontMetrics>
#include <cmath>

namespace platform::qt {

DialogUnits DialogUnits::of(const QFont& font) {
    // The average width is taken over the Latin letters, as dialog fonts
    // have always measured it.
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int average = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    return {std::max(1, average), std::max(1, metrics.height())};
}

int DialogUnits::x(int units) const { return static_cast<int>(std::lround(units * averageWidth / 4.0)); }

int DialogUnits::y(int units) const { return static_cast<int>(std::lround(units * height / 8.0)); }

QRect DialogUnits::rect(int left, int top, int width, int height) const {
    return QRect(QPoint(x(left), y(top)), QPoint(x(left + width) - 1, y(top + height) - 1));
}

}  // namespace platform::qt
