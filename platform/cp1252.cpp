#include "platform/cp1252.h"

#include <array>
#include <optional>

#include "platform/nearest_letter.h"

namespace platform {

namespace {

// Unicode of the bytes 0x80 to 0x9F; every other byte has the same value in
// both.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<char> cp1252Of(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) return static_cast<char>(character);
    for (std::size_t i = 0; i < HighControls.size(); ++i)
        if (HighControls[i] == character) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

void appendUtf8(std::string& out, char32_t character) {
    if (character < 0x80) {
        out += static_cast<char>(character);
    } else if (character < 0x800) {
        out += static_cast<char>(0xC0 | (character >> 6));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (character >> 12));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    }
}

// Decodes the character that starts at text[pos] and moves pos past it. A
// malformed sequence (a stray or missing continuation byte, an overlong form,
// a surrogate, a value beyond U+10FFFF) yields nothing and moves past its
// first byte only.
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) return lead;
    int length = 0;
    char32_t character = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        character = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        character = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        character = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (pos + length - 1 > text.size()) return std::nullopt;
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i - 1]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        character = (character << 6) | (next & 0x3F);
    }
    constexpr char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (character < shortest[length] || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF))
        return std::nullopt;
    pos += length - 1;
    return character;
}

}  // namespace

char32_t cp1252CharToUnicode(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return value >= 0x80 && value < 0xA0 ? HighControls[value - 0x80] : value;
}

std::string cp1252ToUtf8(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (const char byte : text) appendUtf8(utf8, cp1252CharToUnicode(byte));
    return utf8;
}

std::string utf8ToCp1252(std::string_view text, char replacement) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const auto character = decodeUtf8(text, pos);
        const auto byte = character ? cp1252Of(*character) : std::nullopt;
        bytes += byte.value_or(replacement);
    }
    return bytes;
}

std::u16string cp1252ToUtf16(std::string_view text) {
    std::u16string units(text.size(), u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) units[i] = static_cast<char16_t>(cp1252CharToUnicode(text[i]));
    return units;
}

std::string utf16ToCp1252(std::u16string_view text, char replacement) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char16_t unit = text[pos];
        const bool pairs = unit >= 0xD800 && unit <= 0xDBFF && pos + 1 < text.size() && text[pos + 1] >= 0xDC00 &&
                           text[pos + 1] <= 0xDFFF;
        if (pairs) ++pos;  // a character beyond the Basic Multilingual Plane: no byte holds it
        const bool surrogate = unit >= 0xD800 && unit <= 0xDFFF;
        bytes += surrogate ? replacement : cp1252Of(unit).value_or(replacement);
    }
    return bytes;
}

bool isWellFormedUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();)
        if (!decodeUtf8(text, pos)) return false;
    return true;
}

bool utf8FitsCp1252(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const auto character = decodeUtf8(text, pos);
        if (!character || !cp1252Of(*character)) return false;
    }
    return true;
}

std::string utf8ToNearestCp1252(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const auto character = decodeUtf8(text, pos);
        if (character && isCombiningAccent(*character)) continue;
        auto byte = character ? cp1252Of(*character) : std::nullopt;
        if (!byte && character) byte = nearestPlainLetter(*character);
        bytes += byte.value_or('?');
    }
    return bytes;
}

}  // namespace platform
