// Damaged catalogue files of either form: refused with a message that names
// the file, or loaded with every index inside its table; never a crash, and a
// refused load changes nothing in memory. And texts of every script through
// both forms.
#include <gtest/gtest.h>

#include <random>

#include "core/letter_case.h"
#include "core/marks.h"
#include "core/ordering.h"
#include "core/utf8.h"
#include "core/windows1252.h"
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

TEST(DamagedFile, TheSmallFileItselfLoads) { EXPECT_TRUE(loadBytes(smallFile()).loaded); }

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
        EXPECT_EQ(loadBytes(file).message, damagedText("record 2 names read date " + std::to_string(index) +
                                                       ", but the file holds 2 read dates"));
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

// Pieces of texts: the first ones Windows-1252 holds, the others (Latin
// letters with other accents, Cyrillic, Greek, Japanese, Hebrew, emoji,
// combining marks) it does not.
const std::vector<std::string> FittingPieces = {"A", "z", " ", ",", "\u00E9", "\u00DF", "\u0153", "\u20AC", "\u2014"};
const std::vector<std::string> OtherPieces = {
    "\u0142", "\u010D", "\u0416", "\u03BB", "\u65E5", "\u304B", "\u05E9", "\U0001F4DA", "\U0001F44D\U0001F3FD",
    "e\u0301"};

// A text of at most `most` characters, now and then exactly that many.
std::string makeText(std::mt19937& random, bool fittingOnly, std::size_t most) {
    const std::size_t target = random() % 4 == 0 ? most : random() % (most + 1);
    for (std::string text;;) {
        const auto& pieces = fittingOnly || random() % 3 != 0 ? FittingPieces : OtherPieces;
        const std::string& piece = pieces[random() % pieces.size()];
        if (characterCount(text) + characterCount(piece) > target) return text;
        text += piece;
    }
}

// The file a saved catalogue must be, built from its tables field by field:
// the old form when Windows-1252 holds every text, else the new one.
std::string layoutOf(const BookTables& c) {
    bool fits = true;
    for (int i = 1; i <= recordCount(c); ++i)
        for (const std::string& text : {authorOf(c, i), c.records[i].title, c.records[i].disposition})
            fits = fits && fitsWindows1252(text);
    const auto text = [fits](const std::string& t) { return fits ? utf8ToWindows1252(t) : t; };
    Layout layout = fits ? Layout{} : Layout::ofNewForm();
    layout.counts(recordCount(c), authorCount(c));
    for (int i = 1; i <= recordCount(c); ++i) {
        const BookRecord& r = c.records[i];
        layout.record(r.authorIndex, r.dateIndex, r.category, r.review, r.flags, text(r.title), text(r.disposition));
    }
    for (int a = 1; a <= authorCount(c); ++a) layout.author(text(c.authors[a]));
    for (int i = 1; i <= recordCount(c); ++i) layout.date(c.readDates[i]);
    return layout.bytes;
}

// Every cut, and every byte set to values that matter to lengths and UTF-8.
void damageEveryByte(const std::string& file) {
    for (std::size_t length = 0; length < file.size(); ++length) loadBytes(file.substr(0, length));
    for (std::size_t at = 0; at < file.size() && !::testing::Test::HasFailure(); ++at)
        for (const int value : {0x00, 0x01, 0x03, 0x7F, 0x80, 0xBF, 0xC3, 0xE6, 0xF0, 0xFF}) {
            std::string changed = file;
            changed[at] = static_cast<char>(value);
            SCOPED_TRACE("offset " + std::to_string(at) + " value " + std::to_string(value));
            loadBytes(changed);
        }
}

TEST(FileForms, TextsOfEveryScriptRoundTripInTheFormTheyNeedAndDamageIsHandled) {
    TempDir dir;
    int newForms = 0;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        const bool small = seed <= 6;  // small enough to damage at every byte
        const std::size_t longest = small ? 6 : MaxTextCharacters;
        Catalogue c;
        c.books.upperCase = true;  // so that insertion changes no length
        for (int books = small ? 3 : 1 + random() % 12; books > 0; --books) {
            const auto text = [&](std::size_t most) { return makeText(random, seed % 3 == 0, most); };
            const auto date = static_cast<std::uint16_t>(random() % 3 == 0 ? 0 : 0x2000 + random() % 4000);
            insertRecord(c, "A" + text(longest - 1), text(longest), text(longest), date, random() % 15, random() % 11);
            if (random() % 4 == 0) setMarked(c.books, c.view.currentRecord, true);
            if (random() % 6 == 0) setFlag(c.books.records[c.view.currentRecord].flags, DeletedFlag, true);
        }
        OpenedFile opened{dir / "forms.pmr", {}};
        c.books.changed = true;
        ASSERT_EQ(saveCatalogue(c, opened, platform::systemFiles()).result, SaveOutcome::Saved);
        const std::string file = readBytes(dir / "forms.pmr");
        EXPECT_EQ(file, layoutOf(c.books));
        EXPECT_EQ(opened.form, file.starts_with(NewFormMagic) ? FileForm::New : FileForm::Old);
        newForms += opened.form == FileForm::New;

        Catalogue back;
        OpenedFile reopened{opened.path, {}};
        ASSERT_TRUE(loadCatalogue(back, reopened, platform::systemFiles()).loaded);
        EXPECT_EQ(reopened.form, opened.form);
        EXPECT_EQ(books(back), books(c));
        EXPECT_EQ(back.books.authors, c.books.authors);
        EXPECT_EQ(back.books.markedCount, c.books.markedCount);
        if (small && opened.form == FileForm::New) damageEveryByte(file);
    }
    EXPECT_GT(newForms, 10);
    EXPECT_LT(newForms, 50);

    // Long texts, whose lengths a damaged byte may carry past the end or
    // beyond any text.
    Catalogue c;
    c.books.upperCase = true;
    insertRecord(c, "\u0416UKOV", std::string(250, 'T'), std::string(250, 'D'), 0, 1, 1);
    insertRecord(c, "\u0416UKOV", "B", "", 0x3399, 1, 1);
    damageEveryByte(encodeCatalogue(c.books, planPurge(c.books)));

    // A text of 255 characters loads; one more is refused.
    for (const std::size_t characters : {255u, 256u}) {
        const std::string title = std::string(characters - 1, 'T') + "\u0416";
        const std::string file =
            Layout::ofNewForm().counts(1, 1).record(1, 1, 0, 0, 2, title, "").author("A").date(0).bytes;
        EXPECT_EQ(loadBytes(file).message,
                  characters == 255 ? ""
                                    : damagedText("the title of record 1 holds 256 characters; a text holds at "
                                                  "most 255 characters of UTF-8"));
    }
}

}  // namespace
