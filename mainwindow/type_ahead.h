#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/catalogue.h"

// Typing in the book list jumps to a book by its author: the letters typed
// in quick succession make one search text, and a pause starts a new one.
// This is the list's own search; the toolkit's search over row texts is not
// used (every row starts with its mark column, and it reads every row).
struct TypeAhead {
    std::string typed;         // the search text so far
    std::int64_t lastKey = 0;  // when the last key came, in milliseconds
};

// A pause this long between two keys starts a new search.
inline constexpr std::int64_t TypeAheadPause = 1000;

// Adds the keys typed at `time` to the search text and returns it. After a
// pause the text starts anew; blanks do not start a search.
const std::string& typeAheadText(TypeAhead& typeAhead, std::string_view keys, std::int64_t time);

// The first view row, searching down from `fromRow` and wrapping round, whose
// author begins with `typed` (every letter folded, as authors are
// compared), or 0 when none does or `typed` is empty.
int rowOfAuthorStartingWith(const Catalogue& catalogue, int fromRow, std::string_view typed);
