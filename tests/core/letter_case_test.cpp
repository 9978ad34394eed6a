#include <gtest/gtest.h>

#include "core/letter_case.h"
#include "tests/core/catalogue_builders.h"

namespace {

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
    EXPECT_EQ(properCase("\xC9MILE ZOLA"), "\xC9mile Zola");  // É stays as it is
    EXPECT_EQ(toUpperAscii("caf\xE9"), "CAF\xE9");
}

TEST(ProperCase, IsIdempotent) {
    // Insertion relies on this to convert only the texts it adds.
    const char* samples[] = {"TOLKIEN, J. R. R.", "(THE) END", " - a.b,, c ;d/ (e) ", "OF THE", "x ,y", ". a .",
                             "THE. OF, A-A", "  ,  ,", "A", " it a "};
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
    c.upperCase = true;
    insertRecord(c, "SMITH,JOHN", "A TALE OF TWO CITIES", "Lent to Ann", 0, 0, 0);
    insertRecord(c, "SMITH, JOHN", "THE END", "GIVEN AWAY", 0, 0, 0);
    ASSERT_EQ(authorCount(c), 2);  // the blank after the comma makes them two authors
    toggleLetterCase(c);
    EXPECT_FALSE(c.upperCase);
    EXPECT_EQ(c.authors[1], "Smith, John");
    EXPECT_EQ(c.authors[2], "Smith, John");  // equal now, and still two entries
    EXPECT_EQ(c.records[1].disposition, "GIVEN AWAY");
    EXPECT_EQ(c.records[2].disposition, "Lent to Ann");
    toggleLetterCase(c);
    EXPECT_TRUE(c.upperCase);
    EXPECT_EQ(c.authors[1], "SMITH, JOHN");
    EXPECT_EQ(c.records[2].title, "A TALE OF TWO CITIES");
    EXPECT_EQ(c.records[1].disposition, "GIVEN AWAY");
}

TEST(ToggleLetterCase, DeletedRecordsAreConvertedToo) {
    Catalogue c;
    c.upperCase = true;
    addBook(c, "ADAMS", "HIDDEN BOOK");
    setFlag(c.records[1].flags, deleted, true);
    setFlag(c.records[1].flags, shown, false);
    toggleLetterCase(c);
    EXPECT_EQ(c.records[1].title, "Hidden Book");
}

TEST(ToggleLetterCase, MixedSpellingIsNotRestored) {
    Catalogue c;
    c.upperCase = true;
    addBook(c, "ADAMS", "X");
    c.records[1].title = "McDonald's iPod";
    c.lettersInForm = false;
    toggleLetterCase(c);
    EXPECT_EQ(c.records[1].title, "Mcdonald's Ipod");
}

}  // namespace
