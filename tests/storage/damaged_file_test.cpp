// Damaged catalogue files: refused with a message that names the file, or
// loaded with every index inside its table; never a crash, and a refused load
// changes nothing in memory.
#include <gtest/gtest.h>

#include "core/letter_case.h"
#include "core/ordering.h"
#include "storage/catalogue_codec.h"
#include "storage/catalogue_file.h"
#include "tests/storage/storage_test_support.h"
#include "tests/support/catalogue_invariants.h"

namespace {

using namespace storage_test;
using platform::Answer;

// A small valid file: three records (one marked, one dated twice as late),
// two authors, read dates ascending.
std::string smallFile() {
    return Layout{}
        .counts(3, 2)
        .record(1, 3, 6, 8, 0x82, "DUNE", "LENT")
        .record(1, 1, 2, 0, 0x02, "EMMA", "")
        .record(2, 2, 14, 10, 0x7E, "ULYSSES", "SHELF")
        .author("AUSTEN, JANE")
        .author("JOYCE, JAMES")
        .date(0)
        .date(0x305D)
        .date(0x3399)
        .bytes;
}

// The catalogue in memory before each load: something else, under another
// name, which it gives `file`.
Catalogue previousCatalogue(OpenedFile& file) {
    Catalogue c;
    c.books.upperCase = true;
    insertRecord(c, "PREVIOUS", "BOOK", "", 0, 1, 1);
    insertRecord(c, "PREVIOUS", "OTHER BOOK", "", 0x3399, 1, 1);
    c.books.changed = true;
    file.path = TestPath("previous.pmr");
    c.view.currentRecord = 2;
    return c;
}

struct Loaded {
    bool loaded = false;
    std::string message;  // the text of the one message box, if any
    std::string caption;
};

// Loads `bytes` over previousCatalogue() and checks what every load promises.
Loaded loadBytes(const std::string& bytes) {
    BytesFiles files;
    files.bytes = bytes;
    Ui ui(files);
    ui.messages.expect(Answer::Ok);
    OpenedFile file;
    Catalogue c = previousCatalogue(file);
    const std::string before = dump(c, file);
    file.path = TestPath("damaged.pmr");
    Loaded result;
    result.loaded = loadCatalogueTelling(c, file, ui.storage, TestPath("previous.pmr"));
    if (!ui.messages.shown.empty()) {
        result.message = ui.messages.shown[0].text;
        result.caption = ui.messages.shown[0].caption;
    }
    if (!result.loaded) {
        EXPECT_EQ(ui.messages.shown.size(), 1u);
        EXPECT_EQ(result.caption, "Data Error");
        EXPECT_EQ(result.message.rfind("File Name: damaged.pmr\r\n", 0), 0u) << result.message;
        EXPECT_EQ(dump(c, file), before);  // nothing changed, the file's path included
        return result;
    }
    EXPECT_TRUE(ui.messages.shown.empty());
    EXPECT_EQ(file.path, TestPath("damaged.pmr"));
    const auto breaks = invariantBreaks(c, false);
    EXPECT_TRUE(breaks.empty()) << breaks.front();
    // Whatever loaded can be worked with and written back.
    c.view.sortByDate = true;
    rebuildView(c);
    EXPECT_TRUE(invariantBreaks(c, false).empty());
    const PurgePlan plan = planPurge(c.books);
    EXPECT_EQ(plan.problem, "");
    Catalogue again;
    EXPECT_EQ(decodeCatalogue(encodeCatalogue(c.books, plan), again.books).status, DecodeResult::Loaded);
    toggleLetterCase(c.books);
    EXPECT_EQ(insertRecord(c, "NEW AUTHOR", "NEW BOOK", "", 0x2021, 1, 1), InsertResult::Inserted);
    EXPECT_TRUE(invariantBreaks(c, false).empty());
    return result;
}

std::string damagedText(const std::string& problem) {
    return "File Name: damaged.pmr\r\nThe file is damaged: " + problem + ".\r\nNothing was loaded.";
}

TEST(DamagedFile, TheSmallFileItselfLoads) {
    EXPECT_TRUE(loadBytes(smallFile()).loaded);
}

TEST(DamagedFile, NegativeCountsAreRefused) {
    EXPECT_EQ(loadBytes(Layout{}.counts(-1, 0).bytes).message, damagedText("it declares -1 records"));
    EXPECT_EQ(loadBytes(Layout{}.counts(0, -32768).bytes).message, damagedText("it declares -32768 authors"));
    EXPECT_EQ(loadBytes(Layout{}.counts(-2, 5).bytes).message, damagedText("it declares -2 records"));
}

TEST(DamagedFile, AnAuthorIndexOutsideTheTableIsRefused) {
    for (const int index : {0, 3, -1, 32767}) {
        const std::string file =
            Layout{}.counts(1, 2).record(index, 1, 0, 0, 2, "T", "").author("A").author("B").date(0).bytes;
        EXPECT_EQ(loadBytes(file).message,
                  damagedText("record 1 names author " + std::to_string(index) + ", but the file holds 2 authors"));
    }
}

TEST(DamagedFile, ARecordWithoutAnyAuthorIsRefused) {
    const std::string file = Layout{}.counts(1, 0).record(1, 1, 0, 0, 2, "T", "").date(0).bytes;
    EXPECT_EQ(loadBytes(file).message, damagedText("record 1 names author 1, but the file holds 0 authors"));
}

TEST(DamagedFile, ADateIndexOutsideTheTableIsRefused) {
    for (const int index : {0, 3, -7}) {
        const std::string file = Layout{}
                                     .counts(2, 1)
                                     .record(1, 1, 0, 0, 2, "A", "")
                                     .record(1, index, 0, 0, 2, "B", "")
                                     .author("X")
                                     .date(0)
                                     .date(0)
                                     .bytes;
        EXPECT_EQ(loadBytes(file).message,
                  damagedText("record 2 names read date " + std::to_string(index) + ", but the file holds 2 read dates"));
    }
}

TEST(DamagedFile, TwoRecordsSharingAReadDateAreRefused) {
    const std::string file = Layout{}
                                 .counts(3, 1)
                                 .record(1, 2, 0, 0, 2, "A", "")
                                 .record(1, 1, 0, 0, 2, "B", "")
                                 .record(1, 2, 0, 0, 2, "C", "")
                                 .author("X")
                                 .date(0)
                                 .date(0)
                                 .date(0)
                                 .bytes;
    EXPECT_EQ(loadBytes(file).message, damagedText("records 1 and 3 share read date 2"));
}

TEST(DamagedFile, WhatTheOriginalLayoutCanHoldIsAccepted) {
    // Authors out of order and equal (after a proper-case conversion), an
    // author no record uses, equal dates, dates that are no real date,
    // foreign codes and flags.
    const std::string file = Layout{}
                                 .counts(3, 3)
                                 .record(2, 2, 99, 99, 0xFF, "Dune", "")
                                 .record(3, 1, 0, 0, 0x00, "Emma", "")
                                 .record(3, 3, 0, 0, 0x02, "Ulysses", "")
                                 .author("Smith, John")
                                 .author("Doe, Jane")
                                 .author("Doe, Jane")
                                 .date(0x0001)
                                 .date(0x0001)
                                 .date(0xFFFF)
                                 .bytes;
    EXPECT_TRUE(loadBytes(file).loaded);
}

TEST(DamagedFile, ReadDatesOutOfOrderAreRefused) {
    const std::string file = Layout{}
                                 .counts(3, 1)
                                 .record(1, 1, 0, 0, 2, "A", "")
                                 .record(1, 2, 0, 0, 2, "B", "")
                                 .record(1, 3, 0, 0, 2, "C", "")
                                 .author("X")
                                 .date(0)
                                 .date(0x3399)
                                 .date(0x305D)
                                 .bytes;
    EXPECT_EQ(loadBytes(file).message, damagedText("its read dates are out of order at entry 3"));
}

TEST(DamagedFile, EveryTruncationLoadsOnlyWhereNothingButCountsIsMissing) {
    const std::string file = smallFile();
    for (std::size_t length = 0; length < file.size(); ++length) {
        SCOPED_TRACE("length " + std::to_string(length));
        const Loaded result = loadBytes(file.substr(0, length));
        if (length < FileMagic.size()) {
            EXPECT_FALSE(result.loaded);
            EXPECT_NE(result.message.find("Wrong version of Books Program"), std::string::npos);
        } else if (length == FileMagic.size()) {
            EXPECT_TRUE(result.loaded);  // the magic alone: the empty catalogue
        } else {
            EXPECT_FALSE(result.loaded);
            EXPECT_EQ(result.message,
                      damagedText("it ends after " + std::to_string(length) +
                                  " bytes, before the end of the records, authors and read dates it declares"));
        }
    }
}

TEST(DamagedFile, EverySingleByteChangeLoadsOrIsRefusedCleanly) {
    const std::string file = smallFile();
    int loaded = 0;
    int refused = 0;
    for (std::size_t at = 0; at < file.size(); ++at) {
        for (int value = 0; value < 256; ++value) {
            if (static_cast<unsigned char>(file[at]) == value) continue;
            std::string changed = file;
            changed[at] = static_cast<char>(value);
            SCOPED_TRACE("offset " + std::to_string(at) + " value " + std::to_string(value));
            (loadBytes(changed).loaded ? loaded : refused)++;
            if (::testing::Test::HasFailure()) return;
        }
    }
    // Both outcomes occur: text and code bytes load as they are, index and
    // count bytes mostly make the file refused.
    EXPECT_GT(loaded, 0);
    EXPECT_GT(refused, 0);
}

TEST(DamagedFile, EveryTruncationAndByteChangeOfAFileWithLongTextsIsHandled) {
    // Length bytes that run past the end, or swallow the following fields.
    const std::string file = Layout{}
                                 .counts(2, 1)
                                 .record(1, 2, 1, 1, 2, std::string(255, 'T'), std::string(200, 'D'))
                                 .record(1, 1, 1, 1, 2, "", std::string(255, '\xFF'))
                                 .author(std::string(255, 'A'))
                                 .date(0)
                                 .date(0x3399)
                                 .bytes;
    ASSERT_TRUE(loadBytes(file).loaded);
    for (std::size_t length = 0; length < file.size(); length += 7) loadBytes(file.substr(0, length));
    for (const std::size_t at : {13u, 14u, 15u, 16u, 17u, 19u, 21u, 22u, 23u, 24u, 280u, 481u, 487u, 488u, 744u, 1000u})
        for (const int value : {0, 1, 0x7F, 0x80, 0xFF}) {
            if (at >= file.size()) continue;
            std::string changed = file;
            changed[at] = static_cast<char>(value);
            loadBytes(changed);
        }
}

}  // namespace
