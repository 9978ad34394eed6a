#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Catalogue texts are UTF-8; the toolkit and the Windows system take UTF-16.
// Every text crosses between them here. A byte that is not well-formed UTF-8,
// and an unpaired surrogate, become U+FFFD.
std::u16string utf8ToUtf16(std::string_view text);
std::string utf16ToUtf8(std::u16string_view text);

// The UTF-16 length of a UTF-8 text: where a byte offset of the text lies
// in its UTF-16 form.
std::size_t utf16Length(std::string_view text);

// The bytes of the longest prefix of a UTF-8 text whose UTF-16 form takes at
// most `units` units; never half a character.
std::size_t utf8PrefixOfUtf16Units(std::string_view text, std::size_t units);

}  // namespace platform
