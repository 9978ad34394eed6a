#include "core/letter_case.h"

#include <algorithm>
#include <array>

#include "core/catalogue.h"

std::string toUpperAscii(std::string_view text) {
    std::string result(text);
    for (char& ch : result) ch = toUpperAscii(ch);
    return result;
}

std::string toLowerAscii(std::string_view text) {
    std::string result(text);
    for (char& ch : result) ch = toLowerAscii(ch);
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

// properCase written into `result`, whose room is reused: a conversion of
// every title then allocates nothing.
void properCaseInto(std::string_view text, std::string& result) {
    result.clear();
    while (!text.empty()) {
        const auto wordStart = result.size();
        std::size_t end = 0;
        for (; end < text.size() && !wordBreakTable[static_cast<unsigned char>(text[end])]; ++end)
            result += toLowerAscii(text[end]);
        const bool hasBreak = end < text.size();
        const char breakChar = hasBreak ? text[end] : '\0';
        text = withoutLeadingBlanks(hasBreak ? text.substr(end + 1) : std::string_view{});

        const std::string_view word(result.data() + wordStart, end);
        if (!word.empty() && ((breakChar == '.' && word.size() == 1) || !isSmallWord(word)))
            result[wordStart] = toUpperAscii(result[wordStart]);
        if (hasBreak) result += breakChar;
        if (breakChar == ',') result += ' ';  // a comma keeps exactly one blank after it
    }
    if (!result.empty()) result[0] = toUpperAscii(result[0]);
    result.erase(result.find_last_not_of(' ') + 1);  // npos + 1 is 0: all blanks go
    result.erase(0, result.find_first_not_of(' '));
}

void convertLetterCase(std::string& text, bool toCapitals, std::string& scratch) {
    if (toCapitals) {
        for (char& ch : text) ch = toUpperAscii(ch);
        return;
    }
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
