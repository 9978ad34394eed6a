#pragma once

#include <cstdint>
#include <string>

// The longest author, title or disposition a catalogue holds, in characters
// (code points): the file keeps each text behind a one-byte length, one byte
// for each character.
inline constexpr int MaxTextCharacters = 255;

// One book of the catalogue. The fixed part (the first five fields) is the
// 7-byte block the catalogue file holds; author and read date live in the
// catalogue's shared tables and are reached through the two indices.
struct BookRecord {
    std::int16_t authorIndex = 0;  // into BookTables::authors, 1..authorCount
    std::int16_t dateIndex = 0;    // into BookTables::readDates, 1..recordCount
    std::uint8_t category = 0;     // code into categoryNames
    std::uint8_t review = 0;       // code into reviewNames
    std::uint8_t flags = 0;        // flag bits, see below
    std::string title;             // UTF-8, at most MaxTextCharacters characters
    std::string disposition;       // UTF-8, at most MaxTextCharacters characters
};

// Flag bits, addressed by bit number 1..8 (bit n has the mask 2^(n-1)).
inline constexpr int DeletedFlag = 1;  // deleted by the user; dropped at the next save
inline constexpr int ShownFlag = 2;    // belongs to the current selection (the view)
// Read on a day nobody knows (the date stays 0). Older copies of the program
// keep this bit as they found it and show such a book as unread.
inline constexpr int ReadUndatedFlag = 3;
inline constexpr int MarkedFlag = 8;  // marked by the user ("x" in the list)

// The flags byte masked with the bit's mask: non-zero when the bit is set.
constexpr std::uint8_t testFlag(std::uint8_t flags, int bit) {
    return static_cast<std::uint8_t>(flags & (1u << (bit - 1)));
}

// Sets the bit when value is true, clears it otherwise; other bits stay.
constexpr void setFlag(std::uint8_t& flags, int bit, bool value) {
    const auto mask = static_cast<std::uint8_t>(1u << (bit - 1));
    flags = value ? static_cast<std::uint8_t>(flags | mask) : static_cast<std::uint8_t>(flags & ~mask);
}

constexpr void toggleFlag(std::uint8_t& flags, int bit) {
    flags = static_cast<std::uint8_t>(flags ^ (1u << (bit - 1)));
}
