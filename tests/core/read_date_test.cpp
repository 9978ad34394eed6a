#include <gtest/gtest.h>

#include <cstdio>

#include "core/read_date.h"

namespace {

struct Parsed {
    bool illegal;
    std::string text;
};

Parsed parse(std::string text, int year = 2026) {
    const bool illegal = parseReadDate(text, year);
    return {illegal, text};
}

TEST(ReadDate, TwoDigitYearsTakeTheirCenturyFromThePivot) {
    EXPECT_FALSE(parse("12/25/05", 2005).illegal);
    EXPECT_EQ(parse("12/25/05").text, "12-25-2005");
    EXPECT_EQ(parse("1-5-79").text, "01-05-2079");
    EXPECT_TRUE(parse("1-5-79").illegal);
    EXPECT_FALSE(parse("1-5-80").illegal);
    EXPECT_EQ(parse("1-5-80").text, "01-05-1980");
    EXPECT_EQ(parse("2/3/04").text, "02-03-2004");
}

TEST(ReadDate, LeapDaysAndMonthLengths) {
    EXPECT_FALSE(parse("2-29-2004").illegal);
    EXPECT_FALSE(parse("2-29-04").illegal);
    EXPECT_TRUE(parse("2-29-2005").illegal);
    EXPECT_TRUE(parse("2-29-05").illegal);
    EXPECT_TRUE(parse("2-30-2004").illegal);
    EXPECT_TRUE(parse("4-31-2005").illegal);
    EXPECT_FALSE(parse("12-31-2005").illegal);
    EXPECT_EQ(daysInMonth(1, 2001), 31);
    EXPECT_EQ(daysInMonth(6, 2001), 30);
    EXPECT_EQ(daysInMonth(8, 2001), 31);
    EXPECT_EQ(daysInMonth(11, 2001), 30);
    EXPECT_EQ(daysInMonth(2, 1900), 28);
    EXPECT_EQ(daysInMonth(2, 2000), 29);
}

TEST(ReadDate, YearsOutsideEpochAndClockAreIllegal) {
    EXPECT_TRUE(parse("1-1-1979").illegal);
    EXPECT_FALSE(parse("1-1-1980").illegal);
    EXPECT_FALSE(parse("12-31-2026", 2026).illegal);
    EXPECT_TRUE(parse("1-1-2027", 2026).illegal);
    EXPECT_TRUE(parse("1-1-20051").illegal);
    EXPECT_TRUE(parse("1-1-02005").illegal);  // five digits
}

TEST(ReadDate, MonthAndDayRanges) {
    EXPECT_TRUE(parse("13-1-2005").illegal);
    EXPECT_TRUE(parse("0-1-2005").illegal);
    EXPECT_TRUE(parse("1-0-2005").illegal);
    EXPECT_FALSE(parse(" 7/ 4/1999").illegal);
    EXPECT_EQ(parse("6-30  - 26").text, "06-30-2026");  // blanks around fields never reach the normal form
}

TEST(ReadDate, IllegalDatesAreStillRewrittenInNormalForm) {
    EXPECT_EQ(parse("12-25").text, "12-25-");
    EXPECT_TRUE(parse("12-25").illegal);
    EXPECT_EQ(parse("13/1/2005").text, "13-01-2005");
    EXPECT_EQ(parse("").text, "0-0-");
    EXPECT_EQ(parse("1-2-2003-junk").text, "01-02-2003");
}

TEST(ReadDate, FractionsAndStrayCharactersAreRefused) {
    EXPECT_TRUE(parse("1.5-2-2003").illegal);
    EXPECT_TRUE(parse("1-2.5-2003").illegal);
    EXPECT_TRUE(parse("1-2-2003.0").illegal);
    EXPECT_TRUE(parse("1-2-2e3").illegal);
    EXPECT_TRUE(parse("x-2-2003").illegal);
}

TEST(ReadDate, PackAndFormatRoundTrip) {
    EXPECT_EQ(packReadDate("01-01-1980"), 0x0021);
    EXPECT_EQ(packReadDate("02-29-2004"), 0x305D);
    EXPECT_EQ(packReadDate("12-25-2005"), 0x3399);
    EXPECT_EQ(formatReadDate(0x3399), "12-25-2005");
    EXPECT_EQ(formatReadDate(0x0021), "01-01-1980");
    EXPECT_EQ(formatReadDate(0xFFFF), "15-31-2107");  // what a foreign file may hold still formats
    for (int year = 1980; year <= 2026; year += 7)
        for (int month = 1; month <= 12; ++month) {
            std::string text =
                std::to_string(month) + "/" + std::to_string(daysInMonth(month, year)) + "/" + std::to_string(year);
            ASSERT_FALSE(parseReadDate(text, 2026)) << text;
            EXPECT_EQ(formatReadDate(packReadDate(text)), text);
        }
}

TEST(ReadDate, EveryPackedValueFormatsAsTwoDigitMonthAndDayAndFourDigitYear) {
    for (int packed = 1; packed <= 0xFFFF; ++packed) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "%02d-%02d-%d", (packed >> 5) & 0x0F, packed & 0x1F,
                      1980 + (packed >> 9));
        ASSERT_EQ(formatReadDate(static_cast<std::uint16_t>(packed)), expected) << packed;
    }
}

}  // namespace
