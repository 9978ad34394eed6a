#include "printing/print_books.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/catalogue.h"
#include "core/marks.h"
#include "core/read_date.h"
#include "core/vocabularies.h"
#include "platform/message_box.h"
#include "platform/print_surface.h"
#include "printing/print_text.h"

namespace {

// The rule of dashes is this many dash widths shorter than the page is wide;
// the width of one dash is measured on a sample of MeasuringSampleDashes.
constexpr int RuleShortening = 10;
constexpr int MeasuringSampleDashes = 100;

// What one print run keeps from record to record.
struct PrintRun {
    platform::PrintSurface& printer;
    const PrintOptions& options;
    int sizeValue = 0;
    int lineHeight = 0;
    int linesPerPage = 0;
    int linesNeeded = 0;  // line slots one record takes
    std::string rule;
    int linesUsed = 0;   // line slots used on the current page, heading included
    int pageNumber = 0;  // pages begun so far
    int y = 0;           // the current line's position

    void print(std::string_view text, int x) { printText(printer, text, x, y, sizeValue); }
    void nextLine() { y += lineHeight; }
};

// A row of dashes RuleShortening dash widths shorter than the page: the page
// width over the width of one dash, less RuleShortening, rounded half to
// even. A page too narrow for any dash, or a dash without width, gets an
// empty rule; the rule is never longer than the longest text ever drawn.
std::string ruleFor(int pageWidth, int sampleWidth) {
    if (sampleWidth <= 0) return {};
    const double dashes =
        std::nearbyint(static_cast<double>(pageWidth) * MeasuringSampleDashes / sampleWidth - RuleShortening);
    return std::string(static_cast<std::size_t>(std::clamp(dashes, 0.0, static_cast<double>(LongestDrawnText))), '-');
}

// Measures the print font and the page. A line height below one device unit
// (which no real face has) counts as one, so that the page still divides
// into lines.
PrintRun startRun(platform::PrintSurface& printer, const PrintOptions& options) {
    const int sizeValue = options.normalFont ? NormalSizeValue : SmallSizeValue;
    const PrintFont font = makePrintFont(printer, sizeValue);
    const int lineHeight = std::max(1, printer.lineHeight(font.characterHeight));
    const int sampleWidth = printer.textWidth(std::string(MeasuringSampleDashes, '-'), font.characterHeight);
    return PrintRun{.printer = printer,
                    .options = options,
                    .sizeValue = sizeValue,
                    .lineHeight = lineHeight,
                    .linesPerPage = printer.pageHeight() / lineHeight,
                    .linesNeeded = options.bookData ? 3 : 1,
                    .rule = ruleFor(printer.pageWidth(), sampleWidth)};
}

// The layout title and page number in slot 0, and in Book Data the rule in slot 2.
void printHeading(PrintRun& run) {
    ++run.pageNumber;
    run.y = TopMargin;
    run.print(run.options.bookData ? "Book Data" : "List of Books", ColumnA);
    run.print("Page " + std::to_string(run.pageNumber), ColumnC);
    run.y += 2 * run.lineHeight;
    if (run.options.bookData) run.print(run.rule, ColumnA);
    run.linesUsed = HeadingLines;
}

// Ends the full page and begins the next one with its heading, or puts the
// heading on the first page. False when the next page could not be begun:
// nothing more can be printed.
bool makeRoomFor(PrintRun& run) {
    if (run.pageNumber == 0) {
        printHeading(run);
    } else if (run.linesUsed + run.linesNeeded > run.linesPerPage) {
        run.printer.endPage();
        if (!run.printer.startPage()) return false;
        printHeading(run);
    }
    return true;
}

// Author, title and date read on one line: the Book List line, and the first
// line of Book Data. Title and date start with two spaces, so that they
// cover the end of a longer text to their left.
void printBookLine(PrintRun& run, const BookTables& books, int record) {
    ++run.linesUsed;
    run.nextLine();
    run.print(authorOf(books, record), ColumnA);
    run.print("  " + books.records[record].title, ColumnB);
    if (isRead(books, record)) run.print("  " + shownReadDate(readDateOf(books, record), true), ColumnC);
}

// "Category, Review", either alone when the other code is 0, or nothing.
std::string categoryAndReview(const BookRecord& record) {
    std::string text;
    if (record.category != 0) text += categoryName(record.category);
    if (record.category != 0 && record.review != 0) text += ", ";
    if (record.review != 0) text += reviewName(record.review);
    return text;
}

// The two further lines of Book Data: category and review with the
// disposition, then a rule.
void printDataLines(PrintRun& run, const BookRecord& record) {
    run.nextLine();
    run.print(categoryAndReview(record), ColumnA);
    run.print("  " + record.disposition, ColumnB);
    run.nextLine();
    run.print(run.rule, ColumnA);
    run.linesUsed += 2;
}

// Walks the view, printing the records the options choose. Marked-only
// printing clears the marks it prints and stops once no mark is left.
// Ends the last page; returns false when a page could not be begun, after
// the page before it has ended.
bool printView(PrintRun& run, Catalogue& catalogue) {
    for (int row = 1; row <= viewCount(catalogue.view); ++row) {
        const int record = catalogue.view.order[row];
        BookRecord& book = catalogue.books.records[record];
        if (!run.options.allListed && !testFlag(book.flags, MarkedFlag)) continue;
        if (!makeRoomFor(run)) return false;
        printBookLine(run, catalogue.books, record);
        if (run.options.bookData) printDataLines(run, book);
        if (!run.options.allListed) {
            setMarked(catalogue.books, record, false);
            if (catalogue.books.markedCount == 0) break;
        }
    }
    run.printer.endPage();
    return true;
}

// Runs the job; returns 0 or the PrintError that stopped it.
int runPrintJob(Catalogue& catalogue, const PrintOptions& options, platform::PrintSurface* printer) {
    if (printer == nullptr) return NoPrinter;
    PrintRun run = startRun(*printer, options);
    if (!printer->startJob(PrintDocName)) return JobNotStarted;
    if (!printer->startPage()) {
        printer->endJob();
        return FirstPageNotStarted;
    }
    const bool printed = printView(run, catalogue);
    printer->endJob();
    return printed ? 0 : LaterPageNotStarted;
}

}  // namespace

void printBooks(Catalogue& catalogue, const PrintOptions& options, platform::PrintSurface* printer,
                platform::MessageBoxes& boxes) {
    if (const int error = runPrintJob(catalogue, options, printer); error != 0)
        boxes.messageBox("Printing error has occurred", "Printing Error " + std::to_string(error),
                         platform::Buttons::Ok, platform::Icon::Stop);
}
