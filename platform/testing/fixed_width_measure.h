#pragma once

#include <algorithm>

#include "platform/text_measure.h"

namespace platform::scripted {

// Every byte is `pixelsPerByte` wide, so tests know exactly where texts are cut.
struct FixedWidthMeasure final : TextMeasure {
    explicit FixedWidthMeasure(int pixelsPerByte = 5) : pixelsPerByte(pixelsPerByte) {}

    std::size_t fittingPrefix(std::string_view text, int extent) const override {
        if (extent <= 0) return 0;
        return std::min(text.size(), static_cast<std::size_t>(extent / pixelsPerByte));
    }

    int pixelsPerByte;
};

}  // namespace platform::scripted
