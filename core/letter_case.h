#pragma once

#include <string>
#include <string_view>

struct BookTables;

// Letter case follows the simple case mappings of the Unicode Character
// Database (one letter to one letter, no special casing: ß stays ß in
// capitals), from a table generated at build time, so every system agrees.
// A byte that belongs to no well-formed UTF-8 character stays as it is.

// A character's capital, its small letter, and its fold: the capital of its
// small letter, which gives one answer for a letter, its capital and its small
// letter alike (see core/unicode_tables.py for the few letters whose fold is
// not their capital). Texts are compared and found by their folds.
char32_t upperOf(char32_t character);
char32_t lowerOf(char32_t character);
char32_t foldOf(char32_t character);

// The ASCII letters alone, for the bytes below 0x80, which need no decoding.
constexpr char toUpperAscii(char ch) { return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch; }
constexpr char toLowerAscii(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch; }

// A text with every letter raised, lowered or folded.
std::string upperText(std::string_view text);
std::string lowerText(std::string_view text);
std::string foldedText(std::string_view text);
void foldInPlace(std::string& text);

// Characters that end a word, and the words kept in small letters inside a text.
inline constexpr std::string_view WordBreaks = " ,;.-/()";
inline constexpr std::string_view SmallWords = " the this at for from or nor in with of it a ";

// The proper-case form of one text: first letters raised, every other letter
// lowered, small words low, initials raised, one blank after a comma, blanks
// after other breaks dropped.
std::string properCase(std::string_view text);

// Converts one author or title to capitals, or to proper case (leading blanks
// dropped first).
void convertLetterCase(std::string& text, bool toCapitals);

// Switches every author and title between capitals and proper case and
// inverts upperCase. Dispositions are never converted.
void toggleLetterCase(BookTables& books);

// Brings every author and title into the form upperCase names.
void applyLetterCase(BookTables& books);
