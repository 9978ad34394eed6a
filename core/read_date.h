#pragma once

#include <cstdint>
#include <string>

// Read dates: typed as text, kept packed in 16 bits as
// (year - DateEpoch) << 9 | month << 5 | day, with 0 meaning "not read".
inline constexpr int DateEpoch = 1980;
inline constexpr int CenturyPivot = 80;  // two-digit years below it are 20xx, the others 19xx

// Number of days of a month; February has 29 days in years divisible by 4
// other than 1900.
int daysInMonth(int month, int year);

// Checks a typed date against the local clock's current year and rewrites it
// in the normal form MM-DD-YYYY whether or not it is legal. Returns true when
// the date is illegal. Fields are split at "-" and "/"; a field that holds
// anything but blanks and digits (a fraction such as 1.5) makes it illegal.
bool parseReadDate(std::string& text, int currentYear);

// The packed value of a text in the normal form that parseReadDate accepted.
std::uint16_t packReadDate(const std::string& text);

// The normal-form text of a non-zero packed date.
std::string formatReadDate(std::uint16_t packed);

// What the list, the record dialog and the printouts show for a book read
// without a date, and what the date box takes for it in any letter case.
inline constexpr const char* ReadWithoutDateText = "read";

// A book's date as it is shown: MM-DD-YYYY, "read" for a book read without a
// date, nothing for an unread one.
std::string shownReadDate(std::uint16_t packed, bool read);

// True when a typed date says "read", without regard to case and blanks around it.
bool saysReadWithoutDate(const std::string& typed);
