#pragma once

#include <array>
#include <cstdint>
#include <string>

// The fixed texts behind the coded fields of a record and the view caption.
inline constexpr std::array<const char*, 15> categoryNames = {
    "",        "Spy",    "Mystery", "Inspirational", "Romance",   "Historical", "Adventure", "Suspense",
    "Tragedy", "Comedy", "Western", "Fantacy",       "Detective", "Horror",     "",
};

inline constexpr std::array<const char*, 11> reviewNames = {
    "", "Couldn't finish", "Terrible", "Bad", "Fair", "Ok", "Good", "Very good", "Excellent", "Great", "",
};

inline constexpr std::array<const char*, 4> viewNames = {"View All", "Books Read", "Books Unread", "Books Found"};

inline constexpr std::array<const char*, 2> sortNames = {" by Author", " by Date"};

// The name of a category or review code; a code beyond its table (which only a
// foreign file can hold) reads as the empty text.
std::string categoryName(std::uint8_t code);
std::string reviewName(std::uint8_t code);
