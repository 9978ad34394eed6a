#pragma once

#include <string>
#include <string_view>

struct BookTables;

// Letter folding and case conversion touch only a-z and A-Z; every other byte
// (those of every letter beyond ASCII in a UTF-8 text among them) stays as it is.
constexpr char toUpperAscii(char ch) { return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch; }
constexpr char toLowerAscii(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch; }
std::string toUpperAscii(std::string_view text);
std::string toLowerAscii(std::string_view text);

// Characters that end a word, and the words kept in small letters inside a text.
inline constexpr std::string_view WordBreaks = " ,;.-/()";
inline constexpr std::string_view SmallWords = " the this at for from or nor in with of it a ";

// The proper-case form of one text: first letters raised, small words low,
// initials raised, one blank after a comma, blanks after other breaks dropped.
std::string properCase(std::string_view text);

// Converts one author or title to capitals, or to proper case (leading blanks
// dropped first).
void convertLetterCase(std::string& text, bool toCapitals);

// Switches every author and title between capitals and proper case and
// inverts upperCase. Dispositions are never converted.
void toggleLetterCase(BookTables& books);

// Brings every author and title into the form upperCase names.
void applyLetterCase(BookTables& books);
