#include "core/utf8.h"

void appendUtf8(std::string& text, char32_t character) {
    char bytes[4];
    text.append(bytes, writeUtf8(character, bytes));
}

bool isWellFormedUtf8(std::string_view text) { return wellFormedCharacterCount(text).has_value(); }

std::optional<std::size_t> wellFormedCharacterCount(std::string_view text) {
    std::size_t position = asciiPrefix(text);
    std::size_t characters = position;
    for (; position < text.size(); ++characters)
        if (!decodeUtf8(text, position)) return std::nullopt;
    return characters;
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char byte : text) count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    return count;
}

std::string wellFormedUtf8(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t position = 0; position < text.size();) {
        const std::size_t start = position;
        if (decodeUtf8(text, position))
            shown.append(text.substr(start, position - start));
        else
            appendUtf8(shown, 0xFFFD);
    }
    return shown;
}

std::size_t characterPrefix(std::string_view text, std::size_t characters) {
    if (text.size() <= characters) return text.size();  // no character is shorter than a byte
    std::size_t position = 0;
    for (; position < text.size(); ++position)
        if ((static_cast<unsigned char>(text[position]) & 0xC0) != 0x80 && characters-- == 0) break;
    return position;
}
