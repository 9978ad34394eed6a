#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/catalogue.h"
#include "core/marks.h"
#include "core/ordering.h"
#include "core/read_date.h"
#include "platform/testing/recording_print_surface.h"
#include "platform/testing/scripted_message_boxes.h"
#include "printing/print_books.h"

namespace {

using platform::scripted::RecordingPrintSurface;
using Drawn = RecordingPrintSurface::DrawnText;

// With the recording surface's defaults (96 dpi screen, line gap 4) the normal
// size has a character height of 46 and a line height of 50.
constexpr int Height = 46;
constexpr int Line = 50;
constexpr int slotY(int slot) { return TopMargin + slot * Line; }

// Records "Author 01" / "Title 01" and so on, in that view order; odd numbers
// were read on 03-<n>-2001, even numbers are unread.
Catalogue catalogueOf(int count) {
    Catalogue catalogue;
    for (int n = 1; n <= count; ++n) {
        const std::string number = (n < 10 ? "0" : "") + std::to_string(n);
        const std::uint16_t date = n % 2 ? packReadDate("03-" + number + "-2001") : 0;
        insertRecord(catalogue, "Author " + number, "Title " + number, "", date, 0, 0);
    }
    return catalogue;
}

void mark(Catalogue& catalogue, std::vector<int> rows) {
    for (const int row : rows) setMarked(catalogue.books, catalogue.view.order[row], true);
}

int markedFlags(const BookTables& books) {
    return static_cast<int>(std::count_if(books.records.begin() + 1, books.records.end(),
                                          [](const BookRecord& r) { return testFlag(r.flags, MarkedFlag) != 0; }));
}

// The texts of one column of a page, top to bottom.
std::vector<std::string> column(const RecordingPrintSurface::Page& page, int x) {
    std::vector<std::string> texts;
    for (const Drawn& drawn : page)
        if (drawn.x == x) texts.push_back(drawn.text);
    return texts;
}

struct PrintBooks : testing::Test {
    void print(Catalogue& catalogue, PrintOptions options) { printBooks(catalogue, options, &printer, boxes); }

    // Page holding exactly `lines` line heights.
    void pageOfLines(int lines) { printer.height = lines * Line; }

    RecordingPrintSurface printer;
    platform::scripted::ScriptedMessageBoxes boxes;  // any box is unexpected
    const PrintOptions allList{.allListed = true, .normalFont = true, .bookData = false};
    const PrintOptions allData{.allListed = true, .normalFont = true, .bookData = true};
};

TEST_F(PrintBooks, BookListPutsHeadingInSlotZeroAndRecordsFromSlotThree) {
    Catalogue catalogue = catalogueOf(3);
    setFlag(catalogue.books.records[2].flags, ReadUndatedFlag, true);  // read on a day nobody knows
    print(catalogue, allList);

    ASSERT_EQ(printer.pages.size(), 1u);
    const std::vector<Drawn> expected = {
        {ColumnA, slotY(0), "List of Books", Height}, {ColumnC, slotY(0), "Page 1", Height},
        {ColumnA, slotY(3), "Author 01", Height},     {ColumnB, slotY(3), "  Title 01", Height},
        {ColumnC, slotY(3), "  03-01-2001", Height},  {ColumnA, slotY(4), "Author 02", Height},
        {ColumnB, slotY(4), "  Title 02", Height},    {ColumnC, slotY(4), "  read", Height},
        {ColumnA, slotY(5), "Author 03", Height},     {ColumnB, slotY(5), "  Title 03", Height},
        {ColumnC, slotY(5), "  03-03-2001", Height},
    };
    EXPECT_EQ(printer.pages[0], expected);
    EXPECT_EQ(printer.calls, (std::vector<std::string>{"startJob Quorvel", "startPage", "endPage", "endJob"}));
}

TEST_F(PrintBooks, BookDataAddsCategoryReviewDispositionAndRules) {
    Catalogue catalogue;
    insertRecord(catalogue, "Author", "Title", "Lent to Ann", packReadDate("12-31-1999"), 1, 2);
    print(catalogue, allData);

    const std::string rule(110, '-');  // 2400 wide, a dash 20 wide: 120 - 10
    ASSERT_EQ(printer.pages.size(), 1u);
    const std::vector<Drawn> expected = {
        {ColumnA, slotY(0), "Book Data", Height},
        {ColumnC, slotY(0), "Page 1", Height},
        {ColumnA, slotY(2), rule, Height},
        {ColumnA, slotY(3), "Author", Height},
        {ColumnB, slotY(3), "  Title", Height},
        {ColumnC, slotY(3), "  12-31-1999", Height},
        {ColumnA, slotY(4), "Spy, Terrible", Height},
        {ColumnB, slotY(4), "  Lent to Ann", Height},
        {ColumnA, slotY(5), rule, Height},
    };
    EXPECT_EQ(printer.pages[0], expected);
}

TEST_F(PrintBooks, SmallSizeShrinksCharactersAndLines) {
    Catalogue catalogue = catalogueOf(1);
    print(catalogue, {.allListed = true, .normalFont = false, .bookData = false});

    ASSERT_EQ(printer.pages.size(), 1u);
    for (const Drawn& drawn : printer.pages[0]) EXPECT_EQ(drawn.characterHeight, 36);
    EXPECT_EQ(printer.pages[0].back().y, TopMargin + 3 * 40);
}

TEST_F(PrintBooks, BookListPageOfExactlyLLinesHoldsLMinusThreeRecords) {
    for (const int lines : {4, 10, 11}) {
        SCOPED_TRACE(lines);
        printer = {};
        pageOfLines(lines);
        Catalogue catalogue = catalogueOf(lines - 3 + 1);
        print(catalogue, allList);

        ASSERT_EQ(printer.pages.size(), 2u);
        EXPECT_EQ(column(printer.pages[0], ColumnA).size(), 1u + (lines - 3));
        EXPECT_EQ(printer.pages[0].back().y, slotY(lines - 1));
        const std::string next = "Author " + std::string(lines - 2 < 10 ? "0" : "") + std::to_string(lines - 2);
        EXPECT_EQ(column(printer.pages[1], ColumnA), (std::vector<std::string>{"List of Books", next}));
        EXPECT_EQ(column(printer.pages[1], ColumnC).front(), "Page 2");
        EXPECT_EQ(printer.pages[1][2], (Drawn{ColumnA, slotY(3), next, Height}));
    }
}

TEST_F(PrintBooks, BookDataPageHoldsAThirdOfTheLinesBelowTheHeading) {
    for (const int lines : {6, 10, 11, 12}) {
        SCOPED_TRACE(lines);
        printer = {};
        pageOfLines(lines);
        const int perPage = (lines - 3) / 3;
        Catalogue catalogue = catalogueOf(2 * perPage + 1);
        print(catalogue, allData);

        ASSERT_EQ(printer.pages.size(), 3u);
        for (int page = 0; page < 3; ++page) {
            const std::vector<std::string> titles = column(printer.pages[page], ColumnB);
            const std::size_t records = page < 2 ? perPage : 1;
            EXPECT_EQ(titles.size(), 2 * records);  // title and disposition of each record
            EXPECT_EQ(column(printer.pages[page], ColumnC).front(), "Page " + std::to_string(page + 1));
        }
    }
}

TEST_F(PrintBooks, PageTooSmallForHeadingAndRecordGivesEachRecordItsOwnPage) {
    for (const PrintOptions& options : {allList, allData}) {
        printer = {};
        pageOfLines(options.bookData ? 5 : 3);
        Catalogue catalogue = catalogueOf(3);
        print(catalogue, options);

        ASSERT_EQ(printer.pages.size(), 3u);
        for (int page = 0; page < 3; ++page)
            EXPECT_EQ(column(printer.pages[page], ColumnB)[0], "  Title 0" + std::to_string(page + 1));
    }
}

TEST_F(PrintBooks, EmptyViewGivesOneEmptyPage) {
    Catalogue empty;
    print(empty, allData);
    EXPECT_EQ(printer.calls, (std::vector<std::string>{"startJob Quorvel", "startPage", "endPage", "endJob"}));
    ASSERT_EQ(printer.pages.size(), 1u);
    EXPECT_TRUE(printer.pages[0].empty());

    printer = {};
    Catalogue unmarked = catalogueOf(5);
    print(unmarked, {});
    ASSERT_EQ(printer.pages.size(), 1u);
    EXPECT_TRUE(printer.pages[0].empty());
}

TEST_F(PrintBooks, MarkedOnlyPrintsTheMarkedInViewOrderAndClearsTheirMarks) {
    Catalogue catalogue = catalogueOf(10);
    mark(catalogue, {9, 2, 5});
    catalogue.books.changed = false;
    print(catalogue, {.allListed = false, .normalFont = true, .bookData = false});

    ASSERT_EQ(printer.pages.size(), 1u);
    EXPECT_EQ(column(printer.pages[0], ColumnA),
              (std::vector<std::string>{"List of Books", "Author 02", "Author 05", "Author 09"}));
    EXPECT_EQ(catalogue.books.markedCount, 0);
    EXPECT_EQ(markedFlags(catalogue.books), 0);
    EXPECT_FALSE(catalogue.books.changed);  // cleared marks alone are not worth a save
}

TEST_F(PrintBooks, MarkedOnlyKeepsTheMarksOutsideTheView) {
    Catalogue catalogue = catalogueOf(10);
    mark(catalogue, {1, 2, 3});  // 02 is unread
    catalogue.view.mode = ViewMode::Read;
    rebuildView(catalogue);
    print(catalogue, {});

    EXPECT_EQ(column(printer.pages[0], ColumnA), (std::vector<std::string>{"List of Books", "Author 01", "Author 03"}));
    EXPECT_EQ(catalogue.books.markedCount, 1);
    EXPECT_EQ(markedFlags(catalogue.books), 1);
}

TEST_F(PrintBooks, AllListedPrintsEveryRecordAndLeavesMarksAlone) {
    Catalogue catalogue = catalogueOf(10);
    mark(catalogue, {4, 7});
    print(catalogue, allList);

    EXPECT_EQ(column(printer.pages[0], ColumnA).size(), 11u);
    EXPECT_EQ(catalogue.books.markedCount, 2);
    EXPECT_EQ(markedFlags(catalogue.books), 2);
}

TEST_F(PrintBooks, CategoryAndReviewTextForEachCombination) {
    Catalogue catalogue;
    insertRecord(catalogue, "Ames", "Neither", "", 0, 0, 0);
    insertRecord(catalogue, "Bell", "Category only", "", 0, 2, 0);
    insertRecord(catalogue, "Cole", "Review only", "", 0, 0, 5);
    insertRecord(catalogue, "Dunn", "Both", "kept", 0, 2, 5);
    print(catalogue, allData);

    const std::string rule(110, '-');
    EXPECT_EQ(column(printer.pages[0], ColumnA),
              (std::vector<std::string>{"Book Data", rule, "Ames", rule, "Bell", "Mystery", rule, "Cole", "Ok", rule,
                                        "Dunn", "Mystery, Ok", rule}));
    EXPECT_EQ(column(printer.pages[0], ColumnB).back(), "  kept");
}

TEST_F(PrintBooks, LongTitleIsDrawnCutTo254Characters) {
    Catalogue catalogue;
    insertRecord(catalogue, "Author", "t" + std::string(254, 'x'), "", 0, 0, 0);
    print(catalogue, allList);

    const std::vector<std::string> titles = column(printer.pages[0], ColumnB);
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_EQ(titles[0], "  T" + std::string(251, 'x'));
}

TEST_F(PrintBooks, RuleDashCountRoundsHalvesToEven) {
    printer.byteWidth = 2;  // 100 dashes are 200 wide
    const struct {
        int pageWidth;
        std::size_t dashes;
    } cases[] = {{25, 2}, {26, 3}, {27, 4}, {29, 4}, {20, 0}, {10, 0}};  // 12.5-10, 13-10, 13.5-10, 14.5-10, ...
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pageWidth);
        printer.width = c.pageWidth;
        printer.pages.clear();
        Catalogue catalogue = catalogueOf(1);
        print(catalogue, allData);
        const std::vector<std::string> columnA = column(printer.pages[0], ColumnA);
        const std::size_t rules = c.dashes == 0 ? 0 : 2;  // an empty rule draws nothing
        ASSERT_EQ(columnA.size(), 2 + rules);
        if (rules) {
            EXPECT_EQ(columnA[1], std::string(c.dashes, '-'));
        }
    }
}

TEST_F(PrintBooks, FacesWithoutHeightOrWidthNeitherDivideByZeroNorDrawRules) {
    printer.lineGap = -Height;  // line height 0
    printer.byteWidth = 0;      // dashes without width
    Catalogue catalogue = catalogueOf(2);
    print(catalogue, allData);

    ASSERT_EQ(printer.pages.size(), 1u);  // lines one unit apart
    EXPECT_EQ(column(printer.pages[0], ColumnA), (std::vector<std::string>{"Book Data", "Author 01", "Author 02"}));
    EXPECT_EQ(printer.pages[0].back().y, TopMargin + 7);  // the second record's disposition, in slot 7
}

TEST_F(PrintBooks, ErrorsAreReportedAndChangeNothing) {
    struct Case {
        int code;
        std::vector<std::string> calls;
    };
    for (const Case& c :
         {Case{1, {}}, Case{2, {"startJob Quorvel"}}, Case{3, {"startJob Quorvel", "startPage", "endJob"}}}) {
        SCOPED_TRACE(c.code);
        printer = {};
        printer.failJobStart = c.code == 2;
        printer.failingPage = c.code == 3 ? 1 : 0;
        boxes = {};
        boxes.expect(platform::Answer::Ok);
        Catalogue catalogue = catalogueOf(4);
        mark(catalogue, {1, 3});

        printBooks(catalogue, {}, c.code == 1 ? nullptr : &printer, boxes);

        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, "Printing error has occurred");
        EXPECT_EQ(boxes.shown[0].caption, "Printing Error " + std::to_string(c.code));
        EXPECT_EQ(boxes.shown[0].buttons, platform::Buttons::Ok);
        EXPECT_EQ(boxes.shown[0].icon, platform::Icon::Stop);
        EXPECT_EQ(printer.calls, c.calls);
        EXPECT_EQ(catalogue.books.markedCount, 2);
        EXPECT_EQ(markedFlags(catalogue.books), 2);
    }
}

// A printer that stops taking pages ends the run there: nothing is drawn
// without a page, the job ends, the user is told, and the books that were not
// printed keep their marks.
TEST_F(PrintBooks, APageThatCannotBeBegunEndsTheRunAndKeepsTheUnprintedMarks) {
    pageOfLines(5);  // the heading and two records a page
    printer.failingPage = 2;
    boxes.expect(platform::Answer::Ok);
    Catalogue catalogue = catalogueOf(5);
    mark(catalogue, {1, 2, 3, 4, 5});

    print(catalogue, {.allListed = false, .normalFont = true, .bookData = false});

    ASSERT_EQ(printer.pages.size(), 1u);
    EXPECT_EQ(column(printer.pages[0], ColumnA), (std::vector<std::string>{"List of Books", "Author 01", "Author 02"}));
    EXPECT_EQ(printer.calls,
              (std::vector<std::string>{"startJob Quorvel", "startPage", "endPage", "startPage", "endJob"}));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "Printing Error 4");
    EXPECT_EQ(catalogue.books.markedCount, 3);
    EXPECT_EQ(markedFlags(catalogue.books), 3);
}

}  // namespace
