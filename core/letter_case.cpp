#include "core/letter_case.h"

#include <algorithm>

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

std::string_view withoutSurroundingBlanks(std::string_view text) {
    text = withoutLeadingBlanks(text);
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

bool isSmallWord(const std::string& word) {
    return SmallWords.find(" " + word + " ") != std::string_view::npos;
}

}  // namespace

void convertLetterCase(std::string& text, bool toCapitals) {
    text = toCapitals ? toUpperAscii(text) : properCase(withoutLeadingBlanks(text));
}

std::string properCase(std::string_view text) {
    const auto words = std::count_if(text.begin(), text.end(),
                                     [](char ch) { return WordBreaks.find(ch) != std::string_view::npos; }) + 1;
    std::string result;
    result.reserve(text.size() + 8);
    for (long n = 0; n < words; ++n) {
        const auto end = std::min(text.find_first_of(WordBreaks), text.size());
        std::string word = toLowerAscii(text.substr(0, end));
        const bool hasBreak = end < text.size();
        const char breakChar = hasBreak ? text[end] : '\0';
        text = withoutLeadingBlanks(hasBreak ? text.substr(end + 1) : std::string_view{});

        if (!word.empty()) {
            if (breakChar == '.' && word.size() == 1)
                word[0] = toUpperAscii(word[0]);
            else if (!isSmallWord(word))
                word[0] = toUpperAscii(word[0]);
        }
        result += word;
        if (hasBreak) result += breakChar;
        if (breakChar == ',') result += ' ';  // a comma keeps exactly one blank after it
    }
    if (!result.empty()) result[0] = toUpperAscii(result[0]);
    return std::string(withoutSurroundingBlanks(result));
}

namespace {

void convertAll(Catalogue& catalogue, bool toCapitals) {
    for (std::size_t i = 1; i < catalogue.authors.size(); ++i) convertLetterCase(catalogue.authors[i], toCapitals);
    for (std::size_t i = 1; i < catalogue.records.size(); ++i) convertLetterCase(catalogue.records[i].title, toCapitals);
    catalogue.lettersInForm = true;
}

}  // namespace

void toggleLetterCase(Catalogue& catalogue) {
    convertAll(catalogue, !catalogue.upperCase);
    catalogue.upperCase = !catalogue.upperCase;
}

void applyLetterCase(Catalogue& catalogue) {
    convertAll(catalogue, catalogue.upperCase);
}
