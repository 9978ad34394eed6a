#include "core/letter_case.h"

#include <algorithm>
#include <array>

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

bool isAscii(std::string_view text) {
    unsigned char any = 0;
    for (const char ch : text) any |= static_cast<unsigned char>(ch);
    return any < 0x80;
}

// Appends `text` with every character mapped by `delta`; `ascii` maps the
// bytes below 0x80 without decoding them.
void appendMapped(std::string_view text, CaseDelta delta, char (*ascii)(char), std::string& result) {
    for (std::size_t at = 0; at < text.size();) {
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            result += ascii(text[at++]);
            continue;
        }
        const std::size_t start = at;
        const auto character = decodeUtf8(text, at);
        const char32_t to = character ? mapped(*character, delta) : 0;
        if (!character || to == *character)
            result.append(text.substr(start, at - start));
        else
            appendUtf8(result, to);
    }
}

char toUpper(char ch) { return toUpperAscii(ch); }
char toLower(char ch) { return toLowerAscii(ch); }

}  // namespace

char32_t upperOf(char32_t character) { return mapped(character, &CaseDeltas::upper); }
char32_t lowerOf(char32_t character) { return mapped(character, &CaseDeltas::lower); }
char32_t foldOf(char32_t character) { return mapped(character, &CaseDeltas::fold); }

std::string upperText(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    appendMapped(text, &CaseDeltas::upper, toUpper, result);
    return result;
}

std::string lowerText(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    appendMapped(text, &CaseDeltas::lower, toLower, result);
    return result;
}

std::string foldedText(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    appendMapped(text, &CaseDeltas::fold, toUpper, result);
    return result;
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

constexpr std::size_t longestSmallWord = [] {
    std::size_t longest = 0, length = 0;
    for (const char ch : SmallWords) longest = std::max(longest, length = ch == ' ' ? 0 : length + 1);
    return longest;
}();

// Whether the word (in small letters, without blanks) is one of SmallWords,
// which holds each of them between blanks.
bool isSmallWord(std::string_view word) {
    if (word.size() > longestSmallWord) return false;
    for (auto at = SmallWords.find(word); at != std::string_view::npos; at = SmallWords.find(word, at + 1))
        if (SmallWords[at - 1] == ' ' && SmallWords[at + word.size()] == ' ') return true;
    return false;
}

// Appends a word in small letters: a word of ASCII bytes, as most are, byte
// by byte without decoding.
void appendLowered(std::string_view word, std::string& result) {
    if (!isAscii(word)) return appendMapped(word, &CaseDeltas::lower, toLower, result);
    const std::size_t at = result.size();
    result.resize(at + word.size());
    std::transform(word.begin(), word.end(), result.begin() + static_cast<std::ptrdiff_t>(at), toLower);
}

// Raises the character that starts at result[at] (its capital may take
// another number of bytes).
void raiseCharacterAt(std::string& result, std::size_t at) {
    if (static_cast<unsigned char>(result[at]) < 0x80) {
        result[at] = toUpperAscii(result[at]);
        return;
    }
    std::size_t end = at;
    const auto character = decodeUtf8(result, end);
    if (!character || upperOf(*character) == *character) return;
    std::string capital;
    appendUtf8(capital, upperOf(*character));
    result.replace(at, end - at, capital);
}

// properCase written into `result`, whose room is reused: a conversion of
// every title then allocates nothing.
void properCaseInto(std::string_view text, std::string& result) {
    result.clear();
    while (!text.empty()) {
        const auto wordStart = result.size();
        std::size_t end = 0;
        while (end < text.size() && !wordBreakTable[static_cast<unsigned char>(text[end])]) ++end;
        appendLowered(text.substr(0, end), result);
        const bool hasBreak = end < text.size();
        const char breakChar = hasBreak ? text[end] : '\0';
        text = withoutLeadingBlanks(hasBreak ? text.substr(end + 1) : std::string_view{});

        const std::string_view word(result.data() + wordStart, result.size() - wordStart);
        if (!word.empty() && ((breakChar == '.' && characterCount(word) == 1) || !isSmallWord(word)))
            raiseCharacterAt(result, wordStart);
        if (hasBreak) result += breakChar;
        if (breakChar == ',') result += ' ';  // a comma keeps exactly one blank after it
    }
    if (!result.empty()) raiseCharacterAt(result, 0);
    result.erase(result.find_last_not_of(' ') + 1);  // npos + 1 is 0: all blanks go
    result.erase(0, result.find_first_not_of(' '));
}

// A text of ASCII bytes, as most are, is raised where it is; any other is
// raised into `scratch`, and taken from there only when it changed.
void raiseAll(std::string& text, std::string& scratch) {
    if (isAscii(text)) {
        std::transform(text.begin(), text.end(), text.begin(), toUpper);
        return;
    }
    scratch.clear();
    appendMapped(text, &CaseDeltas::upper, toUpper, scratch);
    if (scratch != text) text.swap(scratch);
}

void convertLetterCase(std::string& text, bool toCapitals, std::string& scratch) {
    if (toCapitals) return raiseAll(text, scratch);
    properCaseInto(withoutLeadingBlanks(text), scratch);
    if (scratch != text) text.swap(scratch);
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
