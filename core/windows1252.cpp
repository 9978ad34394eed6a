#include "core/windows1252.h"

#include <algorithm>
#include <array>

#include "core/utf8.h"

namespace {

// The characters of the bytes 0x80 to 0x9F; every other byte is the
// character of the same value.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Whether a character can be one of HighControls: those beyond 0xFF lie in
// two bands.
constexpr bool mayBeHighControl(char32_t character) {
    return character < 0x100 || (character >= 0x152 && character <= 0x2DC) ||
           (character >= 0x2013 && character <= 0x2122);
}
static_assert(std::all_of(HighControls.begin(), HighControls.end(), mayBeHighControl));

}  // namespace

char32_t windows1252Character(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? HighControls[byte - 0x80] : byte;
}

std::optional<unsigned char> windows1252Byte(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) return static_cast<unsigned char>(character);
    // Most other characters (Cyrillic, Greek, the scripts of Asia) need no search.
    if (!mayBeHighControl(character)) return std::nullopt;
    for (std::size_t i = 0; i < HighControls.size(); ++i)
        if (HighControls[i] == character) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    const std::size_t ascii = asciiPrefix(bytes);
    if (ascii == bytes.size()) return std::string(bytes);
    // One allocation: every other byte becomes at most three.
    std::string text;
    text.reserve(ascii + 3 * (bytes.size() - ascii));
    text.append(bytes.substr(0, ascii));
    for (const char byte : bytes.substr(ascii))
        appendUtf8(text, windows1252Character(static_cast<unsigned char>(byte)));
    return text;
}

bool fitsWindows1252(std::string_view text) {
    for (std::size_t position = asciiPrefix(text); position < text.size();) {
        const auto character = decodeUtf8(text, position);
        if (!character || !windows1252Byte(*character)) return false;
    }
    return true;
}

std::string utf8ToWindows1252(std::string_view text, char replacement) {
    std::size_t position = asciiPrefix(text);
    std::string bytes(text.substr(0, position));
    if (position == text.size()) return bytes;
    bytes.reserve(text.size());
    while (position < text.size()) {
        const auto character = decodeUtf8(text, position);
        const auto byte = character ? windows1252Byte(*character) : std::nullopt;
        bytes += byte ? static_cast<char>(*byte) : replacement;
    }
    return bytes;
}
