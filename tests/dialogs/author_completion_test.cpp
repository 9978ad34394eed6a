#include <gtest/gtest.h>

#include "dialogs/author_completion.h"
#include "tests/core/catalogue_builders.h"

namespace {

Catalogue withAuthors(std::initializer_list<const char*> authors) {
    Catalogue c;
    for (const char* author : authors) addBook(c, author, "A BOOK");
    return c;
}

TEST(AuthorCompletion, ProposesInTurnAndKeepsTheTypedSpelling) {
    const Catalogue c = withAuthors({"Smithson", "Adams", "Smithers", "Zola"});
    int start = 1;
    auto first = completeAuthor(c.books, "Smi", start);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->text, "Smithers");
    EXPECT_EQ(first->text.substr(first->selectFrom), "thers");
    EXPECT_EQ(start, 3);  // after Smithers: Adams, Smithers, Smithson, Zola

    auto next = completeAuthor(c.books, "Smit", start);
    ASSERT_TRUE(next);
    EXPECT_EQ(next->text, "Smithson");
    EXPECT_EQ(next->text.substr(next->selectFrom), "hson");

    int fresh = 1;
    EXPECT_EQ(completeAuthor(c.books, "SMI", fresh)->text, "SMIthers");
}

TEST(AuthorCompletion, ShortTextsAndMismatchesProposeNothingAndRestart) {
    const Catalogue c = withAuthors({"Smithers", "Keith"});
    int start = 2;
    EXPECT_FALSE(completeAuthor(c.books, "Sm", start));
    EXPECT_EQ(start, 1);
    start = 2;
    EXPECT_FALSE(completeAuthor(c.books, "ith", start));  // contained, but not at the start
    EXPECT_EQ(start, 1);
    EXPECT_FALSE(completeAuthor(c.books, "Smithers", start));  // equal names are never proposed
}

TEST(AuthorCompletion, LastAuthorIsProposedAndStartWrapsToOne) {
    const Catalogue c = withAuthors({"Adams", "Zola"});
    int start = 1;
    auto proposal = completeAuthor(c.books, "zol", start);
    ASSERT_TRUE(proposal);
    EXPECT_EQ(proposal->text, "zola");
    EXPECT_EQ(start, 1);
}

TEST(AuthorCompletion, DeletingTheProposalOffersTheNextMatch) {
    const Catalogue c = withAuthors({"Smithers", "Smithson"});
    int start = 1;
    ASSERT_EQ(completeAuthor(c.books, "Smi", start)->text, "Smithers");
    ASSERT_EQ(completeAuthor(c.books, "Smi", start)->text, "Smithson");  // the user deleted "thers"
    EXPECT_EQ(start, 1);                                                 // Smithson is the last author
    EXPECT_EQ(completeAuthor(c.books, "Smi", start)->text, "Smithers");
}

}  // namespace
