#include "platform/utf16.h"

#include "core/utf8.h"

namespace platform {

namespace {

constexpr char32_t Replacement = 0xFFFD;

// The character at text[position], moving past it; U+FFFD for a malformed byte.
char32_t nextCharacter(std::string_view text, std::size_t& position) {
    return decodeUtf8(text, position).value_or(Replacement);
}

std::size_t unitsOf(char32_t character) { return character >= 0x10000 ? 2 : 1; }

}  // namespace

std::u16string utf8ToUtf16(std::string_view text) {
    std::u16string units;
    units.reserve(text.size());
    for (std::size_t position = 0; position < text.size();) {
        const char32_t character = nextCharacter(text, position);
        if (character >= 0x10000) {
            units += static_cast<char16_t>(0xD800 + ((character - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((character - 0x10000) & 0x3FF));
        } else {
            units += static_cast<char16_t>(character);
        }
    }
    return units;
}

std::string utf16ToUtf8(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t position = 0; position < text.size(); ++position) {
        const char32_t unit = text[position];
        const bool lead = unit >= 0xD800 && unit <= 0xDBFF;
        if (lead && position + 1 < text.size() && text[position + 1] >= 0xDC00 && text[position + 1] <= 0xDFFF) {
            const char32_t trail = text[++position];
            appendUtf8(bytes, 0x10000 + ((unit - 0xD800) << 10) + (trail - 0xDC00));
        } else {
            appendUtf8(bytes, unit >= 0xD800 && unit <= 0xDFFF ? Replacement : unit);
        }
    }
    return bytes;
}

std::size_t utf16Length(std::string_view text) {
    std::size_t units = 0;
    for (std::size_t position = 0; position < text.size();) units += unitsOf(nextCharacter(text, position));
    return units;
}

std::size_t utf8PrefixOfUtf16Units(std::string_view text, std::size_t units) {
    std::size_t position = 0;
    while (position < text.size()) {
        std::size_t next = position;
        const std::size_t taken = unitsOf(nextCharacter(text, next));
        if (taken > units) break;
        units -= taken;
        position = next;
    }
    return position;
}

}  // namespace platform
