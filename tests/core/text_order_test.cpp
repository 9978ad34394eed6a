#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/grapheme_clusters.h"
#include "core/letter_case.h"
#include "core/ordering.h"
#include "core/utf8.h"
#include "core/windows1252.h"

namespace {

int sign(int value) { return (value > 0) - (value < 0); }

// The rank of a Windows-1252 byte: that of its letter's fold.
std::uint32_t foldedRank(char byte) {
    std::size_t start = 0;
    const char32_t fold = foldOf(*decodeUtf8(windows1252ToUtf8(std::string(1, byte)), start));
    const auto windowsByte = windows1252Byte(fold);
    return windowsByte ? *windowsByte : 256u + fold;
}

// The order of Windows-1252 texts: byte by byte, by folded rank, a prefix first.
int byteOrder(const std::string& a, const std::string& b) {
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const auto x = foldedRank(a[i]), y = foldedRank(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return sign(static_cast<int>(a.size()) - static_cast<int>(b.size()));
}

std::string randomBytes(std::mt19937& random, int length) {
    std::string bytes;
    for (int i = 0; i < length; ++i) bytes += static_cast<char>(std::uniform_int_distribution<int>(1, 255)(random));
    return bytes;
}

// Characters of many scripts, with the letters and marks Windows-1252 holds.
std::string randomText(std::mt19937& random, int length) {
    static constexpr char32_t Samples[] = {U'a', U'Z', U'[',  U'é',  U'É',      U'€',      U'Ÿ',          U'ł', U'Ж',
                                           U'ж', U'Ω', U'あ', U'漢', U'\u0301', U'\u05D0', U'\U0001F600', U' '};
    std::string text;
    for (int i = 0; i < length; ++i)
        appendUtf8(text, Samples[std::uniform_int_distribution<int>(0, std::size(Samples) - 1)(random)]);
    return text;
}

// The characters of a text, read by decoding them one by one.
std::optional<std::size_t> decodedCharacterCount(std::string_view text) {
    std::size_t characters = 0;
    for (std::size_t position = 0; position < text.size(); ++characters)
        if (!decodeUtf8(text, position)) return std::nullopt;
    return characters;
}

// The ranks compareFolded orders texts by, read character by character.
std::vector<std::uint32_t> ranksOf(std::string_view text) {
    std::vector<std::uint32_t> ranks;
    for (std::size_t position = 0; position < text.size();) {
        const auto byte = static_cast<unsigned char>(text[position]);
        const auto character = decodeUtf8(text, position);
        const auto windowsByte = character ? windows1252Byte(foldOf(*character)) : std::nullopt;
        ranks.push_back(!character ? 0x110100u + byte : windowsByte ? *windowsByte : 256u + foldOf(*character));
    }
    return ranks;
}

}  // namespace

TEST(TextOrder, Windows1252TextsKeepTheOrderOfTheirFoldedBytesAndEveryByteSurvivesTheRoundTrip) {
    std::mt19937 random(29);
    for (int round = 0; round < 4000; ++round) {
        const std::string a = randomBytes(random, round % 5), b = randomBytes(random, round % 3);
        const std::string textA = windows1252ToUtf8(a), textB = windows1252ToUtf8(b);
        ASSERT_TRUE(isWellFormedUtf8(textA) && fitsWindows1252(textA));
        ASSERT_EQ(utf8ToWindows1252(textA), a);
        ASSERT_EQ(characterCount(textA), a.size());
        ASSERT_EQ(sign(compareFolded(textA, textB)), byteOrder(a, b)) << a << " | " << b;
    }
}

TEST(TextOrder, OtherCharactersRankAfterWindows1252ByCodePointAndKeysCompareAsJoinedTexts) {
    EXPECT_LT(compareFolded("\xC3\xBF", "\xC5\x82"), 0);        // ÿ (0xFF) before ł (256 + U+0142)
    EXPECT_LT(compareFolded("\xE2\x82\xAC", "\xC3\xA9"), 0);    // € (0x80) before é (0xE9)
    EXPECT_LT(compareFolded("\xC5\x82", "\xD0\x96"), 0);        // ł before Ж by code point
    EXPECT_EQ(compareFolded("abc\xD0\xB6", "ABC\xD0\x96"), 0);  // every letter folds: ж as Ж
    EXPECT_EQ(compareFolded("\xC3\xA9", "\xC3\x89"), 0);        // é as É
    std::mt19937 random(30);
    for (int round = 0; round < 2000; ++round) {
        const std::string authorA = randomText(random, round % 4), titleA = randomText(random, 3);
        const std::string authorB = randomText(random, round % 3), titleB = randomText(random, 2);
        ASSERT_TRUE(isWellFormedUtf8(authorA));
        ASSERT_EQ(sign(compareRecordKeys(authorA, titleA, authorB, titleB)),
                  sign(compareFolded(authorA + " " + titleA, authorB + " " + titleB)));
        ASSERT_EQ(sign(compareFolded(authorA, authorB)), -sign(compareFolded(authorB, authorA)));
    }
}

TEST(Utf8, MalformedSequencesAreRefusedAndFourByteCharactersCount) {
    for (const char* bad :
         {"\x80", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xC3", "\xF0\x9F\x98"})
        EXPECT_FALSE(isWellFormedUtf8(bad)) << bad;
    std::string face;
    appendUtf8(face, U'\U0001F600');
    EXPECT_EQ(face, "\xF0\x9F\x98\x80");
    EXPECT_EQ(characterCount("a" + face + "\xD0\x96"), 3u);
    EXPECT_FALSE(fitsWindows1252(face));
    EXPECT_EQ(utf8ToWindows1252("\xD0\x96" + face + "\xC3\xA9"), "??\xE9");
}

TEST(Utf8, CheckingOnTheBytesAgreesWithDecodingAndTextsThatBeginAlikeCompareByRank) {
    std::mt19937 random(31);
    const auto below = [&](std::size_t bound) { return random() % bound; };
    for (int round = 0; round < 6000; ++round) {
        // Texts cut anywhere, a byte changed, a lead and continuation bytes put in.
        std::string text = randomText(random, static_cast<int>(below(12)));
        if (round % 4 == 1 && !text.empty()) text.resize(below(text.size()));
        if (round % 4 == 2 && !text.empty()) text[below(text.size())] = static_cast<char>(below(256));
        if (round % 4 == 3) {
            std::string bytes(1, static_cast<char>(0xC0 + below(64)));
            for (std::size_t more = below(4); more > 0; --more) bytes += static_cast<char>(0x80 + below(64));
            text.insert(below(text.size() + 1), bytes);
        }
        ASSERT_EQ(wellFormedCharacterCount(text), decodedCharacterCount(text)) << text;
        // Texts that begin alike are ordered by their ranks all the same.
        const std::string start = randomText(random, static_cast<int>(below(10)));
        const std::string a = start + randomText(random, 2) + text, b = start + randomText(random, 2);
        const auto ranksA = ranksOf(a), ranksB = ranksOf(b);
        ASSERT_EQ(sign(compareFolded(a, b)), ranksA < ranksB ? -1 : ranksB < ranksA ? 1 : 0) << a << " | " << b;
        ASSERT_EQ(sign(compareRecordKeys(a, b, b, a)), sign(compareFolded(a + " " + b, b + " " + a)));
    }
}

namespace {

struct ClusterCase {
    std::string_view text;
    std::vector<std::size_t> boundaries;  // after the first character, the end included
};

const ClusterCase ClusterCases[] = {
#include "grapheme_break_cases.inc"
};

}  // namespace

TEST(GraphemeClusters, BreakWhereTheUnicodeCharacterDatabaseSays) {
    for (const ClusterCase& test : ClusterCases) {
        std::vector<std::size_t> boundaries;
        for (std::size_t at = 0; at < test.text.size();) boundaries.push_back(at = nextClusterBoundary(test.text, at));
        EXPECT_EQ(boundaries, test.boundaries) << testing::PrintToString(std::string(test.text));
        for (std::size_t bytes = 0; bytes <= test.text.size(); ++bytes) {
            const std::size_t prefix = wholeClusterPrefix(test.text, bytes);
            ASSERT_LE(prefix, bytes);
            ASSERT_TRUE(prefix == 0 || std::count(boundaries.begin(), boundaries.end(), prefix) == 1);
            ASSERT_TRUE(std::none_of(boundaries.begin(), boundaries.end(),
                                     [&](std::size_t b) { return b > prefix && b <= bytes; }));
        }
    }
}
