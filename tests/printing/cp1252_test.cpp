#include <gtest/gtest.h>

#include "platform/cp1252.h"

namespace {

using platform::cp1252CharToUnicode;
using platform::cp1252ToUtf16;
using platform::cp1252ToUtf8;
using platform::utf16ToCp1252;
using platform::utf8FitsCp1252;
using platform::utf8ToCp1252;

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte) everyByte += static_cast<char>(byte);
    const std::string utf8 = cp1252ToUtf8(everyByte);
    EXPECT_TRUE(utf8FitsCp1252(utf8));
    EXPECT_EQ(utf8ToCp1252(utf8), everyByte);
    EXPECT_EQ(cp1252ToUtf16(everyByte).size(), 256u);
}

TEST(Cp1252, HighBytesMapToTheirUnicodeCharacters) {
    EXPECT_EQ(cp1252ToUtf8("Bront\xEB \x80 \x93x\x94 \x9F"), "Bront\u00EB \u20AC \u201Cx\u201D \u0178");
    EXPECT_EQ(cp1252ToUtf16("\x85\xA0\xFF"), u"\u2026\u00A0\u00FF");
    EXPECT_EQ(utf8ToCp1252("\u2122 \u0160koda"), "\x99 \x8Akoda");
}

TEST(Cp1252, CharactersWithoutAByteAndMalformedUtf8BecomeTheReplacement) {
    EXPECT_EQ(utf8ToCp1252("\u65E5\u672C x \U0001F600"), "?? x ?");
    EXPECT_EQ(utf8ToCp1252("a\xC3", '_'), "a_");              // cut short
    EXPECT_EQ(utf8ToCp1252("\xC0\xAF\x80"), "???");           // overlong form, stray continuation
    EXPECT_EQ(utf8ToCp1252("\xED\xA0\x80z"), "???z");         // a surrogate
    EXPECT_EQ(utf8ToCp1252("\xF4\x90\x80\x80"), "????");      // beyond U+10FFFF
    EXPECT_FALSE(utf8FitsCp1252("\u65E5"));
    EXPECT_FALSE(utf8FitsCp1252("\xC3"));
    EXPECT_TRUE(utf8FitsCp1252("caf\u00E9 \u20AC"));
}

TEST(Cp1252, Utf16HasOneUnitForEachByteBothWays) {
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte) everyByte += static_cast<char>(byte);
    const std::u16string units = cp1252ToUtf16(everyByte);
    for (int byte = 0; byte < 256; ++byte) EXPECT_EQ(units[byte], cp1252CharToUnicode(static_cast<char>(byte)));
    EXPECT_EQ(utf16ToCp1252(units), everyByte);
    // A pair of surrogates is one character; a lone surrogate is none.
    EXPECT_EQ(utf16ToCp1252(u"\u65E5 \U0001F600 \u20AC"), "? ? \x80");
    EXPECT_EQ(utf16ToCp1252(std::u16string{u'a', char16_t(0xD800), u'b', char16_t(0xDC00)}, '_'), "a_b_");
}

}  // namespace
