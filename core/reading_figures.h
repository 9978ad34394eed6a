#pragma once

#include <string>
#include <vector>

#include "core/catalogue.h"

// A name of a vocabulary and how many books carry it.
struct NamedCount {
    std::string name;  // "(none)" for a book without a category or grade
    int count = 0;
};

// The picture of a catalogue's reading. Deleted records are left out of
// every figure; a book is read when it has a read date or is read without one.
struct ReadingFigures {
    int held = 0;  // books in the catalogue
    int read = 0;
    int readUndated = 0;  // of the books read, those without a date, which no year counts
    int unread = 0;
    int marked = 0;

    // Books read in each calendar year, from firstYear on, every year up to
    // the last with a read book included; empty when no book is read.
    int firstYear = 0;
    std::vector<int> readPerYear;
    int busiestYear = 0;  // the year with the most books read, the earliest on a tie; 0 when none is read

    // Books held per category and per review grade, highest count first and
    // equal counts in vocabulary order; names without books are left out.
    // Code 0, the blank last entry and codes beyond the vocabulary (which
    // only a foreign file holds) all count as "(none)", in code 0's place.
    std::vector<NamedCount> perCategory;
    std::vector<NamedCount> perReview;
};

// The name the figures give a code without a category or review grade.
inline constexpr const char* NoneName = "(none)";

ReadingFigures readingFigures(const BookTables& books);
