#pragma once

#include <optional>

namespace platform {

// The plain Latin letter a Latin letter with an accent, a hook, a stroke or a
// dot is made of ("ł" -> 'l', "ą" -> 'a', "ő" -> 'o', "ț" -> 't'), for showing
// a character Windows-1252 cannot hold as closely as it can. Nothing for a
// letter that is not one plain letter with a mark (Greek, Cyrillic, "ŋ", "ĳ")
// and for anything else.
std::optional<char> nearestPlainLetter(char32_t character);

// True for a combining accent (U+0300 to U+036F), which a decomposed name
// puts after its letter: the letter without it is the nearest form.
bool isCombiningAccent(char32_t character);

}  // namespace platform
