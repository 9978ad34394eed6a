// Paths shown in texts: their own names, of any script; only bytes that are
// no UTF-8 show as the replacement character. The names are UTF-8, as this
// file is written.
#include <gtest/gtest.h>

#include "platform/system_path.h"

namespace {

using platform::shownPath;

TEST(ShownPath, EveryNameShowsAsItIsAndMalformedBytesAsTheReplacementCharacter) {
    const struct {
        const char* path;
        const char* shown;
    } examples[] = {
        {"/home/Łukasz/Źródła/Żółw.pmr", "/home/Łukasz/Źródła/Żółw.pmr"},
        {"~/Документы/книги.pmr", "~/Документы/книги.pmr"},
        {"Βιβλία 日本 😀 ספרים", "Βιβλία 日本 😀 ספרים"},
        {"Cafe\xCC\x81 Ko\xCC\x88ln", "Cafe\xCC\x81 Ko\xCC\x88ln"},  // decomposed accents stay
        {"B\xFC"
         "cher",
         "B\uFFFD"
         "cher"},                        // a byte that is no UTF-8
        {"a\xE2\x82", "a\uFFFD\uFFFD"},  // a character cut short
    };
    for (const auto& example : examples)
        EXPECT_EQ(shownPath(platform::SystemPath::fromSystem(example.path)), example.shown) << example.path;
}

}  // namespace
