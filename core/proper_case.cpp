#include "core/proper_case.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <utility>

#include "core/case_mapping.h"
#include "core/letter_case.h"

namespace {

// Whether a byte ends a word, looked up rather than searched for: the
// conversion asks it of every byte of every author and title.
constexpr std::array<bool, 256> wordBreakTable = [] {
    std::array<bool, 256> table{};
    for (const char ch : WordBreaks) table[static_cast<unsigned char>(ch)] = true;
    return table;
}();

// The small words, each packed into one number (its bytes, first lowest),
// so that a word is compared with each of them at once.
constexpr std::size_t longestSmallWord = 4;
constexpr std::uint32_t packedWord(std::string_view word) {
    std::uint32_t packed = 0;
    for (std::size_t i = word.size(); i-- > 0;) packed = packed << 8 | static_cast<unsigned char>(word[i]);
    return packed;
}
constexpr auto packedSmallWords = [] {
    std::array<std::uint32_t, std::count(SmallWords.begin(), SmallWords.end(), ' ') - 1> packed{};
    std::size_t count = 0, start = 1;
    for (std::size_t at = 1; at < SmallWords.size(); ++at)
        if (SmallWords[at] == ' ') {
            if (at - start > longestSmallWord) throw "a small word longer than longestSmallWord";
            packed[count++] = packedWord(SmallWords.substr(start, at - start));
            start = at + 1;
        }
    return packed;
}();

// The small words in a table of 32 slots by a multiplicative hash that puts
// no two in one slot, its factor found when compiling: one look-up a word.
constexpr unsigned smallWordSlot(std::uint32_t packed, std::uint32_t factor) { return packed * factor >> 27; }
constexpr std::uint32_t smallWordFactor = [] {
    for (std::uint32_t factor = 0x9E3779B1;; factor += 2) {
        std::array<bool, 32> taken{};
        bool distinct = true;
        for (const std::uint32_t word : packedSmallWords)
            distinct = distinct && !std::exchange(taken[smallWordSlot(word, factor)], true);
        if (distinct) return factor;
    }
}();
constexpr auto smallWordSlots = [] {
    std::array<std::uint32_t, 32> slots{};
    for (const std::uint32_t word : packedSmallWords) slots[smallWordSlot(word, smallWordFactor)] = word;
    return slots;
}();

// Whether the word (in small letters, without blanks) is one of SmallWords;
// four bytes from its start must be readable, and are read as one number.
bool isSmallWord(std::string_view word) {
    static_assert(std::endian::native == std::endian::little);  // packed as packedWord packs
    std::uint32_t packed;
    std::memcpy(&packed, word.data(), 4);
    packed &= (std::uint64_t{1} << 8 * std::min(word.size(), longestSmallWord)) - 1;
    // An empty word packs as the empty slots read.
    return static_cast<int>(smallWordSlots[smallWordSlot(packed, smallWordFactor)] == packed) &
           (word.size() - 1 < longestSmallWord);
}

// Whether a word beyond ASCII is small when folded and lowered ("ıt" as
// "it"): converting it twice would otherwise raise it once and lower it
// then. Every character must fold to an ASCII letter, since no fold beyond
// ASCII lowers to one (İ and the Kelvin sign lower to i and k, but fold to
// I and K); a character that folds into an ASCII letter takes at most three
// bytes.
bool foldsToSmallWord(std::string_view word) {
    if (word.size() > 3 * longestSmallWord) return false;
    char folded[longestSmallWord];
    std::size_t count = 0;
    for (std::size_t at = 0; at < word.size(); ++count) {
        if (count == longestSmallWord) return false;
        if (static_cast<unsigned char>(word[at]) < 0x80) {
            folded[count] = toLowerAscii(word[at++]);
            continue;
        }
        const MappedCharacter character = mapCharacter(word.substr(at), CaseMap::Fold);
        if (character.mapped >= 0x80) return false;  // Unchanged among them
        folded[count] = toLowerAscii(static_cast<char>(character.mapped));
        at += character.length;
    }
    return isSmallWord({folded, count});
}

// The bytes of eight ASCII bytes at which a word's letters stop: below 0x40
// (blanks, breaks, digits, most punctuation) or 0x80 and more, each marked
// by its high bit. The first is exact; a borrow may mark later ones too.
std::uint64_t stopBytes(std::uint64_t chunk) { return ((chunk - EachByte * 0x40) | chunk) & EachByte * 0x80; }

// Raises the character that starts out[start, end) and returns the new end:
// a few letters change length ("ı" becomes "I").
std::size_t raiseFirstCharacter(char* out, std::size_t start, std::size_t end) {
    if (static_cast<unsigned char>(out[start]) < 0x80) {
        out[start] = toUpperAscii(out[start]);
        return end;
    }
    const MappedCharacter character = mapCharacter({out + start, end - start}, CaseMap::Upper);
    if (character.mapped == Unchanged) return end;
    char raised[4];
    const std::size_t length = writeUtf8(character.mapped, raised) - raised;
    if (length != character.length)
        std::memmove(out + start + length, out + start + character.length, end - start - character.length);
    std::memcpy(out + start, raised, length);
    return end + length - character.length;
}

}  // namespace

// One pass over the text, each word lowered as it is written into the room
// (its ASCII letters eight at a time), then its first character raised
// unless it is a small word.
std::string_view properCaseInto(std::string_view text, std::string& room) {
    // A comma gains a blank and a character grows by at most half with each
    // mapping (lowered, then raised); eight bytes more for the stores of
    // eight bytes at a time.
    if (room.size() < 3 * text.size() + 8) room.resize(3 * text.size() + 8);
    char* const out = room.data();
    std::size_t o = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t wordStart = o;
        bool beyondAscii = false;
        while (i < text.size()) {
            if (text.size() - i >= 8) {
                std::uint64_t chunk;
                std::memcpy(&chunk, text.data() + i, 8);
                const auto letters = static_cast<std::size_t>(std::countr_zero(stopBytes(chunk)) / 8);
                chunk = mappedAsciiChunk(chunk, CaseMap::Lower);
                std::memcpy(out + o, &chunk, 8);
                i += letters;
                o += letters;
                if (letters == 8) continue;
            }
            const auto byte = static_cast<unsigned char>(text[i]);
            if (byte < 0x80) {
                if (wordBreakTable[byte]) break;
                out[o++] = toLowerAscii(text[i++]);
                continue;
            }
            beyondAscii = true;
            if (const std::size_t run = mapTwoByteRun(text.data() + i, text.size() - i, out + o, CaseMap::Lower)) {
                i += run;
                o += run;
                continue;
            }
            if (const std::size_t run = caselessRunLength(text.data() + i, text.size() - i)) {
                std::memcpy(out + o, text.data() + i, run);
                i += run;
                o += run;
                continue;
            }
            std::size_t length;
            o = writeMappedCharacter(text.substr(i), CaseMap::Lower, out + o, length) - out;
            i += length;
        }
        const bool hasBreak = i < text.size();
        const char breakChar = hasBreak ? text[i++] : '\0';
        while (hasBreak && i < text.size() && text[i] == ' ') ++i;

        const std::string_view word(out + wordStart, o - wordStart);
        if (!word.empty()) {
            const bool initial = breakChar == '.' && characterCount(word) == 1;
            const bool raise = initial || !(beyondAscii ? foldsToSmallWord(word) : isSmallWord(word));
            if (static_cast<unsigned char>(word[0]) < 0x80)  // by arithmetic: small words come unpredictably
                out[wordStart] =
                    static_cast<char>(word[0] ^ 0x20 * (static_cast<int>(raise) & (word[0] >= 'a') & (word[0] <= 'z')));
            else if (raise)
                o = raiseFirstCharacter(out, wordStart, o);
        }
        if (hasBreak) out[o++] = breakChar;
        if (breakChar == ',') out[o++] = ' ';  // a comma keeps exactly one blank after it
    }
    if (o == 0) return {};
    o = raiseFirstCharacter(out, 0, o);
    std::string_view result(out, o);
    const auto first = result.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return result.substr(first, result.find_last_not_of(' ') + 1 - first);
}
