#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "core/letter_case.h"
#include "core/unicode_tables.h"
#include "core/utf8.h"

// The simple case mappings of characters as texts are converted, each by its
// quickest way: ASCII letters by arithmetic, eight bytes at a time where they
// can; characters of two bytes through one direct table; characters of three
// bytes whose run has no cased character (kana, CJK ideographs, Hangul) left
// as they are; any other character through the general two-stage table.

// In the order of CaseDeltas and of TwoByteCaseMappings.
enum class CaseMap : std::uint8_t { Upper, Lower, Fold };

// The mapping of any code point, through the general two-stage table.
inline char32_t mappedCharacter(char32_t character, CaseMap map) {
    const std::size_t block = character / CaseBlockSize;
    if (block >= CaseBlockCount) return character;
    const CaseDeltas& deltas = CaseMappings[CaseBlockEntries[CaseBlocks[block]][character % CaseBlockSize]];
    const std::int32_t delta = map == CaseMap::Upper   ? deltas.upper
                               : map == CaseMap::Lower ? deltas.lower
                                                       : deltas.fold;
    return static_cast<char32_t>(static_cast<std::int32_t>(character) + delta);
}

inline constexpr std::uint64_t EachByte = 0x0101010101010101;

// Eight ASCII bytes with the letters the mapping changes flipped: A-Z for
// Lower, a-z for Upper and Fold. Bytes below 0x80 carry into no neighbour;
// those before the first byte of 0x80 or more come out right whatever
// follows, since a carry only runs toward the later bytes (little-endian).
inline std::uint64_t mappedAsciiChunk(std::uint64_t chunk, CaseMap map) {
    const std::uint64_t first = map == CaseMap::Lower ? 'A' : 'a';
    const std::uint64_t fromFirst = chunk + EachByte * (0x80 - first);
    const std::uint64_t pastLast = chunk + EachByte * (0x80 - first - 26);
    return chunk ^ ((fromFirst & ~pastLast & EachByte * 0x80) >> 2);
}

inline char mappedAscii(char ch, CaseMap map) { return map == CaseMap::Lower ? toLowerAscii(ch) : toUpperAscii(ch); }

// A character that does not start with an ASCII byte, and what it becomes.
struct MappedCharacter {
    std::size_t length;  // the bytes it takes in the text
    char32_t mapped;     // the character to write instead, or Unchanged
};
inline constexpr char32_t Unchanged = 0xFFFFFFFF;

// Maps the characters of two bytes that begin `in` and whose mappings take
// two bytes too, writing them at the same places from `out` (which may be
// `in`); returns the bytes it took.
inline std::size_t mapTwoByteRun(const char* in, std::size_t size, char* out, CaseMap map) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(in);
    std::size_t at = 0;
    for (; at + 2 <= size; at += 2) {
        if (bytes[at] < 0xC2 || bytes[at] > 0xDF || (bytes[at + 1] & 0xC0) != 0x80) break;
        const char32_t character = (bytes[at] & 0x1Fu) << 6 | (bytes[at + 1] & 0x3Fu);
        const char32_t mapped = TwoByteCaseMappings[static_cast<int>(map)][character - TwoByteFirst];
        if (mapped < TwoByteFirst || mapped >= TwoByteEnd) break;
        out[at] = static_cast<char>(0xC0 | mapped >> 6);
        out[at + 1] = static_cast<char>(0x80 | (mapped & 0x3F));
    }
    return at;
}

// The bytes of the characters of three bytes that begin `in` and whose runs
// have no cased character: they stay as they are.
inline std::size_t caselessRunLength(const char* in, std::size_t size) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(in);
    std::size_t at = 0;
    for (; at + 3 <= size; at += 3) {
        if (bytes[at] < 0xE0 || bytes[at] > 0xEF || (bytes[at + 1] & 0xC0) != 0x80 || (bytes[at + 2] & 0xC0) != 0x80)
            break;
        // Bytes that form no well-formed character stay as they are too, so
        // the run needs no check of the form (overlong, surrogate).
        if (CasedRuns[(bytes[at] & 0x0Fu) << 6 | (bytes[at + 1] & 0x3Fu)]) break;
    }
    return at;
}

// mapCharacter for the characters its quick ways leave: decoded and looked
// up in the general table.
MappedCharacter mapAnyCharacter(std::string_view text, CaseMap map);

// Maps the character that starts `text` (its first byte is 0x80 or more). A
// byte that starts no well-formed character, and a character that maps to
// itself, stay Unchanged.
inline MappedCharacter mapCharacter(std::string_view text, CaseMap map) {
    const auto byte = [text](std::size_t at) { return static_cast<char32_t>(static_cast<unsigned char>(text[at])); };
    const auto continues = [&](std::size_t at) { return at < text.size() && (byte(at) & 0xC0) == 0x80; };
    const char32_t lead = byte(0);
    if (lead >= 0xC2 && lead <= 0xDF && continues(1)) {
        const char32_t character = (lead & 0x1F) << 6 | (byte(1) & 0x3F);
        const char32_t mapped = TwoByteCaseMappings[static_cast<int>(map)][character - TwoByteFirst];
        return {2, mapped == character ? Unchanged : mapped};
    }
    if (caselessRunLength(text.data(), std::min<std::size_t>(text.size(), 3)) == 3) return {3, Unchanged};
    return mapAnyCharacter(text, map);
}

// Writes the mapping of the character that starts `text` (its first byte is
// 0x80 or more) at `out`, which has room for four bytes; returns the end of
// what it wrote, and the character's length in `length`.
inline char* writeMappedCharacter(std::string_view text, CaseMap map, char* out, std::size_t& length) {
    const MappedCharacter character = mapCharacter(text, map);
    length = character.length;
    if (character.mapped != Unchanged) return writeUtf8(character.mapped, out);
    for (std::size_t at = 0; at < character.length; ++at) *out++ = text[at];
    return out;
}
