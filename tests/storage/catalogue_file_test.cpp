// The catalogue file: the byte layout, loading, saving with the
// purge of deleted records, and round trips.
#include <gtest/gtest.h>

#include <cctype>

#include "core/folded_order.h"
#include "core/letter_case.h"
#include "core/marks.h"
#include "core/ordering.h"
#include "core/read_date.h"
#include "core/windows1252.h"
#include "platform/testing/failing_system_files.h"
#include "storage/catalogue_codec.h"
#include "storage/catalogue_file.h"
#include "tests/storage/storage_test_support.h"
#include "tests/support/catalogue_invariants.h"
#include "tests/support/large_catalogue.h"

namespace {

using namespace storage_test;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

// A catalogue in capitals, so that insertion changes no byte but a to z.
Catalogue capitals() {
    Catalogue c;
    c.books.upperCase = true;
    return c;
}

void add(Catalogue& c, const std::string& author, const std::string& title, const std::string& disposition = "",
         std::uint16_t date = 0, int category = 0, int review = 0) {
    ASSERT_EQ(insertRecord(c, author, title, disposition, date, static_cast<std::uint8_t>(category),
                           static_cast<std::uint8_t>(review)),
              InsertResult::Inserted);
}

// Saves c to path (which it names), insisting on success.
void save(Catalogue& c, const TestPath& path) {
    Ui ui;
    OpenedFile file{path, {}};
    c.books.changed = true;
    ASSERT_TRUE(saveCatalogueAsking(c, file, ui.storage))
        << (ui.messages.shown.empty() ? "" : ui.messages.shown[0].text);
    EXPECT_TRUE(ui.messages.shown.empty());
    EXPECT_FALSE(c.books.changed);
}

Catalogue load(const TestPath& path) {
    Ui ui;
    Catalogue c;
    OpenedFile file;
    file.path = path;
    EXPECT_TRUE(loadCatalogueTelling(c, file, ui.storage))
        << (ui.messages.shown.empty() ? "" : ui.messages.shown[0].text);
    return c;
}

const std::uint16_t Christmas2005 = 0x3399;  // 12-25-2005
const std::uint16_t LeapDay2004 = 0x305D;    // 02-29-2004

TEST(CatalogueFile, MagicIsTheNameABlankAndTheVersion) {
    EXPECT_EQ(FileMagic, "Quorvels 2.00");
    EXPECT_EQ(FileMagic.size(), 13u);
}

TEST(CatalogueFile, SaveWritesTheLayoutByteForByte) {
    TempDir dir;
    Catalogue c = capitals();
    OpenedFile file;
    add(c, "ADAMS, DOUGLAS", "HITCHHIKER", "LENT TO SAM", Christmas2005, 6, 8);
    add(c, "BRONTE, EMILY", "WUTHERING HEIGHTS", "", 0, 4, 5);
    add(c, "ADAMS, DOUGLAS", "RESTAURANT", "", LeapDay2004, 6, 7);
    setFlag(c.books.records[2].flags, MarkedFlag, true);
    c.books.records[3].flags |= 0x7C;  // bits 3 to 7, as a foreign file may hold them
    save(c, dir / "books.pmr");

    // Dates ascending: 0 (Wuthering), 02-29-2004 (Restaurant), 12-25-2005 (Hitchhiker).
    const std::string expected = Layout{}
                                     .counts(3, 2)
                                     .record(1, 3, 6, 8, 0x02, "HITCHHIKER", "LENT TO SAM")
                                     .record(1, 2, 6, 7, 0x82, "RESTAURANT", "")
                                     .record(2, 1, 4, 5, 0x7E, "WUTHERING HEIGHTS", "")
                                     .author("ADAMS, DOUGLAS")
                                     .author("BRONTE, EMILY")
                                     .date(0)
                                     .date(LeapDay2004)
                                     .date(Christmas2005)
                                     .bytes;
    EXPECT_EQ(readBytes(dir / "books.pmr"), expected);
}

TEST(CatalogueFile, EmptyCatalogueIsMagicAndTwoZeroCounts) {
    TempDir dir;
    Catalogue c;
    save(c, dir / "empty.pmr");
    EXPECT_EQ(readBytes(dir / "empty.pmr"), Layout{}.counts(0, 0).bytes);
}

TEST(CatalogueFile, LoadReadsEveryFieldOfAFileBuiltFromTheLayout) {
    TempDir dir;
    writeBytes(dir / "in.pmr", Layout{}
                                   .counts(3, 2)
                                   .record(1, 2, 14, 10, 0x82, "DUNE", "GIVEN AWAY")
                                   .record(2, 3, 200, 99, 0x7E, "EMMA", "")
                                   .record(2, 1, 0, 0, 0x83, "PERSUASION", "\x80\xFF")
                                   .author("HERBERT, FRANK")
                                   .author("AUSTEN, JANE")  // out of order: put in order
                                   .date(0)
                                   .date(LeapDay2004)
                                   .date(Christmas2005)
                                   .bytes);
    Ui ui;
    Catalogue c;
    OpenedFile file;
    file.path = dir / "in.pmr";
    c.books.changed = true;
    c.books.lettersInForm = true;
    c.view.currentRecord = 2;
    ASSERT_TRUE(loadCatalogueTelling(c, file, ui.storage));
    EXPECT_TRUE(ui.messages.shown.empty());

    // Put in author-then-title order: EMMA, PERSUASION, DUNE.
    ASSERT_EQ(recordCount(c.books), 3);
    ASSERT_EQ(authorCount(c.books), 2);
    EXPECT_EQ(c.books.records[3].title, "DUNE");
    EXPECT_EQ(c.books.records[3].disposition, "GIVEN AWAY");
    EXPECT_EQ(c.books.records[3].category, 14);
    EXPECT_EQ(c.books.records[3].review, 10);
    EXPECT_EQ(c.books.records[3].flags, 0x82);
    EXPECT_EQ(c.books.records[1].category, 200);
    EXPECT_EQ(c.books.records[1].review, 99);
    EXPECT_EQ(c.books.records[1].flags, 0x7E);
    EXPECT_EQ(c.books.records[2].disposition, "\u20AC\u00FF");  // Windows-1252 in the file, UTF-8 in the catalogue
    EXPECT_EQ(authorOf(c.books, 3), "HERBERT, FRANK");
    EXPECT_EQ(authorOf(c.books, 1), "AUSTEN, JANE");
    EXPECT_EQ(readDateOf(c.books, 3), LeapDay2004);
    EXPECT_EQ(readDateOf(c.books, 1), Christmas2005);
    EXPECT_EQ(readDateOf(c.books, 2), 0);

    EXPECT_FALSE(c.books.changed);
    EXPECT_EQ(c.books.markedCount, 2);
    EXPECT_TRUE(c.books.upperCase);
    EXPECT_FALSE(c.books.lettersInForm);
    EXPECT_EQ(file.path, dir / "in.pmr");
    EXPECT_EQ(c.view.currentRecord, 1);  // EMMA stays the current book
    // PERSUASION is deleted but shown, as the file says; the view follows the flags.
    EXPECT_EQ(viewCount(c.view), 3);
    EXPECT_EQ(c.view.selectedRow, 1);
    EXPECT_EQ(viewCaptionOf(c.view), "View All by Author");
    EXPECT_TRUE(invariantBreaks(c).empty());
    const std::vector<std::string> statuses{"Opening file...", ""};
    EXPECT_EQ(ui.statuses, statuses);
}

TEST(CatalogueFile, FilesOfTheOldFoldingLoadInTheNewOrderAndLoseOrMergeNothing) {
    // Written when only a-z were folded: "\xC9mile" (É) before "\xE9mile" (é),
    // both before "\xB5" (µ) is not; now É and é fold alike and µ as its
    // Greek capital, after every Windows-1252 letter.
    const std::vector<std::string> authors = {"Abe", "Zed", "\xB5sic", "\xC9mile", "\xE9mile"};
    const std::vector<std::string> loadedOrder = {"Abe", "Zed", "\u00C9mile", "\u00E9mile", "\u00B5sic"};
    TempDir dir;
    for (const bool outOfOrder : {false, true}) {
        Layout layout;
        layout.counts(5, 5);
        for (int r = 1; r <= 5; ++r) {
            const int a = outOfOrder ? 6 - r : r;  // a file out of order under either folding too
            layout.record(a, r, 0, 0, 2, "Book " + std::to_string(a), "");
        }
        for (const std::string& author : authors) layout.author(author);
        for (int d = 1; d <= 5; ++d) layout.date(0);
        writeBytes(dir / "old.pmr", layout.bytes);

        Catalogue c = load(dir / "old.pmr");
        EXPECT_FALSE(c.books.changed);
        ASSERT_EQ(std::vector<std::string>(c.books.authors.begin() + 1, c.books.authors.end()), loadedOrder);
        for (int r = 1; r <= 5; ++r) EXPECT_EQ(c.books.records[r].title, "Book " + std::string(1, "12453"[r - 1]));
        EXPECT_TRUE(invariantBreaks(c).empty());

        add(c, "\u00C9MILE", "Nana");  // joins the first of the two
        EXPECT_EQ(authorCount(c.books), 5);
        EXPECT_EQ(authorOf(c.books, c.view.currentRecord), "\u00C9mile");
        toggleLetterCase(c.books);
        c.books.records[1].flags |= 1u << (DeletedFlag - 1);
        EXPECT_TRUE(invariantBreaks(c).empty());
        {
            Ui ui;
            OpenedFile file{dir / "new.pmr", {}};
            file.form = FileForm::New;  // "Μ" needs it: the notice of the new form was given
            ASSERT_TRUE(saveCatalogueAsking(c, file, ui.storage));
        }
        const Catalogue reloaded = load(dir / "new.pmr");
        EXPECT_EQ(recordCount(reloaded.books), 5);
        EXPECT_EQ(authorCount(reloaded.books), 4);
        EXPECT_EQ(reloaded.books.authors[1], "ZED");
        EXPECT_EQ(reloaded.books.authors[2], "\u00C9MILE");  // the É and the é of the file stay apart
        EXPECT_EQ(reloaded.books.authors[3], "\u00C9MILE");
        EXPECT_EQ(reloaded.books.authors[4], "\u039CSIC");  // µ raised to its Greek capital
        EXPECT_TRUE(invariantBreaks(reloaded).empty());
    }
}

TEST(CatalogueFile, ProperCaseFirstAuthorMeansProperCase) {
    TempDir dir;
    writeBytes(dir / "p.pmr",
               Layout{}.counts(1, 1).record(1, 1, 0, 0, 2, "Emma", "").author("Austen, Jane").date(0).bytes);
    EXPECT_FALSE(load(dir / "p.pmr").books.upperCase);
}

TEST(CatalogueFile, MagicAloneIsAnEmptyCatalogueInCapitals) {
    TempDir dir;
    writeBytes(dir / "new.pmr", std::string(FileMagic));
    Catalogue c = load(dir / "new.pmr");
    EXPECT_EQ(recordCount(c.books), 0);
    EXPECT_EQ(authorCount(c.books), 0);
    EXPECT_EQ(viewCount(c.view), 0);
    EXPECT_TRUE(c.books.upperCase);
    EXPECT_EQ(viewCaptionOf(c.view), "View All by Author");
    EXPECT_EQ(readBytes(dir / "new.pmr"), FileMagic);  // loading changed nothing
}

TEST(CatalogueFile, MissingCountBytesReadAsZero) {
    TempDir dir;
    for (const std::string& tail :
         {std::string(1, '\0'), std::string(2, '\0'), std::string(3, '\0'), std::string(4, '\0')}) {
        writeBytes(dir / "short.pmr", std::string(FileMagic) + tail);
        Catalogue c = load(dir / "short.pmr");
        EXPECT_EQ(recordCount(c.books), 0);
        EXPECT_EQ(authorCount(c.books), 0);
    }
}

TEST(CatalogueFile, TrailingBytesAreIgnored) {
    TempDir dir;
    const std::string file =
        Layout{}.counts(1, 1).record(1, 1, 1, 1, 2, "T", "D").author("A").date(Christmas2005).bytes;
    writeBytes(dir / "tail.pmr", file + "trailing junk \x01\x02\xFF");
    Catalogue c = load(dir / "tail.pmr");
    ASSERT_EQ(recordCount(c.books), 1);
    EXPECT_EQ(c.books.records[1].title, "T");
    EXPECT_EQ(readDateOf(c.books, 1), Christmas2005);
    // A later save writes the catalogue without the tail.
    save(c, dir / "tail.pmr");
    EXPECT_EQ(readBytes(dir / "tail.pmr"), file);
}

TEST(CatalogueFile, WrongMagicInAnyByteGivesTheDataErrorAndChangesNothing) {
    TempDir dir;
    Catalogue c = capitals();
    OpenedFile file;
    add(c, "KEPT", "IN MEMORY");
    file.path = dir / "previous.pmr";
    c.books.changed = true;
    for (std::size_t at = 0; at < FileMagic.size(); ++at) {
        for (const bool letterCase : {false, true}) {
            std::string bytes = Layout{}.counts(0, 0).bytes;
            if (letterCase && std::isalpha(static_cast<unsigned char>(bytes[at])))
                bytes[at] = static_cast<char>(bytes[at] ^ 0x20);  // the same letter in the other case
            else
                bytes[at] = static_cast<char>(bytes[at] + 1);
            if (bytes.starts_with(NewFormMagic)) continue;  // the other form's magic
            writeBytes(dir / "other.pmr", bytes);
            const std::string before = dump(c, file);
            Ui ui;
            ui.messages.expect(Answer::Ok);
            file.path = dir / "other.pmr";
            EXPECT_FALSE(loadCatalogueTelling(c, file, ui.storage, dir / "previous.pmr"));
            ASSERT_EQ(ui.messages.shown.size(), 1u);
            EXPECT_EQ(ui.messages.shown[0].text,
                      "File Name: " + (dir / "other.pmr") + "\r\nWrong version of Books Program            ");
            EXPECT_EQ(ui.messages.shown[0].caption, "Data Error");
            EXPECT_EQ(ui.messages.shown[0].buttons, Buttons::Ok);
            EXPECT_EQ(ui.messages.shown[0].icon, Icon::Exclamation);
            EXPECT_EQ(file.path, dir / "previous.pmr");
            EXPECT_EQ(dump(c, file), before);
            EXPECT_EQ(readBytes(dir / "other.pmr"), bytes);
        }
    }
}

TEST(CatalogueFile, AnEmptyFileHasTheWrongMagic) {
    TempDir dir;
    writeBytes(dir / "empty.pmr", "");
    Ui ui;
    ui.messages.expect(Answer::Ok);
    Catalogue c;
    OpenedFile file;
    file.path = dir / "empty.pmr";
    EXPECT_FALSE(loadCatalogueTelling(c, file, ui.storage));
    ASSERT_EQ(ui.messages.shown.size(), 1u);
    EXPECT_EQ(ui.messages.shown[0].caption, "Data Error");
    EXPECT_EQ(file.path, platform::SystemPath{});
    EXPECT_EQ(readBytes(dir / "empty.pmr"), "");
}

TEST(CatalogueFile, AMissingFileIsReportedAndNotCreated) {
    TempDir dir;
    Catalogue c = capitals();
    OpenedFile file;
    add(c, "KEPT", "BOOK");
    file.path = dir / "old.pmr";
    const std::string before = dump(c, file);
    Ui ui;
    ui.messages.expect(Answer::Ok);
    file.path = dir / "missing.pmr";
    EXPECT_FALSE(loadCatalogueTelling(c, file, ui.storage, dir / "old.pmr"));
    ASSERT_EQ(ui.messages.shown.size(), 1u);
    EXPECT_EQ(ui.messages.shown[0].text, "File Name: " + (dir / "missing.pmr") +
                                             "\r\nThe file could not be read: No such file or directory.\r\n"
                                             "Nothing was loaded.");
    EXPECT_EQ(ui.messages.shown[0].caption, "File Error");
    EXPECT_EQ(ui.messages.shown[0].buttons, Buttons::Ok);
    EXPECT_EQ(ui.messages.shown[0].icon, Icon::Exclamation);
    EXPECT_FALSE(exists(dir / "missing.pmr"));
    EXPECT_EQ(dump(c, file), before);
    const std::vector<std::string> statuses{"Opening file...", ""};
    EXPECT_EQ(ui.statuses, statuses);
}

TEST(CatalogueFile, AFolderIsReported) {
    TempDir dir;
    fs::create_directory(dir / "folder.pmr");
    Ui ui;
    ui.messages.expect(Answer::Ok);
    Catalogue c;
    OpenedFile file;
    file.path = dir / "folder.pmr";
    EXPECT_FALSE(loadCatalogueTelling(c, file, ui.storage));
    ASSERT_EQ(ui.messages.shown.size(), 1u);
    EXPECT_NE(ui.messages.shown[0].text.find("Is a directory"), std::string::npos);
}

TEST(CatalogueFile, AReadErrorIsReportedWithTheSystemsReason) {
    TempDir dir;
    writeBytes(dir / "c.pmr", Layout{}.counts(0, 0).bytes);
    FailingSystemFiles failing;
    failing.calls.failAt = 1;  // after the file is described
    Ui ui(failing.files);
    ui.messages.expect(Answer::Ok);
    Catalogue c = capitals();
    OpenedFile file;
    add(c, "KEPT", "BOOK");
    file.path = dir / "old.pmr";
    const std::string before = dump(c, file);
    file.path = dir / "c.pmr";
    EXPECT_FALSE(loadCatalogueTelling(c, file, ui.storage, dir / "old.pmr"));
    EXPECT_EQ(failing.calls.failedCall(), "readFile");
    EXPECT_EQ(ui.messages.shown.at(0).text, "File Name: " + (dir / "c.pmr") +
                                                "\r\nThe file could not be read: Input/output error.\r\n"
                                                "Nothing was loaded.");
    EXPECT_EQ(dump(c, file), before);
}

TEST(CatalogueFile, CurrentRecordStaysUnlessTheNewFileIsShorter) {
    TempDir dir;
    writeBytes(dir / "two.pmr", Layout{}
                                    .counts(2, 1)
                                    .record(1, 1, 0, 0, 2, "A", "")
                                    .record(1, 2, 0, 0, 2, "B", "")
                                    .author("X")
                                    .date(0)
                                    .date(0)
                                    .bytes);
    Ui ui;
    Catalogue c;
    OpenedFile file;
    c.view.currentRecord = 2;
    file.path = dir / "two.pmr";
    ASSERT_TRUE(loadCatalogueTelling(c, file, ui.storage));
    EXPECT_EQ(c.view.currentRecord, 2);
    EXPECT_EQ(c.view.selectedRow, 2);
    c.view.currentRecord = 7;
    ASSERT_TRUE(loadCatalogueTelling(c, file, ui.storage));
    EXPECT_EQ(c.view.currentRecord, 0);
    EXPECT_EQ(c.view.selectedRow, 1);
}

TEST(CatalogueFile, NoFileNameLoadsNothingAndBuildsTheView) {
    Ui ui;
    Catalogue c;
    OpenedFile file;
    EXPECT_FALSE(loadCatalogueTelling(c, file, ui.storage));
    EXPECT_TRUE(ui.messages.shown.empty());
    EXPECT_EQ(viewCaptionOf(c.view), "View All by Author");
    EXPECT_EQ(c.view.version, 1u);  // the view was built
    const std::vector<std::string> statuses{""};
    EXPECT_EQ(ui.statuses, statuses);
}

// --- round trips ---------------------------------------------------------

// Saves, loads back, compares, and checks that a second save is identical.
// Saves, loads and saves again; returns the magic of the file written.
std::string roundTrip(Catalogue& c) {
    TempDir dir;
    save(c, dir / "rt.pmr");
    const std::string first = readBytes(dir / "rt.pmr");
    Catalogue back = load(dir / "rt.pmr");
    EXPECT_EQ(books(back), books(c));
    EXPECT_EQ(authorCount(back.books), authorCount(c.books));
    EXPECT_EQ(back.books.authors, c.books.authors);
    EXPECT_EQ(back.books.readDates, c.books.readDates);
    for (int i = 1; i <= recordCount(c.books); ++i) {
        EXPECT_EQ(back.books.records[i].authorIndex, c.books.records[i].authorIndex);
        EXPECT_EQ(back.books.records[i].dateIndex, c.books.records[i].dateIndex);
        EXPECT_EQ(back.books.records[i].flags, c.books.records[i].flags);
    }
    EXPECT_EQ(back.books.markedCount, c.books.markedCount);
    EXPECT_TRUE(invariantBreaks(back, false).empty());
    save(back, dir / "rt.pmr");
    EXPECT_EQ(readBytes(dir / "rt.pmr"), first);
    return first.substr(0, 13);
}

TEST(CatalogueRoundTrip, Empty) {
    Catalogue c;
    roundTrip(c);
}

TEST(CatalogueRoundTrip, OneRecord) {
    Catalogue c = capitals();
    add(c, "TOLKIEN, J.R.R.", "THE HOBBIT", "ON THE SHELF", Christmas2005, 6, 9);
    roundTrip(c);
}

TEST(CatalogueRoundTrip, EveryCategoryAndReviewCode) {
    Catalogue c = capitals();
    for (int category = 0; category <= 14; ++category)
        for (int review = 0; review <= 10; ++review)
            add(c, "AUTHOR " + std::to_string(category), "TITLE " + std::to_string(review), "", 0, category, review);
    roundTrip(c);
}

TEST(CatalogueRoundTrip, TextsOf255CharactersAndEveryHighWindows1252Character) {
    Catalogue c = capitals();
    // Authors and titles hold every high character but the two whose capitals
    // Windows-1252 lacks (ƒ and µ); dispositions, never converted, all.
    std::string highBytes, raisableBytes;
    for (int b = 0x80; b <= 0xFF; ++b) highBytes += static_cast<char>(b);
    for (const char b : highBytes)
        if (b != '\x83' && b != '\xB5') raisableBytes += b;
    const std::string high = windows1252ToUtf8(highBytes), raisable = windows1252ToUtf8(raisableBytes);
    add(c, std::string(255, 'A'), std::string(255, 'T'), std::string(255, 'd'));
    // 255 characters take more bytes than that in UTF-8.
    add(c, "\u00C9MILE \u00C0" + windows1252ToUtf8(raisableBytes.substr(0, 60)), raisable,
        high + std::string(127, 'x'));
    add(c, "B", "", "");
    EXPECT_EQ(roundTrip(c), FileMagic);
    EXPECT_EQ(c.books.records[1].title.size(), 255u);
}

TEST(CatalogueRoundTrip, MarksAndBitsThreeToSevenSurvive) {
    Catalogue c = capitals();
    add(c, "A", "ONE");
    add(c, "B", "TWO");
    add(c, "C", "THREE");
    c.books.records[1].flags |= 0x80;
    c.books.records[2].flags |= 0xFC;
    recountMarks(c.books);
    roundTrip(c);
}

TEST(CatalogueRoundTrip, ProperCaseWithAuthorsEqualAfterConversion) {
    // Two spellings that proper case makes equal stay two entries;
    // such a file must save and load like any other.
    Catalogue c = capitals();
    add(c, "SMITH,JOHN", "FIRST");
    add(c, "SMITH, JOHN", "SECOND");
    add(c, "SMITH, JO", "THIRD");
    toggleLetterCase(c.books);
    ASSERT_EQ(c.books.authors, (std::vector<std::string>{"", "Smith, Jo", "Smith, John", "Smith, John"}));
    // "Smith, John First" now sorts before "Smith, John Second": the file
    // loads in that order.
    putInFoldedOrder(c.books);
    roundTrip(c);
    TempDir dir;
    save(c, dir / "p.pmr");
    EXPECT_FALSE(load(dir / "p.pmr").books.upperCase);
}

TEST(CatalogueRoundTrip, LargestCatalogue) {
    Catalogue c = makeLargeCatalogue(MaxRecords);
    roundTrip(c);
}

// --- saving --------------------------------------------------------------

TEST(CatalogueSave, NothingIsWrittenWhileUnchanged) {
    TempDir dir;
    Ui ui;
    Catalogue c = capitals();
    OpenedFile file;
    add(c, "A", "B");
    c.books.changed = false;
    file.path = dir / "none.pmr";
    EXPECT_TRUE(saveCatalogueAsking(c, file, ui.storage));
    EXPECT_FALSE(exists(dir / "none.pmr"));
    const std::vector<std::string> statuses{"Saving file...", ""};
    EXPECT_EQ(ui.statuses, statuses);
}

TEST(CatalogueSave, AfterDeleteOnlyTheKeptRecordsTheirDatesAndAuthorsAreWritten) {
    TempDir dir;
    Catalogue c = capitals();
    OpenedFile file;
    add(c, "ADAMS", "ONE", "", Christmas2005);
    add(c, "BAKER", "GONE", "", LeapDay2004);  // Baker goes with his only book
    add(c, "ADAMS", "TWO", "", 0);
    add(c, "CLARK", "THREE", "", LeapDay2004);
    add(c, "ADAMS", "GONE TOO", "", 0x2021);
    for (int i = 1; i <= recordCount(c.books); ++i)
        if (c.books.records[i].title.rfind("GONE", 0) == 0) {
            setFlag(c.books.records[i].flags, DeletedFlag, true);
            setFlag(c.books.records[i].flags, ShownFlag, false);
        }
    const std::vector<std::string> kept = books(c, true);
    c.view.currentRecord = 5;  // THREE, by Clark
    ASSERT_EQ(c.books.records[5].title, "THREE");
    rebuildView(c);
    save(c, dir / "d.pmr");

    EXPECT_EQ(recordCount(c.books), 3);
    EXPECT_EQ(c.books.authors, (std::vector<std::string>{"", "ADAMS", "CLARK"}));
    EXPECT_EQ(books(c), kept);
    EXPECT_TRUE(invariantBreaks(c).empty());
    EXPECT_EQ(c.view.currentRecord, 3);
    EXPECT_EQ(c.books.records[c.view.currentRecord].title, "THREE");
    EXPECT_EQ(viewCount(c.view), 3);

    // The file, field by field: ONE (12-25-2005), TWO (undated), THREE (02-29-2004).
    const std::string expected = Layout{}
                                     .counts(3, 2)
                                     .record(1, 3, 0, 0, 2, "ONE", "")
                                     .record(1, 1, 0, 0, 2, "TWO", "")
                                     .record(2, 2, 0, 0, 2, "THREE", "")
                                     .author("ADAMS")
                                     .author("CLARK")
                                     .date(0)
                                     .date(LeapDay2004)
                                     .date(Christmas2005)
                                     .bytes;
    EXPECT_EQ(readBytes(dir / "d.pmr"), expected);
    Catalogue back = load(dir / "d.pmr");
    EXPECT_EQ(books(back), kept);

    // A second save writes the same file again.
    save(c, dir / "d.pmr");
    EXPECT_EQ(readBytes(dir / "d.pmr"), expected);
}

// The old version of an edited book is deleted with its mark: the save drops
// the mark with the record, as a later load of the file would count it.
TEST(CatalogueSave, AMarkedDeletedRecordTakesItsMarkAlong) {
    TempDir dir;
    Catalogue c = capitals();
    add(c, "ADAMS", "OLD");
    add(c, "ADAMS", "KEPT");
    for (int i = 1; i <= recordCount(c.books); ++i) setMarked(c.books, i, true);
    setFlag(c.books.records[2].flags, DeletedFlag, true);  // OLD
    save(c, dir / "m.pmr");
    EXPECT_EQ(recordCount(c.books), 1);
    EXPECT_EQ(c.books.markedCount, 1);
    EXPECT_EQ(load(dir / "m.pmr").books.markedCount, c.books.markedCount);
}

TEST(CatalogueSave, AfterFindOrListAllExactlyTheUndeletedRecordsAreWritten) {
    TempDir dir;
    Catalogue c = capitals();
    for (int i = 0; i < 8; ++i) add(c, "AUTHOR " + std::to_string(i % 3), "TITLE " + std::to_string(i), "", 0);
    // Every combination of shown and deleted, as Find and List All leave them.
    for (int i = 1; i <= 8; ++i) {
        setFlag(c.books.records[i].flags, ShownFlag, i % 2 == 0);
        setFlag(c.books.records[i].flags, DeletedFlag, i % 4 >= 2);
    }
    c.view.mode = ViewMode::Found;
    rebuildView(c);
    const std::vector<std::string> kept = books(c, true);
    save(c, dir / "f.pmr");
    const std::string bytes = readBytes(dir / "f.pmr");
    EXPECT_EQ(static_cast<unsigned char>(bytes[13]), 4);  // R equals the blocks written
    EXPECT_EQ(bytes[14], 0);
    Catalogue back = load(dir / "f.pmr");
    EXPECT_EQ(books(back), kept);
    for (int i = 1; i <= recordCount(back.books); ++i) {
        EXPECT_TRUE(testFlag(back.books.records[i].flags, ShownFlag));
        EXPECT_FALSE(testFlag(back.books.records[i].flags, DeletedFlag));
    }
    EXPECT_TRUE(invariantBreaks(back).empty());
    EXPECT_EQ(books(c), kept);  // memory holds what was written

    // With nothing to drop, memory keeps its tables and shows every record.
    setFlag(c.books.records[1].flags, ShownFlag, false);
    save(c, dir / "f.pmr");
    for (int i = 1; i <= recordCount(c.books); ++i) EXPECT_TRUE(testFlag(c.books.records[i].flags, ShownFlag));
    EXPECT_EQ(books(c), kept);
}

TEST(CatalogueSave, AShorterCatalogueOverALongerFileLoadsBackExactly) {
    TempDir dir;
    Catalogue c = makeLargeCatalogue(500);
    save(c, dir / "s.pmr");
    for (int i = 1; i <= recordCount(c.books); ++i)
        if (i % 10 != 0) setFlag(c.books.records[i].flags, DeletedFlag, true);
    save(c, dir / "s.pmr");
    EXPECT_EQ(recordCount(c.books), 50);
    Catalogue back = load(dir / "s.pmr");
    EXPECT_EQ(books(back), books(c));
    EXPECT_EQ(back.books.authors, c.books.authors);
    EXPECT_TRUE(invariantBreaks(back).empty());
}

TEST(CatalogueSave, AnUnusedAuthorFromAFileIsDroppedAtTheNextSave) {
    TempDir dir;
    writeBytes(dir / "u.pmr", Layout{}
                                  .counts(1, 3)
                                  .record(3, 1, 0, 0, 2, "BOOK", "")
                                  .author("AARON")
                                  .author("BOB")
                                  .author("CAROL")
                                  .date(0)
                                  .bytes);
    Catalogue c = load(dir / "u.pmr");
    EXPECT_EQ(authorOf(c.books, 1), "CAROL");
    save(c, dir / "u.pmr");
    EXPECT_EQ(readBytes(dir / "u.pmr"),
              Layout{}.counts(1, 1).record(1, 1, 0, 0, 2, "BOOK", "").author("CAROL").date(0).bytes);
    EXPECT_EQ(authorOf(c.books, 1), "CAROL");
}

TEST(CatalogueSave, ATextOver255CharactersIsRefusedAndNothingIsWritten) {
    TempDir dir;
    const std::string old = Layout{}.counts(0, 0).bytes;
    writeBytes(dir / "t.pmr", old);
    for (int field = 0; field < 3; ++field) {
        Catalogue c = capitals();
        OpenedFile file;
        add(c, "AUTHOR", "TITLE", "DISPOSITION");
        if (field == 0) c.books.authors[1] = std::string(256, 'A');
        if (field == 1) c.books.records[1].title = std::string(300, 'T');
        if (field == 2) c.books.records[1].disposition = std::string(256, 'd');
        file.path = dir / "t.pmr";
        const std::string before = dump(c, file);
        Ui ui;
        ui.messages.expect(Answer::Ok);
        EXPECT_FALSE(saveCatalogueAsking(c, file, ui.storage));
        ASSERT_EQ(ui.messages.shown.size(), 1u);
        const std::string& text = ui.messages.shown[0].text;
        EXPECT_EQ(text.rfind("File Name: " + (dir / "t.pmr") + "\r\nThe catalogue could not be saved: the ", 0), 0u)
            << text;
        EXPECT_NE(text.find("a text can hold at most 255.\r\nNothing was written and the changes are kept."),
                  std::string::npos)
            << text;
        EXPECT_EQ(ui.messages.shown[0].caption, "File Error");
        EXPECT_EQ(ui.messages.shown[0].icon, Icon::Stop);
        EXPECT_EQ(dump(c, file), before);
        EXPECT_TRUE(c.books.changed);
        EXPECT_EQ(readBytes(dir / "t.pmr"), old);
        EXPECT_EQ(namesIn(dir.path), std::set<std::string>{"t.pmr"});
    }
}

TEST(CatalogueSave, ALongTextInADeletedRecordIsNoObstacle) {
    TempDir dir;
    Catalogue c = capitals();
    add(c, "AUTHOR", "TITLE");
    add(c, "OTHER", "LONG");
    c.books.records[2].title = std::string(400, 'L');
    setFlag(c.books.records[2].flags, DeletedFlag, true);
    save(c, dir / "l.pmr");
    EXPECT_EQ(recordCount(c.books), 1);
}

TEST(CatalogueSave, WithoutAFileNameNothingIsWritten) {
    Ui ui;
    ui.messages.expect(Answer::Ok);
    Catalogue c = capitals();
    OpenedFile file;
    add(c, "A", "B");
    EXPECT_FALSE(saveCatalogueAsking(c, file, ui.storage));
    EXPECT_TRUE(c.books.changed);
    ASSERT_EQ(ui.messages.shown.size(), 1u);
    EXPECT_NE(ui.messages.shown[0].text.find("Save As"), std::string::npos);
}

TEST(CatalogueSave, StatusShowsSavingThenTheFile) {
    TempDir dir;
    Ui ui;
    Catalogue c = capitals();
    OpenedFile file;
    add(c, "A", "B");
    file.path = dir / "s.pmr";
    ASSERT_TRUE(saveCatalogueAsking(c, file, ui.storage));
    const std::vector<std::string> statuses{"Saving file...", ""};
    EXPECT_EQ(ui.statuses, statuses);
}

// --- the Open command's new file ------------------------------------------

TEST(CreateEmptyCatalogueFile, CreatesTheMagicForAMissingOrEmptyFileOnly) {
    TempDir dir;
    Ui ui;
    EXPECT_TRUE(createEmptyCatalogueFileTelling(dir / "new.pmr", ui.storage));
    EXPECT_EQ(readBytes(dir / "new.pmr"), FileMagic);
    writeBytes(dir / "empty.pmr", "");
    EXPECT_TRUE(createEmptyCatalogueFileTelling(dir / "empty.pmr", ui.storage));
    EXPECT_EQ(readBytes(dir / "empty.pmr"), FileMagic);
    writeBytes(dir / "other.pmr", "something else");
    EXPECT_TRUE(createEmptyCatalogueFileTelling(dir / "other.pmr", ui.storage));
    EXPECT_EQ(readBytes(dir / "other.pmr"), "something else");
    EXPECT_TRUE(ui.messages.shown.empty());

    ui.messages.expect(Answer::Ok);
    EXPECT_FALSE(createEmptyCatalogueFileTelling(dir / "no/such/folder.pmr", ui.storage));
    ASSERT_EQ(ui.messages.shown.size(), 1u);
    EXPECT_NE(ui.messages.shown[0].text.find(missingFolderReason()), std::string::npos);

    Catalogue c;
    OpenedFile file;
    file.path = dir / "new.pmr";
    EXPECT_TRUE(loadCatalogueTelling(c, file, ui.storage));
    EXPECT_EQ(recordCount(c.books), 0);
}

}  // namespace
