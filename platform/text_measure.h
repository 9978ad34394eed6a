#pragma once

#include <cstddef>
#include <string_view>

namespace platform {

// Measures texts in the font the book list is drawn with (the screen font).
// Texts are Windows-1252 bytes; implementations convert as they need.
struct TextMeasure {
    virtual ~TextMeasure() = default;

    // The number of leading bytes of `text` whose drawn width does not
    // exceed `extent` pixels.
    virtual std::size_t fittingPrefix(std::string_view text, int extent) const = 0;
};

}  // namespace platform
