#include "platform/nearest_letter.h"

#include <array>
#include <string_view>

namespace platform {

namespace {

// Runs of consecutive code points and the plain letter of each, "?" where
// there is none. Characters Windows-1252 holds (Š, Œ, Ÿ, Ž) never get here.
struct LetterRun {
    char32_t first;
    std::string_view letters;
};

constexpr std::array<LetterRun, 6> Runs = {{
    // Latin Extended-A: Central European, Baltic, Turkish, Maltese, Welsh.
    {0x0100, "AaAaAaCcCcCcCcDd"
             "DdEeEeEeEeEeGgGg"
             "GgGgHhHhIiIiIiIi"
             "I???JjKk?LlLlLlL"
             "lLlNnNnNn???OoOo"
             "Oo??RrRrRrSsSsSs"
             "SsTtTtTtUuUuUuUu"
             "UuUuWwYyYZzZzZz?"},
    {0x01A0, "Oo"},                // Vietnamese O and U with horn
    {0x01AF, "Uu"},
    {0x01CD, "AaIiOoUuUuUuUuUu"},  // with caron, and Ü with a second accent (Pinyin)
    {0x0218, "SsTt"},              // Romanian S and T with comma below
    // Vietnamese: A, E, I, O, U and Y with tone marks.
    {0x1EA0, "AaAaAaAaAaAaAaAaAaAaAaAa"
             "EeEeEeEeEeEeEeEe"
             "IiIi"
             "OoOoOoOoOoOoOoOoOoOoOoOo"
             "UuUuUuUuUuUuUu"
             "YyYyYyYy"},
}};

}  // namespace

std::optional<char> nearestPlainLetter(char32_t character) {
    for (const LetterRun& run : Runs) {
        if (character < run.first || character - run.first >= run.letters.size()) continue;
        const char letter = run.letters[character - run.first];
        return letter == '?' ? std::nullopt : std::optional<char>(letter);
    }
    return std::nullopt;
}

bool isCombiningAccent(char32_t character) { return character >= 0x0300 && character <= 0x036F; }

}  // namespace platform
