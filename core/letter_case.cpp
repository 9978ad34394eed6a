#include "core/letter_case.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/catalogue.h"
#include "core/unicode_tables.h"
#include "core/utf8.h"

namespace {

const CaseDeltas& caseDeltasOf(char32_t character) {
    const std::size_t block = character / CaseBlockSize;
    if (block >= CaseBlockCount) return CaseMappings[0];
    return CaseMappings[CaseBlockEntries[CaseBlocks[block]][character % CaseBlockSize]];
}

using CaseDelta = std::int32_t CaseDeltas::*;

char32_t mapped(char32_t character, CaseDelta delta) {
    return static_cast<char32_t>(static_cast<std::int32_t>(character) + caseDeltasOf(character).*delta);
}

constexpr std::uint64_t EachByte = 0x0101010101010101;

// Flips the case of the letters from `first` to `last` among the ASCII bytes
// that begin `bytes`, eight at a time where it can; returns how many bytes
// it took (it stops at the first byte of another character).
template <char First, char Last>
std::size_t convertAsciiRun(char* bytes, std::size_t size) {
    std::size_t at = 0;
    for (; at + 8 <= size; at += 8) {
        std::uint64_t chunk;
        std::memcpy(&chunk, bytes + at, 8);
        if ((chunk & EachByte * 0x80) != 0) break;
        // Bytes below 0x80 cannot carry into their neighbours here.
        const std::uint64_t fromFirst = chunk + EachByte * (0x80 - First);
        const std::uint64_t pastLast = chunk + EachByte * (0x80 - Last - 1);
        chunk ^= (fromFirst & ~pastLast & EachByte * 0x80) >> 2;
        std::memcpy(bytes + at, &chunk, 8);
    }
    for (; at < size && static_cast<unsigned char>(bytes[at]) < 0x80; ++at)
        if (bytes[at] >= First && bytes[at] <= Last) bytes[at] ^= 0x20;
    return at;
}

// Maps a character of two or three bytes (the letters of most scripts)
// whose mapping takes as many bytes, where it stands; returns its length, or
// 0 for any other character, which the caller maps the long way.
std::size_t mapLetterInPlace(char* bytes, std::size_t room, CaseDelta delta) {
    const auto byte = [bytes](std::size_t at) { return static_cast<char32_t>(static_cast<unsigned char>(bytes[at])); };
    const auto continues = [&](std::size_t at) { return at < room && (byte(at) & 0xC0) == 0x80; };
    const char32_t lead = byte(0);
    if (lead >= 0xC2 && lead <= 0xDF && continues(1)) {
        const char32_t converted = mapped((lead & 0x1F) << 6 | (byte(1) & 0x3F), delta);
        if (converted < 0x80 || converted >= 0x800) return 0;
        bytes[0] = static_cast<char>(0xC0 | converted >> 6);
        bytes[1] = static_cast<char>(0x80 | (converted & 0x3F));
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF && continues(1) && continues(2)) {
        const char32_t character = (lead & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
        if (character < 0x800 || (character >= 0xD800 && character <= 0xDFFF)) return 0;
        const char32_t converted = mapped(character, delta);
        if (converted < 0x800 || converted > 0xFFFF) return 0;
        bytes[0] = static_cast<char>(0xE0 | converted >> 12);
        bytes[1] = static_cast<char>(0x80 | ((converted >> 6) & 0x3F));
        bytes[2] = static_cast<char>(0x80 | (converted & 0x3F));
        return 3;
    }
    return 0;
}

// Maps, where they stand, the characters of text that start from `from` up
// to `to`: ASCII runs without decoding, and a character whose mapping takes
// another number of bytes (rare: "ı" and "I") by moving the rest.
template <char First, char Last>
void mapInPlace(std::string& text, CaseDelta delta, std::size_t from = 0, std::size_t to = std::string::npos) {
    to = std::min(to, text.size());
    for (std::size_t at = from; at < to;) {
        at += convertAsciiRun<First, Last>(text.data() + at, to - at);
        if (at == to) return;
        if (const std::size_t length = mapLetterInPlace(text.data() + at, to - at, delta)) {
            at += length;
            continue;
        }
        const std::size_t start = at;
        const auto character = decodeUtf8(text, at);
        if (!character) continue;
        const char32_t converted = mapped(*character, delta);
        if (converted == *character) continue;
        std::string encoded;  // at most four bytes: no allocation
        appendUtf8(encoded, converted);
        if (encoded.size() == at - start) {  // the usual case: written where the letter stands
            encoded.copy(text.data() + start, encoded.size());
            continue;
        }
        text.replace(start, at - start, encoded);
        to = to + encoded.size() - (at - start);
        at = start + encoded.size();
    }
}

void raiseInPlace(std::string& text, std::size_t from = 0, std::size_t to = std::string::npos) {
    mapInPlace<'a', 'z'>(text, &CaseDeltas::upper, from, to);
}
void lowerInPlace(std::string& text, std::size_t from = 0) { mapInPlace<'A', 'Z'>(text, &CaseDeltas::lower, from); }

}  // namespace

char32_t upperOf(char32_t character) { return mapped(character, &CaseDeltas::upper); }
char32_t lowerOf(char32_t character) { return mapped(character, &CaseDeltas::lower); }
char32_t foldOf(char32_t character) { return mapped(character, &CaseDeltas::fold); }

std::string upperText(std::string_view text) {
    std::string result(text);
    raiseInPlace(result);
    return result;
}

std::string lowerText(std::string_view text) {
    std::string result(text);
    lowerInPlace(result);
    return result;
}

std::string foldedText(std::string_view text) {
    std::string result(text);
    foldInPlace(result);
    return result;
}

void foldInPlace(std::string& text) {
    mapInPlace<'a', 'z'>(text, &CaseDeltas::fold);  // a-z fold as they are raised
}

namespace {
std::string_view withoutLeadingBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

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

// Whether the word (in small letters, without blanks) is one of SmallWords.
bool isSmallWord(std::string_view word) {
    if (word.size() > longestSmallWord) return false;
    const std::uint32_t packed = packedWord(word);
    return std::find(packedSmallWords.begin(), packedSmallWords.end(), packed) != packedSmallWords.end();
}

// Converts out[from, end) by `convert`, which may change its length, and
// returns its new end: for the words that are not ASCII alone. `word` is
// room reused from one word to the next.
template <typename Convert>
std::size_t convertInRoom(char* out, std::size_t from, std::size_t end, std::string& word, Convert convert) {
    word.assign(out + from, end - from);
    convert(word);
    std::memcpy(out + from, word.data(), word.size());
    return from + word.size();
}

// properCase written into `result`, whose room is reused: a conversion of
// every title then allocates nothing. It writes through a pointer into room
// enough for the longest result (a comma gains a blank, a letter lowered or
// raised at most a byte), one byte at a time for words of ASCII bytes.
void properCaseInto(std::string_view text, std::string& result) {
    result.resize(3 * text.size() + 4);
    char* const out = result.data();
    std::size_t o = 0;
    std::string scratch;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t wordStart = o;
        unsigned char any = 0;
        for (; i < text.size() && !wordBreakTable[static_cast<unsigned char>(text[i])]; ++i) {
            any |= static_cast<unsigned char>(text[i]);
            out[o++] = toLowerAscii(text[i]);
        }
        if (any >= 0x80) o = convertInRoom(out, wordStart, o, scratch, [](std::string& word) { lowerInPlace(word); });
        const bool hasBreak = i < text.size();
        const char breakChar = hasBreak ? text[i++] : '\0';
        while (hasBreak && i < text.size() && text[i] == ' ') ++i;

        const std::string_view word(out + wordStart, o - wordStart);
        // A word beyond ASCII is small when it folds as one ("ıt" as "it"),
        // or converting it twice would raise it once and lower it then.
        // A small word has at most four letters, and a character that folds
        // into an ASCII letter takes at most three bytes ("K", the Kelvin sign).
        const auto small = [&] {
            if (any < 0x80) return isSmallWord(word);
            return word.size() <= 3 * longestSmallWord && isSmallWord(lowerText(foldedText(word)));
        };
        if (!word.empty() && ((breakChar == '.' && characterCount(word) == 1) || !small())) {
            if (static_cast<unsigned char>(out[wordStart]) < 0x80)
                out[wordStart] = toUpperAscii(out[wordStart]);
            else
                o = convertInRoom(out, wordStart, o, scratch, [](std::string& w) { raiseInPlace(w, 0, 1); });
        }
        if (hasBreak) out[o++] = breakChar;
        if (breakChar == ',') out[o++] = ' ';  // a comma keeps exactly one blank after it
    }
    result.resize(o);
    if (result.empty()) return;
    if (static_cast<unsigned char>(result[0]) < 0x80)
        result[0] = toUpperAscii(result[0]);
    else
        raiseInPlace(result, 0, 1);
    result.erase(result.find_last_not_of(' ') + 1);  // npos + 1 is 0: all blanks go
    result.erase(0, result.find_first_not_of(' '));
}

void convertLetterCase(std::string& text, bool toCapitals, std::string& scratch) {
    if (toCapitals) return raiseInPlace(text);
    properCaseInto(withoutLeadingBlanks(text), scratch);
    if (scratch != text) text.assign(scratch);
}

}  // namespace

void convertLetterCase(std::string& text, bool toCapitals) {
    std::string scratch;
    convertLetterCase(text, toCapitals, scratch);
}

std::string properCase(std::string_view text) {
    std::string result;
    properCaseInto(text, result);
    return result;
}

namespace {

void convertAll(BookTables& books, bool toCapitals) {
    std::string scratch;
    for (std::size_t i = 1; i < books.authors.size(); ++i) convertLetterCase(books.authors[i], toCapitals, scratch);
    for (std::size_t i = 1; i < books.records.size(); ++i)
        convertLetterCase(books.records[i].title, toCapitals, scratch);
    books.lettersInForm = true;
}

}  // namespace

void toggleLetterCase(BookTables& books) {
    convertAll(books, !books.upperCase);
    books.upperCase = !books.upperCase;
}

void applyLetterCase(BookTables& books) { convertAll(books, books.upperCase); }
