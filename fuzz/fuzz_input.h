#pragma once

#include <cstddef>
#include <cstdint>
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
    // A text as the catalogue holds it: the bytes when they are UTF-8, else
    // each one the character Windows-1252 gives it.
    std::string catalogueText(int lengths = 12) {
        std::string bytes = text(lengths);
        return isWellFormedUtf8(bytes) ? bytes : windows1252ToUtf8(bytes);
    }
};
