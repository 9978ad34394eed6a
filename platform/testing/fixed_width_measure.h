#pragma once

#include "core/utf8.h"
#include "platform/text_measure.h"

namespace platform::scripted {

// Every character (code point) is `pixelsPerCharacter` wide, so tests know
// exactly where texts are cut; like a toolkit's measure, it may end between
// a letter and its accent.
struct FixedWidthMeasure final : TextMeasure {
    explicit FixedWidthMeasure(int pixelsPerCharacter = 5) : pixelsPerCharacter(pixelsPerCharacter) {}

    std::size_t fittingPrefix(std::string_view text, int extent) const override {
        if (extent <= 0) return 0;
        return characterPrefix(text, static_cast<std::size_t>(extent / pixelsPerCharacter));
    }

    int pixelsPerCharacter;
};

}  // namespace platform::scripted
