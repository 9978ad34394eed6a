#!/usr/bin/env python3
"""Turns the Unicode Character Database's GraphemeBreakTest.txt into C++ cases.

Usage: grapheme_break_cases.py GraphemeBreakTest.txt OUTPUT.inc

Each case is a UTF-8 text and the byte offsets of its cluster boundaries
after the first character.
"""
import sys


def main(source, output):
    rows = []
    with open(source, encoding="utf-8") as lines:
        for line in lines:
            fields = line.split("#")[0].split()
            if not fields:
                continue
            text, boundaries = b"", []
            for field in fields[1:]:
                if field == "\u00f7":
                    boundaries.append(len(text))
                elif field != "\u00d7":
                    text += chr(int(field, 16)).encode("utf-8", "surrogatepass")
            literal = "".join(f"\\x{byte:02X}" for byte in text)
            rows.append(f'    {{std::string_view("{literal}", {len(text)}), {{{", ".join(map(str, boundaries))}}}}}')
    with open(output, "w", encoding="ascii") as out:
        out.write("// Generated from GraphemeBreakTest.txt by tests/core/grapheme_break_cases.py; do not edit.\n")
        out.write(",\n".join(rows) + "\n")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
