#include "platform/qt/qt_text_measure.h"

#include "platform/qt/qt_text.h"

namespace platform::qt {

std::size_t QtTextMeasure::fittingPrefix(std::string_view text, int extent) const {
    // Each Windows-1252 byte is one UTF-16 character, so prefix lengths match.
    const QString shown = toQt(text);
    qsizetype fits = 0, tooLong = shown.size() + 1;
    while (tooLong - fits > 1) {
        const qsizetype middle = (fits + tooLong) / 2;
        if (metrics.horizontalAdvance(shown.left(middle)) <= extent)
            fits = middle;
        else
            tooLong = middle;
    }
    return static_cast<std::size_t>(fits);
}

}  // namespace platform::qt
