#include "bookexchange/book_mapping.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "core/book_record.h"
#include "core/grapheme_clusters.h"
#include "core/letter_case.h"
#include "core/utf8.h"
#include "core/vocabularies.h"

namespace {

bool isBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

std::string trimmed(std::string_view text) {
    std::size_t first = 0, last = text.size();
    while (first < last && isBlank(text[first])) ++first;
    while (last > first && isBlank(text[last - 1])) --last;
    return std::string(text.substr(first, last - first));
}

std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> result;
    std::string current;
    for (const char ch : text) {
        if (ch == ' ') {
            if (!current.empty()) result.push_back(std::move(current));
            current.clear();
        } else {
            current += ch;
        }
    }
    if (!current.empty()) result.push_back(std::move(current));
    return result;
}

// Letters (any byte above ASCII counts: it belongs to a letter of UTF-8),
// and the dots, hyphens and apostrophes of names.
bool isNameWord(const std::string& word) {
    for (const char ch : word) {
        const auto byte = static_cast<unsigned char>(ch);
        const bool letter = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || byte >= 0x80;
        if (!letter && ch != '.' && ch != '-' && ch != '\'') return false;
    }
    return true;
}

constexpr std::array<std::string_view, 7> Suffixes = {"JR", "JR.", "SR", "SR.", "II", "III", "IV"};
constexpr std::array<std::string_view, 17> Particles = {"DE", "DA", "DI",  "DU",  "DEL", "DELLA", "DES", "DEN", "DER",
                                                        "LA", "LE", "VAN", "VON", "TEN", "TER",   "DOS", "ST."};

template <std::size_t N>
bool isOneOf(const std::string& word, const std::array<std::string_view, N>& list) {
    const std::string upper = foldedText(word);
    for (const std::string_view entry : list)
        if (upper == entry) return true;
    return false;
}

std::string joined(const std::vector<std::string>& parts, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to; ++i) text += (i > from ? " " : "") + parts[i];
    return text;
}

struct ShelfName {
    std::string_view name;
    std::uint8_t category;
};

// Beside the category names: the spellings the web services use. The
// program spells code 11 "Fantacy", which is no shelf anyone has.
constexpr ShelfName FantasyShelf = {"FANTASY", 11};
constexpr std::array<ShelfName, 2> ExtraShelves = {{FantasyShelf, {"THRILLER", 7}}};

}  // namespace

std::string squeezeBlanks(std::string_view text) {
    std::string result;
    for (const char ch : text) {
        if (isBlank(ch)) {
            if (!result.empty() && result.back() != ' ') result += ' ';
        } else {
            result += ch;
        }
    }
    if (!result.empty() && result.back() == ' ') result.pop_back();
    return result;
}

std::string lastNameFirst(std::string_view name) {
    const std::string squeezed = squeezeBlanks(name);
    const std::vector<std::string> parts = words(squeezed);
    if (parts.size() < 2 || parts.size() > 4 || isOneOf(parts.back(), Suffixes)) return squeezed;
    for (const std::string& part : parts)
        if (!isNameWord(part)) return squeezed;
    std::size_t surname = parts.size() - 1;
    while (surname > 1 && isOneOf(parts[surname - 1], Particles)) --surname;
    return joined(parts, surname, parts.size()) + ", " + joined(parts, 0, surname);
}

std::string firstNameFirst(std::string_view name) {
    const auto comma = name.find(',');
    if (comma == std::string_view::npos || name.find(',', comma + 1) != std::string_view::npos)
        return std::string(name);
    const std::string last = trimmed(name.substr(0, comma));
    const std::string first = trimmed(name.substr(comma + 1));
    if (first.empty()) return last;
    return last.empty() ? first : first + " " + last;
}

std::uint8_t reviewFromStars(std::string_view stars, int pointsPerStar) {
    // 1 star Bad, 2 Ok, 3 Good, 4 Excellent, 5 Great.
    constexpr std::array<std::uint8_t, 6> ReviewOfStars = {0, 3, 5, 6, 8, 9};
    std::string number = trimmed(stars);
    for (char& ch : number)
        if (ch == ',') ch = '.';
    if (number.empty() || number.find_first_not_of("0123456789.") != std::string::npos) return 0;
    const double value = std::atof(number.c_str()) / pointsPerStar;
    if (!(value > 0)) return 0;
    return ReviewOfStars[static_cast<std::size_t>(std::min(5.0, std::ceil(value)))];
}

std::uint8_t reviewFromName(std::string_view name) {
    const std::string wanted = foldedText(trimmed(name));
    if (wanted.empty()) return 0;
    for (std::size_t code = 1; code < reviewNames.size(); ++code)
        if (foldedText(reviewNames[code]) == wanted) return static_cast<std::uint8_t>(code);
    return 0;
}

int starsOfReview(std::uint8_t review) {
    // Terrible and Bad 1, Fair and Ok 2, Good 3, Very good and Excellent 4, Great 5.
    constexpr std::array<int, 11> StarsOfReview = {0, 0, 1, 1, 2, 2, 3, 4, 4, 5, 0};
    return review < StarsOfReview.size() ? StarsOfReview[review] : 0;
}

std::vector<std::string> listEntries(std::string_view list) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    for (;;) {
        const auto comma = list.find(',', start);
        std::string entry =
            trimmed(list.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (!entry.empty()) entries.push_back(std::move(entry));
        if (comma == std::string_view::npos) return entries;
        start = comma + 1;
    }
}

std::uint8_t categoryFromShelves(const std::vector<std::string>& shelves) {
    for (const std::string& shelf : shelves) {
        const std::string name = foldedText(shelf);
        for (std::size_t code = 1; code < categoryNames.size(); ++code)
            if (*categoryNames[code] != '\0' && foldedText(categoryNames[code]) == name)
                return static_cast<std::uint8_t>(code);
        for (const ShelfName& extra : ExtraShelves)
            if (extra.name == name) return extra.category;
    }
    return 0;
}

std::string shelfOfCategory(std::uint8_t category) {
    if (category == FantasyShelf.category) return lowerText(FantasyShelf.name);
    return lowerText(categoryName(category));
}

ReadStatus readStatusOf(std::string_view statusOrShelf) {
    const std::string status = lowerText(trimmed(statusOrShelf));
    if (status == "read" || status == "read but unowned") return ReadStatus::Read;
    if (status == "to-read" || status == "want-to-read" || status == "paused") return ReadStatus::NotRead;
    if (status == "currently-reading") return ReadStatus::Reading;
    if (status == "did-not-finish" || status == "abandoned" || status == "dnf") return ReadStatus::DidNotFinish;
    return ReadStatus::Unknown;
}

std::string firstLine(std::string_view text) {
    const std::string whole = trimmed(text);
    return squeezeBlanks(std::string_view(whole).substr(0, whole.find_first_of("\r\n")));
}

bool cutToTextLimit(std::string& text) {
    const std::size_t limit = characterPrefix(text, MaxTextCharacters);
    if (limit == text.size()) return false;
    text.resize(wholeClusterPrefix(text, limit));
    return true;
}
