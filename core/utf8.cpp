#include "core/utf8.h"

void appendUtf8(std::string& text, char32_t character) {
    char bytes[4];
    text.append(bytes, writeUtf8(character, bytes));
}

bool isWellFormedUtf8(std::string_view text) { return wellFormedCharacterCount(text).has_value(); }

std::optional<std::size_t> wellFormedCharacterCount(std::string_view text) {
    // The rules of decodeUtf8, checked on the bytes without building the
    // characters: the second byte's range rules out overlong forms,
    // surrogates and values beyond U+10FFFF. Every text of a file comes here.
    const std::size_t ascii = asciiPrefix(text);
    const auto* byte = reinterpret_cast<const unsigned char*>(text.data()) + ascii;
    const auto* const end = reinterpret_cast<const unsigned char*>(text.data()) + text.size();
    const auto continues = [](unsigned value) { return (value & 0xC0) == 0x80; };
    std::size_t characters = ascii;
    for (; byte < end; ++characters) {
        const unsigned lead = *byte;
        const auto left = static_cast<std::size_t>(end - byte);
        if (lead < 0x80) {
            byte += 1;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            if (left < 2 || !continues(byte[1])) return std::nullopt;
            byte += 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            if (left < 3 || byte[1] < (lead == 0xE0 ? 0xA0u : 0x80u) || byte[1] > (lead == 0xED ? 0x9Fu : 0xBFu) ||
                !continues(byte[2]))
                return std::nullopt;
            byte += 3;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            if (left < 4 || byte[1] < (lead == 0xF0 ? 0x90u : 0x80u) || byte[1] > (lead == 0xF4 ? 0x8Fu : 0xBFu) ||
                !continues(byte[2]) || !continues(byte[3]))
                return std::nullopt;
            byte += 4;
        } else {
            return std::nullopt;
        }
    }
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
