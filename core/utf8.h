#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

// Catalogue texts are well-formed UTF-8: any letter of any script. These
// read and write its characters (Unicode code points).

// Decodes the character that starts at text[position] and moves position past
// it. A malformed sequence (a stray or missing continuation byte, an overlong
// form, a surrogate, a value beyond U+10FFFF) yields nothing and moves past
// its first byte only.
// Inline: every text the catalogue compares, cuts or converts goes through it.
inline std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& position) {
    const auto byteAt = [text](std::size_t at) { return static_cast<char32_t>(static_cast<unsigned char>(text[at])); };
    const auto continues = [&](std::size_t at) { return at < text.size() && (byteAt(at) & 0xC0) == 0x80; };
    const char32_t lead = byteAt(position++);
    if (lead < 0x80) return lead;
    if (lead >= 0xC2 && lead <= 0xDF) {
        if (!continues(position)) return std::nullopt;
        return (lead & 0x1F) << 6 | (byteAt(position++) & 0x3F);
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (!continues(position) || !continues(position + 1)) return std::nullopt;
        const char32_t character = (lead & 0x0F) << 12 | (byteAt(position) & 0x3F) << 6 | (byteAt(position + 1) & 0x3F);
        if (character < 0x800 || (character >= 0xD800 && character <= 0xDFFF)) return std::nullopt;
        position += 2;
        return character;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (!continues(position) || !continues(position + 1) || !continues(position + 2)) return std::nullopt;
        const char32_t character = (lead & 0x07) << 18 | (byteAt(position) & 0x3F) << 12 |
                                   (byteAt(position + 1) & 0x3F) << 6 | (byteAt(position + 2) & 0x3F);
        if (character < 0x10000 || character > 0x10FFFF) return std::nullopt;
        position += 3;
        return character;
    }
    return std::nullopt;
}

// The length of the run of ASCII bytes (below 0x80) that starts the text.
// Most catalogue texts are ASCII throughout, and an ASCII byte is a whole
// character in every form the catalogue uses, so callers skip this run
// without decoding it.
inline std::size_t asciiPrefix(std::string_view text) {
    // Eight bytes at a time: a word with no high bit set is eight ASCII
    // bytes, and the lowest high bit of one that has any marks the first
    // byte beyond ASCII (the word is read little-endian).
    static_assert(std::endian::native == std::endian::little);
    constexpr std::uint64_t highBits = 0x8080808080808080u;
    const auto highBitsAt = [text](std::size_t at) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + at, sizeof word);
        return word & highBits;
    };
    const std::size_t size = text.size();
    if (size < sizeof(std::uint64_t)) {
        std::size_t position = 0;
        while (position < size && static_cast<unsigned char>(text[position]) < 0x80) ++position;
        return position;
    }
    for (std::size_t position = 0; position + sizeof(std::uint64_t) <= size; position += sizeof(std::uint64_t))
        if (const std::uint64_t high = highBitsAt(position)) return position + std::countr_zero(high) / 8;
    // The last word overlaps bytes already found ASCII.
    if (const std::uint64_t high = highBitsAt(size - sizeof(std::uint64_t)))
        return size - sizeof(std::uint64_t) + std::countr_zero(high) / 8;
    return size;
}

// Writes the UTF-8 form of one character (at most U+10FFFF, no surrogate) at
// `out`, which has room for four bytes, and returns the end of what it wrote.
inline char* writeUtf8(char32_t character, char* out) {
    const auto put = [&out](char32_t byte) { *out++ = static_cast<char>(byte); };
    if (character < 0x80) {
        put(character);
    } else if (character < 0x800) {
        put(0xC0 | character >> 6);
        put(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        put(0xE0 | character >> 12);
        put(0x80 | (character >> 6 & 0x3F));
        put(0x80 | (character & 0x3F));
    } else {
        put(0xF0 | character >> 18);
        put(0x80 | (character >> 12 & 0x3F));
        put(0x80 | (character >> 6 & 0x3F));
        put(0x80 | (character & 0x3F));
    }
    return out;
}

// Appends the UTF-8 form of one character (at most U+10FFFF, no surrogate).
void appendUtf8(std::string& text, char32_t character);

// True when every byte of `text` belongs to a well-formed character.
bool isWellFormedUtf8(std::string_view text);

// The number of characters of a text, or nothing when it is not well-formed:
// both in one pass, for the checks of every text a file holds.
std::optional<std::size_t> wellFormedCharacterCount(std::string_view text);

// The number of characters of a well-formed text.
std::size_t characterCount(std::string_view text);

// The text with each byte that belongs to no well-formed character replaced
// by U+FFFD, for showing a text of the system (a path, an error message).
std::string wellFormedUtf8(std::string_view text);

// The bytes of the first `characters` characters of a well-formed text (all
// of it when it has fewer).
std::size_t characterPrefix(std::string_view text, std::size_t characters);
