// Paths shown in Windows-1252 texts: letters it cannot hold become the
// nearest ones it can, or "?". The names are UTF-8, as this file is written.
#include <gtest/gtest.h>

#include "platform/system_path.h"

namespace {

using platform::shownPath;

TEST(ShownPath, EveryCharacterWindows1252HoldsStaysAsItIs) {
    for (int byte = 1; byte < 256; ++byte) {
        const std::string character(1, static_cast<char>(byte));
        EXPECT_EQ(shownPath(platform::SystemPath::fromSystem(platform::cp1252ToUtf8(character))), character) << byte;
    }
}

TEST(ShownPath, OtherLettersShowAsTheSameLetterWithoutItsAccentElseAsAQuestionMark) {
    const struct {
        const char* path;
        const char* shown;
    } examples[] = {
        // Polish, Czech, Hungarian, Romanian, Turkish, Latvian: one plain letter each.
        {"Książki.pmr", "Ksiazki.pmr"},
        {"/home/Łukasz/Źródła/Żółw.pmr", "/home/Lukasz/Zr\xF3" "dla/Z\xF3lw.pmr"},  // ó is Windows-1252's own
        {"čeština ěščřžýáíé", "ce\x9Atina e\x9A" "cr\x9E\xFD\xE1\xED\xE9"},
        {"Kőrösi Űrhajós", "Kor\xF6si Urhaj\xF3s"},
        {"Țară Ștefan șă", "Tara Stefan sa"},
        {"Ğğ İ Ş Ā ſ", "Gg I S A ?"},
        // Letters that are no plain letter with a mark: dotless i, eng, ligature.
        {"ı ŋ Ŋ ĳ ĸ", "? ? ? ? ?"},
        // Pinyin and Vietnamese, from the first to the last of their letters.
        {"ǍǜƠưẠỹ Việt", "AuOuAy Viet"},
        // Other scripts, and what is not a character at all.
        {"~/Документы/книги.pmr", "~/????????\?/?????.pmr"},
        {"Βιβλία 日本 😀", "?????? ?? ?"},
        {"B\xFC" "cher", "B?cher"},  // a byte that is no UTF-8
        // A decomposed name: the combining accent goes, its letter stays.
        {"Cafe\xCC\x81 Ko\xCC\x88ln", "Cafe Koln"},
    };
    for (const auto& example : examples) EXPECT_EQ(shownPath(platform::SystemPath::fromSystem(example.path)), example.shown) << example.path;
}

}  // namespace
