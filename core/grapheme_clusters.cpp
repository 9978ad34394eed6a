#include "core/grapheme_clusters.h"

#include <algorithm>

#include "core/unicode_tables.h"
#include "core/utf8.h"

namespace {

using enum GraphemeBreak;

GraphemeBreak breakOf(char32_t character) {
    if (character >= 0x20 && character < 0x7F) return Other;
    const auto* end = GraphemeBreakRanges + GraphemeBreakRangeCount;
    const auto* range = std::upper_bound(GraphemeBreakRanges, end, character,
                                         [](char32_t c, const GraphemeBreakRange& r) { return c < r.first; });
    return range != GraphemeBreakRanges && character <= range[-1].last ? range[-1].value : Other;
}

bool isControl(GraphemeBreak value) { return value == Control || value == CR || value == LF; }

// Whether two characters stay together, given what came before: whether
// `before` is a zero-width joiner after an emoji and its extenders (an emoji
// joins it), and how many regional indicators end there (they pair up).
bool joined(GraphemeBreak before, GraphemeBreak after, bool joinerAfterEmoji, int regionalIndicatorsBefore) {
    if (before == CR && after == LF) return true;
    if (isControl(before) || isControl(after)) return false;
    if (before == L && (after == L || after == V || after == LV || after == LVT)) return true;
    if ((before == LV || before == V) && (after == V || after == T)) return true;
    if ((before == LVT || before == T) && after == T) return true;
    if (after == Extend || after == ZWJ || after == SpacingMark || before == Prepend) return true;
    if (joinerAfterEmoji && after == ExtendedPictographic) return true;
    return before == RegionalIndicator && after == RegionalIndicator && regionalIndicatorsBefore % 2 == 1;
}

// The character at `position` and its property; a malformed byte is a
// character of its own that joins nothing.
GraphemeBreak readBreak(std::string_view text, std::size_t& position) {
    const auto character = decodeUtf8(text, position);
    return character ? breakOf(*character) : Control;
}

}  // namespace

std::size_t nextClusterBoundary(std::string_view text, std::size_t position) {
    if (position >= text.size()) return text.size();
    // A printable ASCII character followed by another ASCII byte (or by
    // nothing) is a cluster of its own: only marks, joiners and the like,
    // all beyond ASCII, extend a cluster.
    const auto isPrintableAscii = [](char byte) { return byte >= 0x20 && byte < 0x7F; };
    if (isPrintableAscii(text[position]) &&
        (position + 1 == text.size() || static_cast<unsigned char>(text[position + 1]) < 0x80))
        return position + 1;
    GraphemeBreak before = readBreak(text, position);
    bool emojiThenExtenders = before == ExtendedPictographic;
    bool joinerAfterEmoji = false;
    int regionalIndicators = before == RegionalIndicator;
    while (position < text.size()) {
        std::size_t next = position;
        const GraphemeBreak after = readBreak(text, next);
        if (!joined(before, after, joinerAfterEmoji, regionalIndicators)) break;
        joinerAfterEmoji = after == ZWJ && emojiThenExtenders;
        emojiThenExtenders = after == ExtendedPictographic || (emojiThenExtenders && after == Extend);
        regionalIndicators = after == RegionalIndicator ? regionalIndicators + 1 : 0;
        before = after;
        position = next;
    }
    return position;
}

std::size_t wholeClusterPrefix(std::string_view text, std::size_t bytes) {
    if (bytes >= text.size()) return text.size();  // the end of a text ends its last cluster
    std::size_t prefix = 0;
    while (prefix < text.size()) {
        const std::size_t next = nextClusterBoundary(text, prefix);
        if (next > bytes) break;
        prefix = next;
    }
    return prefix;
}
