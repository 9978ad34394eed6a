#include <gtest/gtest.h>

#include "platform/cp1252.h"

namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    const std::string utf8 = cp1252ToUtf8(all);
    EXPECT_TRUE(utf8FitsCp1252(utf8));
    EXPECT_EQ(utf8ToCp1252(utf8), all);
}

TEST(Cp1252, HighBytesBecomeTheirCharacters) {
    EXPECT_EQ(cp1252ToUtf8("\x80"), "\u20AC");            // euro sign
    EXPECT_EQ(cp1252ToUtf8("Caf\xE9"), "Caf\u00E9");      // Latin-1 part
    EXPECT_EQ(cp1252ToUtf8("\x93quoted\x94"), "\u201Cquoted\u201D");
    EXPECT_EQ(cp1252ToUtf8("\x9F"), "\u0178");
    EXPECT_EQ(utf8ToCp1252("\u0152uvre \u2013 \u2122"), "\x8Cuvre \x96 \x99");
}

TEST(Cp1252, CharactersOutsideTheCodePageAreReplaced) {
    EXPECT_EQ(utf8ToCp1252("Ahn \uC548 X"), "Ahn ? X");
    EXPECT_EQ(utf8ToCp1252("\U0001F600", '_'), "_");
    EXPECT_FALSE(utf8FitsCp1252("\u0410"));  // Cyrillic A
    EXPECT_TRUE(utf8FitsCp1252("\u00C5ngstr\u00F6m"));
}

TEST(Cp1252, MalformedUtf8IsReplacedBytewise) {
    EXPECT_EQ(utf8ToCp1252("a\xC3"), "a?");           // sequence cut short
    EXPECT_EQ(utf8ToCp1252("\xC0\xAF"), "??");        // overlong encoding of "/"
    EXPECT_EQ(utf8ToCp1252("\xED\xA0\x80x"), "???x");  // a lone surrogate
    EXPECT_FALSE(utf8FitsCp1252("\xFF"));
}

}  // namespace
