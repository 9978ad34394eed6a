#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

#include "core/utf8.h"
#include "core/windows1252.h"

// The fuzzer's bytes read one decision at a time. Once they run out every
// read gives 0, so that whatever reads on takes its first, plainest choice.
struct FuzzInput {
    const std::uint8_t* data;
    std::size_t size;

    bool exhausted() const { return size == 0; }
    void drain() { size = 0; }

    std::uint8_t byte() {
        if (size == 0) return 0;
        --size;
        return *data++;
    }
    // One of `choices` (1 to 256) choices, numbered from 0.
    int below(int choices) { return byte() % choices; }
    // Any bytes, fewer than `lengths` of them.
    std::string text(int lengths = 12) {
        std::string result;
        for (int length = below(lengths); length > 0 && size > 0; --length) result += static_cast<char>(byte());
        return result;
    }
    // One character as a user types it, in UTF-8: ASCII, a Latin letter with
    // an accent, another script, a combining accent or an emoji.
    std::string letter() {
        static constexpr const char* letters[] = {"a",      "e",      "m",      "s",          "z",         "A",
                                                  "M",      "Z",      " ",      "0",          "'",         ",",
                                                  "\u00C9", "\u00E9", "\u00F6", "\u0142",     "\u0416",    "\u03BB",
                                                  "\u65E5", "\u05E9", "\u0301", "\U0001F600", "\U0001F3FD"};
        return letters[below(static_cast<int>(std::size(letters)))];
    }
    // Fewer than `lengths` such characters.
    std::string letters(int lengths = 12) {
        std::string result;
        for (int length = below(lengths); length > 0 && size > 0; --length) result += letter();
        return result;
    }
    // A text as the catalogue holds it: the bytes when they are UTF-8, else
    // each one the character Windows-1252 gives it.
    std::string catalogueText(int lengths = 12) {
        std::string bytes = text(lengths);
        return isWellFormedUtf8(bytes) ? bytes : windows1252ToUtf8(bytes);
    }
};
