#pragma once

#include <QFontMetrics>

#include "platform/text_measure.h"

namespace platform::qt {

// Measures texts in the given font, the one the list boxes are drawn with.
class QtTextMeasure final : public TextMeasure {
public:
    explicit QtTextMeasure(const QFont& font) : metrics(font) {}

    std::size_t fittingPrefix(std::string_view text, int extent) const override;

private:
    QFontMetrics metrics;
};

}  // namespace platform::qt
