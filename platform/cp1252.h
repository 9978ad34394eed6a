#pragma once

#include <string>
#include <string_view>

// Conversion between the Windows-1252 bytes the catalogue holds and the UTF-8
// text of the toolkit. Every byte maps to exactly one character: the five
// bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to
// the control characters of the same number, as Windows itself maps them, so
// any byte string survives the round trip unchanged.

std::string cp1252ToUtf8(std::string_view bytes);

// Characters Windows-1252 cannot hold become `replacement`; malformed UTF-8
// sequences likewise, one replacement per bad byte.
std::string utf8ToCp1252(std::string_view utf8, char replacement = '?');

// True when every character of valid UTF-8 `utf8` has a Windows-1252 byte.
bool utf8FitsCp1252(std::string_view utf8);
