#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/letter_case.h"
#include "tests/core/catalogue_builders.h"

namespace {

// The proper-case conversion exactly as the rule reads, one word at a time
// with a new string for each: the conversion that reuses its room must give
// the same text for every input.
std::string properCaseWordByWord(std::string_view text) {
    const auto words =
        std::count_if(text.begin(), text.end(), [](char ch) { return WordBreaks.find(ch) != std::string_view::npos; }) +
        1;
    const auto dropLeadingBlanks = [](std::string_view t) {
        const auto first = t.find_first_not_of(' ');
        return first == std::string_view::npos ? std::string_view{} : t.substr(first);
    };
    std::string result;
    for (long n = 0; n < words; ++n) {
        const auto end = std::min(text.find_first_of(WordBreaks), text.size());
        std::string word = toLowerAscii(text.substr(0, end));
        const bool hasBreak = end < text.size();
        const char breakChar = hasBreak ? text[end] : '\0';
        text = dropLeadingBlanks(hasBreak ? text.substr(end + 1) : std::string_view{});
        if (!word.empty()) {
            if (breakChar == '.' && word.size() == 1)
                word[0] = toUpperAscii(word[0]);
            else if (SmallWords.find(" " + word + " ") == std::string_view::npos)
                word[0] = toUpperAscii(word[0]);
        }
        result += word;
        if (hasBreak) result += breakChar;
        if (breakChar == ',') result += ' ';
    }
    if (!result.empty()) result[0] = toUpperAscii(result[0]);
    const auto first = result.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return result.substr(first, result.find_last_not_of(' ') - first + 1);
}

TEST(ProperCase, GivesTheWordByWordResultForAnyText) {
    // Pieces that meet every branch: small words, one-letter initials,
    // every break, runs of blanks, other bytes.
    const std::vector<std::string> pieces = {
        "the", "THIS", "At",      "for",      "from",          "or", "nor", "in", "WITH", "of", "it", "a", "An", "th",
        "o",   "x",    "Tolkien", "mcDONALD", "\u00E9t\u00E9", " ",  "  ",  ",",  ";",    ".",  "-",  "/", "(",  ")",
        ":",   "\t",   "\0"};
    std::mt19937 random(11);
    for (int sample = 0; sample < 20000; ++sample) {
        std::string text;
        for (int n = static_cast<int>(random() % 12); n > 0; --n) text += pieces[random() % pieces.size()];
        ASSERT_EQ(properCase(text), properCaseWordByWord(text)) << '"' << text << '"';
        std::string converted = text;
        convertLetterCase(converted, false);
        ASSERT_EQ(converted, properCaseWordByWord(text.substr(std::min(text.size(), text.find_first_not_of(' ')))));
    }
}

TEST(ProperCase, SmallWordsStayLowExceptFirst) {
    EXPECT_EQ(properCase("THE LORD OF THE RINGS"), "The Lord of the Rings");
    EXPECT_EQ(properCase("A TALE OF TWO CITIES"), "A Tale of Two Cities");
    EXPECT_EQ(properCase("WAR AND PEACE"), "War And Peace");
    EXPECT_EQ(properCase("GONE WITH THE WIND"), "Gone with the Wind");
}

TEST(ProperCase, CommasInitialsAndBreaks) {
    EXPECT_EQ(properCase("TOLKIEN, J. R. R."), "Tolkien, J.R.R.");
    EXPECT_EQ(properCase("SMITH,JOHN"), "Smith, John");
    EXPECT_EQ(properCase("MARY-KATE"), "Mary-Kate");
    EXPECT_EQ(properCase("(THE) END"), "(the)End");
    EXPECT_EQ(properCase("McDONALD"), "Mcdonald");
    EXPECT_EQ(properCase("a."), "A.");
    EXPECT_EQ(properCase("TIME AND A WORD"), "Time And a Word");
    EXPECT_EQ(properCase("ANSWER: A. YES"), "Answer: A.Yes");
}

TEST(ProperCase, BlanksAreFoldedAndTrimmed) {
    EXPECT_EQ(properCase("  MANY    BLANKS   HERE  "), "Many Blanks Here");
    EXPECT_EQ(properCase("ONE ,  TWO"), "One , Two");
    EXPECT_EQ(properCase(""), "");
    EXPECT_EQ(properCase("   "), "");
    EXPECT_EQ(properCase(",,"), ", ,");
}

TEST(ProperCase, OnlyAsciiLettersChange) {
    EXPECT_EQ(properCase("\u00C9MILE ZOLA"), "\u00C9mile Zola");  // É stays as it is
    EXPECT_EQ(toUpperAscii("caf\u00E9"), "CAF\u00E9");
}

TEST(ProperCase, IsIdempotent) {
    // Insertion relies on this to convert only the texts it adds.
    const char* samples[] = {"TOLKIEN, J. R. R.",
                             "(THE) END",
                             " - a.b,, c ;d/ (e) ",
                             "OF THE",
                             "x ,y",
                             ". a .",
                             "THE. OF, A-A",
                             "  ,  ,",
                             "A",
                             " it a "};
    for (const char* sample : samples) {
        std::string once = sample;
        convertLetterCase(once, false);
        std::string twice = once;
        convertLetterCase(twice, false);
        EXPECT_EQ(twice, once) << sample;
    }
}

TEST(ToggleLetterCase, ConvertsAuthorsAndTitlesButNeverDispositions) {
    Catalogue c;
    c.books.upperCase = true;
    insertRecord(c, "SMITH,JOHN", "A TALE OF TWO CITIES", "Lent to Ann", 0, 0, 0);
    insertRecord(c, "SMITH, JOHN", "THE END", "GIVEN AWAY", 0, 0, 0);
    ASSERT_EQ(authorCount(c.books), 2);  // the blank after the comma makes them two authors
    toggleLetterCase(c.books);
    EXPECT_FALSE(c.books.upperCase);
    EXPECT_EQ(c.books.authors[1], "Smith, John");
    EXPECT_EQ(c.books.authors[2], "Smith, John");  // equal now, and still two entries
    EXPECT_EQ(c.books.records[1].disposition, "GIVEN AWAY");
    EXPECT_EQ(c.books.records[2].disposition, "Lent to Ann");
    toggleLetterCase(c.books);
    EXPECT_TRUE(c.books.upperCase);
    EXPECT_EQ(c.books.authors[1], "SMITH, JOHN");
    EXPECT_EQ(c.books.records[2].title, "A TALE OF TWO CITIES");
    EXPECT_EQ(c.books.records[1].disposition, "GIVEN AWAY");
}

TEST(ToggleLetterCase, DeletedRecordsAreConvertedToo) {
    Catalogue c;
    c.books.upperCase = true;
    addBook(c, "ADAMS", "HIDDEN BOOK");
    setFlag(c.books.records[1].flags, DeletedFlag, true);
    setFlag(c.books.records[1].flags, ShownFlag, false);
    toggleLetterCase(c.books);
    EXPECT_EQ(c.books.records[1].title, "Hidden Book");
}

TEST(ToggleLetterCase, MixedSpellingIsNotRestored) {
    Catalogue c;
    c.books.upperCase = true;
    addBook(c, "ADAMS", "X");
    c.books.records[1].title = "McDonald's iPod";
    c.books.lettersInForm = false;
    toggleLetterCase(c.books);
    EXPECT_EQ(c.books.records[1].title, "Mcdonald's Ipod");
}

}  // namespace
