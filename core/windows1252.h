#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows-1252, the text form of catalogue files written as "Quorvels 2.00"
// and of older exports. The five bytes it leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) stand for the control characters of the same value, so every
// byte string survives a round trip through Unicode.

// The character of one byte; every one lies in the Basic Multilingual Plane.
char32_t windows1252Character(unsigned char byte);

// The byte of a character, when Windows-1252 holds it.
std::optional<unsigned char> windows1252Byte(char32_t character);

std::string windows1252ToUtf8(std::string_view bytes);

// True when `text` is well-formed UTF-8 and every character has a byte.
bool fitsWindows1252(std::string_view text);

// Characters Windows-1252 cannot hold, and bytes that are not well-formed
// UTF-8, become `replacement`.
std::string utf8ToWindows1252(std::string_view text, char replacement = '?');
