#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Catalogue texts are well-formed UTF-8: any letter of any script. These
// read and write its characters (Unicode code points).

// Decodes the character that starts at text[position] and moves position past
// it. A malformed sequence (a stray or missing continuation byte, an overlong
// form, a surrogate, a value beyond U+10FFFF) yields nothing and moves past
// its first byte only.
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& position);

// Appends the UTF-8 form of one character (at most U+10FFFF, no surrogate).
void appendUtf8(std::string& text, char32_t character);

// True when every byte of `text` belongs to a well-formed character.
bool isWellFormedUtf8(std::string_view text);

// The number of characters of a well-formed text.
std::size_t characterCount(std::string_view text);

// The text with each byte that belongs to no well-formed character replaced
// by U+FFFD, for showing a text of the system (a path, an error message).
std::string wellFormedUtf8(std::string_view text);

// The bytes of the first `characters` characters of a well-formed text (all
// of it when it has fewer).
std::size_t characterPrefix(std::string_view text, std::size_t characters);
