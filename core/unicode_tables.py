#!/usr/bin/env python3
"""Turns the Unicode Character Database into the compact tables of the core.

Usage: unicode_tables.py UCD_FOLDER OUTPUT.cpp

Writes, as sorted ranges of code points, each character's grapheme cluster
break property (auxiliary/GraphemeBreakProperty.txt), with Extended
Pictographic (emoji/emoji-data.txt) as one more value. Characters in no
range are Other.

And each character's simple case mappings (UnicodeData.txt, fields 12 and 13:
one letter to one letter, no special casing) with its fold, as a two-stage
table of deltas: a block of 128 code points names one of the distinct blocks,
whose entries name one (upper, lower, fold) delta triple.

The fold is the capital of the small letter, upper(lower(c)), not upper(c):
folding must give one answer for c, its capital and its small letter, or
converting a catalogue between capitals and proper case would reorder it.
Plain upper(c) breaks that for the capitals whose small letter has another
capital, which upper(c) leaves alone: U+0130 I with dot above (small i,
capital I), U+03F4 capital theta symbol (theta), U+1E9E capital sharp s (ss
has no simple capital, so it folds to itself), U+2126 ohm sign (omega),
U+212A Kelvin sign (K), U+212B angstrom sign (A with ring). The build fails
when the fold does not hold for every character of the table.

For the text conversions, two more: the three mappings of every character of
two UTF-8 bytes (U+0080 to U+07FF) as one direct table, and whether each run
of 64 code points below U+10000 holds any character with a mapping, so that
characters of runs without one (kana, CJK ideographs, Hangul) are copied
without a look-up. The build fails when a mapping takes more than half again
the bytes of its character: conversions size their room on that.
"""
import os
import re
import sys

LINE = re.compile(r"^([0-9A-F]+)(?:\.\.([0-9A-F]+))?\s*;\s*(\w+)")

# The order of the core's GraphemeBreak enumeration (core/grapheme_clusters.h).
BREAKS = ["Other", "CR", "LF", "Control", "Extend", "ZWJ", "RegionalIndicator", "Prepend", "SpacingMark",
          "L", "V", "T", "LV", "LVT", "ExtendedPictographic"]
NAMES = {"Regional_Indicator": "RegionalIndicator", "Extended_Pictographic": "ExtendedPictographic"}


def ranges(path, wanted=None):
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            match = LINE.match(line)
            if not match or (wanted and match.group(3) != wanted):
                continue
            first = int(match.group(1), 16)
            last = int(match.group(2) or match.group(1), 16)
            yield first, last, NAMES.get(match.group(3), match.group(3))


def merged(entries):
    entries.sort()
    result = []
    for first, last, value in entries:
        if result and result[-1][2] == value and result[-1][1] + 1 == first:
            result[-1] = (result[-1][0], last, value)
        elif result and first <= result[-1][1]:
            sys.exit(f"overlapping ranges at U+{first:04X}")
        else:
            result.append((first, last, value))
    return result


CASE_BLOCK_BITS = 7
TWO_BYTE_FIRST, TWO_BYTE_END = 0x80, 0x800
CASED_RUN_SIZE = 64


def utf8_length(c):
    return 1 if c < 0x80 else 2 if c < 0x800 else 3 if c < 0x10000 else 4


def case_mappings(path):
    """The simple upper and lower mappings of every character that has one."""
    upper, lower = {}, {}
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            fields = line.split(";")
            if fields[12]:
                upper[int(fields[0], 16)] = int(fields[12], 16)
            if fields[13]:
                lower[int(fields[0], 16)] = int(fields[13], 16)
    return upper, lower


def case_table(path):
    upper, lower = case_mappings(path)
    up = lambda c: upper.get(c, c)
    low = lambda c: lower.get(c, c)
    fold = lambda c: up(low(c))
    cased = set(upper) | set(lower) | set(upper.values()) | set(lower.values())
    for c in sorted(cased):
        if not fold(c) == fold(up(c)) == fold(low(c)) == fold(fold(c)):
            sys.exit(f"the fold of U+{c:04X} differs from that of its capital or small letter")
    for c in sorted(cased):
        for mapped in (up(c), low(c), fold(c)):
            if 2 * utf8_length(mapped) > 3 * utf8_length(c):
                sys.exit(f"a mapping of U+{c:04X} takes more than half again its bytes")
    two_byte = [[m(c) for c in range(TWO_BYTE_FIRST, TWO_BYTE_END)] for m in (up, low, fold)]
    if max(max(mappings) for mappings in two_byte) > 0xFFFF:
        sys.exit("a character of two bytes maps beyond U+FFFF: the direct table holds 16 bits")
    triples = [(0, 0, 0)]
    index = {(0, 0, 0): 0}
    entries = {}
    for c in cased:
        triple = (up(c) - c, low(c) - c, fold(c) - c)
        entries[c] = index.setdefault(triple, len(triples))
        if entries[c] == len(triples):
            triples.append(triple)
    if len(triples) > 256:
        sys.exit("more than 256 case mappings: the table's entries are bytes")
    size = 1 << CASE_BLOCK_BITS
    block_count = (max(cased) >> CASE_BLOCK_BITS) + 1
    blocks, block_numbers = [], {}
    stage1 = []
    for b in range(block_count):
        block = tuple(entries.get((b << CASE_BLOCK_BITS) + i, 0) for i in range(size))
        stage1.append(block_numbers.setdefault(block, len(blocks)))
        if stage1[-1] == len(blocks):
            blocks.append(block)
    if len(blocks) > 256:
        sys.exit("more than 256 distinct case blocks: the first stage holds bytes")
    has_mapping = {c for c in cased if entries[c] != 0}
    cased_runs = [int(any(r * CASED_RUN_SIZE + i in has_mapping for i in range(CASED_RUN_SIZE)))
                  for r in range(0x10000 // CASED_RUN_SIZE)]
    return stage1, blocks, triples, two_byte, cased_runs


def byte_rows(values, per_row=32):
    return ",\n".join("    " + ", ".join(str(v) for v in values[i:i + per_row])
                       for i in range(0, len(values), per_row))


def main(folder, output):
    entries = list(ranges(os.path.join(folder, "auxiliary", "GraphemeBreakProperty.txt")))
    entries += ranges(os.path.join(folder, "emoji", "emoji-data.txt"), "Extended_Pictographic")
    table = merged(entries)
    with open(os.path.join(folder, "ReadMe.txt"), encoding="utf-8", errors="replace") as readme:
        version = re.search(r"Version (\d+\.\d+\.\d+)", readme.read())
    rows = ",\n".join(f"    {{0x{first:X}, 0x{last:X}, GraphemeBreak::{value}}}" for first, last, value in table)
    stage1, blocks, triples, two_byte, cased_runs = case_table(os.path.join(folder, "UnicodeData.txt"))
    block_rows = ",\n".join("    {\n" + byte_rows(block) + "}" for block in blocks)
    triple_rows = ",\n".join(f"    {{{u}, {l}, {f}}}" for u, l, f in triples)
    two_byte_rows = ",\n".join("    {\n" + byte_rows(mappings) + "}" for mappings in two_byte)
    with open(output, "w", encoding="ascii") as out:
        out.write(f"""// Generated by core/unicode_tables.py from the Unicode Character Database
// {version.group(1) if version else ""}; do not edit.
#include "core/unicode_tables.h"

#include <iterator>

const GraphemeBreakRange GraphemeBreakRanges[] = {{
{rows}
}};
const std::size_t GraphemeBreakRangeCount = std::size(GraphemeBreakRanges);

static_assert(CaseBlockSize == {1 << CASE_BLOCK_BITS});
const std::uint8_t CaseBlocks[] = {{
{byte_rows(stage1)}
}};
const std::size_t CaseBlockCount = std::size(CaseBlocks);
const std::uint8_t CaseBlockEntries[][CaseBlockSize] = {{
{block_rows}
}};
const CaseDeltas CaseMappings[] = {{
{triple_rows}
}};

static_assert(TwoByteFirst == 0x{TWO_BYTE_FIRST:X} && TwoByteEnd == 0x{TWO_BYTE_END:X} && CasedRunSize == {CASED_RUN_SIZE});
const char16_t TwoByteCaseMappings[3][TwoByteEnd - TwoByteFirst] = {{
{two_byte_rows}
}};
const std::uint8_t CasedRuns[0x10000 / CasedRunSize] = {{
{byte_rows(cased_runs, 64)}
}};
""")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
