#include "platform/qt_windows/qt_text_measure.h"

#include <algorithm>

#include "platform/qt_windows/dialog_units.h"
#include "platform/qt_windows/qt_text.h"

namespace platform::qt {

QtTextMeasure QtTextMeasure::inDialogUnits(const QFont& font, double dialogUnitsPerUnit) {
    return QtTextMeasure(font, DialogUnits::of(font).averageWidth / 4.0 * dialogUnitsPerUnit);
}

std::size_t QtTextMeasure::fittingPrefix(std::string_view text, int units) const {
    const int extent = static_cast<int>(units * pixelsPerUnit);  // whole pixels, rounded down
    // Measured in the text's UTF-16 units, answered in its bytes.
    const QString shown = toQt(text);
    const auto fits = [&](qsizetype length) { return metrics.horizontalAdvance(shown.left(length)) <= extent; };
    // Most authors and titles fit whole: one measurement.
    const qsizetype whole = shown.size();
    if (fits(whole)) return text.size();
    if (whole == 1) return 0;

    // The answer lies in [fitting, tooLong), and widths grow with the length.
    // A guess from the font's average character width is seldom more than a
    // few characters off, so the bounds are closed from there, by steps that
    // double, and then halved down to one character.
    qsizetype fitting = 0, tooLong = whole;
    const qsizetype guess = std::clamp<qsizetype>(extent / std::max(1, metrics.averageCharWidth()), 1, whole - 1);
    qsizetype step = 1;
    if (fits(guess)) {
        fitting = guess;
        while (fitting + step < tooLong && fits(fitting + step)) {
            fitting += step;
            step *= 2;
        }
        tooLong = std::min(tooLong, fitting + step);
    } else {
        tooLong = guess;
        while (tooLong - step > fitting && !fits(tooLong - step)) {
            tooLong -= step;
            step *= 2;
        }
        fitting = std::max(fitting, tooLong - step);
    }
    while (tooLong - fitting > 1) {
        const qsizetype middle = (fitting + tooLong) / 2;
        (fits(middle) ? fitting : tooLong) = middle;
    }
    return utf8PrefixOfUtf16Units(text, static_cast<std::size_t>(fitting));
}

}  // namespace platform::qt
