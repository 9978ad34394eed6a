#pragma once

#include <cstddef>
#include <cstdint>

// Tables generated at build time from the Unicode Character Database
// (core/unicode_tables.py), so that every system gives the same answers.

// A character's grapheme cluster break property; Extended Pictographic
// characters (emoji) are told apart, since clusters join them across a
// zero-width joiner.
enum class GraphemeBreak : std::uint8_t {
    Other,
    CR,
    LF,
    Control,
    Extend,
    ZWJ,
    RegionalIndicator,
    Prepend,
    SpacingMark,
    L,
    V,
    T,
    LV,
    LVT,
    ExtendedPictographic
};

struct GraphemeBreakRange {
    char32_t first, last;
    GraphemeBreak value;
};

// Ascending, without overlaps; characters in no range are Other.
extern const GraphemeBreakRange GraphemeBreakRanges[];
extern const std::size_t GraphemeBreakRangeCount;

// A character's simple case mappings as differences of code points: its
// capital, its small letter and its fold (the capital of its small letter).
struct CaseDeltas {
    std::int32_t upper, lower, fold;
};

// Two stages: CaseBlocks[c / CaseBlockSize] names the row of
// CaseBlockEntries that holds c's entry, an index into CaseMappings. Code
// points beyond the last block, and entry 0, map to themselves.
inline constexpr std::size_t CaseBlockSize = 128;
extern const std::uint8_t CaseBlocks[];
extern const std::size_t CaseBlockCount;
extern const std::uint8_t CaseBlockEntries[][CaseBlockSize];
extern const CaseDeltas CaseMappings[];

// The upper, lower and fold mappings (in that order) of every character of
// two UTF-8 bytes, U+0080 to U+07FF (Latin-1, Latin Extended, Greek,
// Cyrillic, Armenian, Hebrew, Arabic), at character - TwoByteFirst: one
// look-up per letter where texts are converted.
inline constexpr char32_t TwoByteFirst = 0x80, TwoByteEnd = 0x800;
extern const char16_t TwoByteCaseMappings[3][TwoByteEnd - TwoByteFirst];

// Whether any character of each run of CasedRunSize code points below
// U+10000 (the characters of three bytes whose first two bytes agree) has a
// case mapping: the others (kana, CJK ideographs, Hangul) stay as they are
// without a look-up.
inline constexpr std::size_t CasedRunSize = 64;
extern const std::uint8_t CasedRuns[0x10000 / CasedRunSize];
