#pragma once

#include <cstddef>
#include <string_view>

namespace platform {

// Measures texts in the font the book list is drawn with (the screen font).
// Texts are UTF-8; implementations convert as they need.
struct TextMeasure {
    virtual ~TextMeasure() = default;

    // The number of leading bytes of `text` whose drawn width does not
    // exceed `extent` pixels; never inside a character (code point), though
    // it may end inside a cluster of them (a letter and its accent).
    virtual std::size_t fittingPrefix(std::string_view text, int extent) const = 0;
};

}  // namespace platform
