#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Read dates as the files to import write them: yyyy/mm/dd, yyyy-mm-dd,
// either in brackets or with a time after them, the word "read" for a book
// read on a day nobody knows, and dates with the year last, which a
// spreadsheet re-saving a file writes day first or month first.

// How the dates of one column that have the year last order day and month.
enum class DayMonthOrder { Undecided, MonthFirst, DayFirst };

// The order the column's dates show: day first when one of them has a first
// number above 12 and none a second number above 12, month first the other
// way round; undecided when no date (or dates of both kinds) tells.
DayMonthOrder dayMonthOrderOf(const std::vector<std::string_view>& dates);

struct FileReadDate {
    bool present = false;      // the field holds a date, or says read, at all
    std::uint16_t packed = 0;  // non-zero when it is a legal read date by the record dialog's rules
    bool ambiguous = false;    // year last, day and month both 12 or less, and the column does not tell which is which
    std::string shown;         // the date as yyyy-mm-dd when it has that shape, else as it stands; empty for "read"
};

// A date with the year last takes `order`; a date the record dialog accepts
// is judged against `currentYear` as the dialog judges it.
FileReadDate fileReadDate(std::string_view text, int currentYear, DayMonthOrder order = DayMonthOrder::MonthFirst);

// The dates a reading history gives each read of a book: a comma list of
// single dates or ranges ("2023/05/23-2023/06/07"), each read by its end.
std::vector<std::string> readEndDates(std::string_view history);
