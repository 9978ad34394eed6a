#pragma once

#include <QFont>
#include <QRect>

namespace platform::qt {

// Dialog units of a font: one horizontal unit is a quarter of its average
// character width, one vertical unit an eighth of its height.
struct DialogUnits {
    int averageWidth = 4;  // pixels
    int height = 8;        // pixels

    static DialogUnits of(const QFont& font);

    int x(int units) const;  // horizontal units to pixels, rounded
    int y(int units) const;  // vertical units to pixels, rounded

    // Converts the edges, so that controls that touch in units touch in pixels.
    QRect rect(int x, int y, int width, int height) const;
};

}  // namespace platform::qt
