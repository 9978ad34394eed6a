#pragma once

#include <cstddef>
#include <string_view>

// Characters as the user sees them (extended grapheme clusters): a letter
// with its accent marks, a Hangul syllable of parts, an emoji sequence, a
// flag of two regional indicators. A text cut anywhere else would show half
// a character.

// The byte offset where the cluster starting at `position` of a UTF-8 text
// ends; text.size() at the end.
std::size_t nextClusterBoundary(std::string_view text, std::size_t position);

// The longest prefix of whole clusters that takes at most `bytes` bytes.
std::size_t wholeClusterPrefix(std::string_view text, std::size_t bytes);
