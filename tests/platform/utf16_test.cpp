#include <gtest/gtest.h>

#include "platform/utf16.h"

namespace {

using platform::utf16Length;
using platform::utf16ToUtf8;
using platform::utf8PrefixOfUtf16Units;
using platform::utf8ToUtf16;

TEST(Utf16, EveryCharacterCrossesBothWaysAndWhatIsMalformedBecomesTheReplacementCharacter) {
    const std::string text = "Bront\u00EB \u20AC \u05E9\u05DC\u05D5\u05DD \u65E5\u672C e\u0301 \U0001F44D\U0001F3FD";
    const std::u16string units =
        u"Bront\u00EB \u20AC \u05E9\u05DC\u05D5\u05DD \u65E5\u672C e\u0301 \U0001F44D\U0001F3FD";
    EXPECT_EQ(utf8ToUtf16(text), units);
    EXPECT_EQ(utf16ToUtf8(units), text);
    EXPECT_EQ(utf16Length(text), units.size());
    EXPECT_EQ(utf8ToUtf16("a\xC3"), u"a\uFFFD");                    // cut short
    EXPECT_EQ(utf8ToUtf16("\xC0\xAF!"), u"\uFFFD\uFFFD!");          // an overlong form
    EXPECT_EQ(utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // an encoded surrogate
    EXPECT_EQ(utf16ToUtf8(std::u16string{u'a', char16_t(0xD800), u'b', char16_t(0xDC00)}), "a\uFFFDb\uFFFD");
}

TEST(Utf16, APrefixOfUnitsIsAPrefixOfWholeCharactersInBytes) {
    const std::string text = "\u00E9\U0001F600x";  // two bytes, four bytes in two units, one byte
    EXPECT_EQ(utf8PrefixOfUtf16Units(text, 0), 0u);
    EXPECT_EQ(utf8PrefixOfUtf16Units(text, 1), 2u);
    EXPECT_EQ(utf8PrefixOfUtf16Units(text, 2), 2u);  // never half a pair
    EXPECT_EQ(utf8PrefixOfUtf16Units(text, 3), 6u);
    EXPECT_EQ(utf8PrefixOfUtf16Units(text, 9), text.size());
}

}  // namespace
