#pragma once

#include <string>
#include <string_view>

namespace platform {

// Conversion between Windows-1252 bytes, the form every text takes inside the
// programs and their files, and Unicode, the form the toolkit takes. The five
// bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for
// the control characters of the same value, so every byte string survives a
// round trip.

// The Unicode character of one byte; every one lies in the Basic Multilingual Plane.
char32_t cp1252CharToUnicode(char byte);
std::string cp1252ToUtf8(std::string_view text);

// Characters Windows-1252 cannot hold, and bytes that are not well-formed
// UTF-8, become `replacement`.
std::string utf8ToCp1252(std::string_view text, char replacement = '?');

// The same between Windows-1252 and UTF-16, the form the toolkits and the
// Windows system take: one unit for each byte; characters Windows-1252
// cannot hold (a surrogate pair counts as one) and unpaired surrogates become
// `replacement`.
std::u16string cp1252ToUtf16(std::string_view text);
std::string utf16ToCp1252(std::u16string_view text, char replacement = '?');

// True when `text` is well-formed UTF-8 (an overlong form, a surrogate or a
// stray continuation byte is not).
bool isWellFormedUtf8(std::string_view text);

// True when `text` is well-formed UTF-8 and every character has a
// Windows-1252 byte.
bool utf8FitsCp1252(std::string_view text);

// For showing a text of the system (a path, an error message) in a
// Windows-1252 text: a character Windows-1252 cannot hold becomes its plain
// letter when it is a Latin letter with an accent ("ł" -> "l"), else "?"; a
// combining accent is dropped, leaving its letter. Characters Windows-1252
// holds become their own byte; bytes that are not well-formed UTF-8 become "?".
std::string utf8ToNearestCp1252(std::string_view text);

}  // namespace platform
