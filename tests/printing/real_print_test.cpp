// Prints for real: through the Qt print surface and CUPS onto the PDF printer
// that the setup_pdf_printer fixture makes the default, then reads the PDF.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "core/read_date.h"
#include "platform/cp1252.h"
#include "platform/qt_print/qt_print_surface.h"
#include "printing/print_books.h"
#include "printing/print_text.h"
#include "tests/printing/pdf_printer.h"
#include "tests/printing/sample_books.h"

namespace {

// Enough books for two pages of Book List.
constexpr int Books = 70;

// A record's first line as pdftotext reads it back: author, title and date
// read, one blank apart.
std::string bookLine(const Catalogue& catalogue, int record) {
    std::string line = authorOf(catalogue, record) + " " + catalogue.records[record].title;
    if (const std::uint16_t date = readDateOf(catalogue, record); date != 0) line += " " + formatReadDate(date);
    return platform::cp1252ToUtf8(line);
}

std::vector<std::string> bookLinesInViewOrder(const Catalogue& catalogue) {
    std::vector<std::string> lines;
    for (int row = 1; row <= viewCount(catalogue); ++row) lines.push_back(bookLine(catalogue, catalogue.viewOrder[row]));
    return lines;
}

// Lines of print per page on the default printer, from its own metrics.
int linesPerPage() {
    const auto printer = platform::qt_print::openDefaultPrinter();
    if (!printer) throw std::runtime_error("there is no default printer");
    return printer->pageHeight() / printer->lineHeight(makePrintFont(*printer, NormalSizeValue).characterHeight);
}

// The records' lines split into pages of `perPage`.
std::vector<std::vector<std::string>> paginate(const std::vector<std::string>& lines, int perPage) {
    std::vector<std::vector<std::string>> pages;
    for (std::size_t i = 0; i < lines.size(); i += perPage)
        pages.emplace_back(lines.begin() + i, lines.begin() + std::min(lines.size(), i + perPage));
    return pages;
}

TEST(RealPrint, BookListComesOutWithHeadingsPageNumbersAndRecordsInViewOrder) {
    Catalogue catalogue = sampleBooks(Books);
    const auto expected = paginate(bookLinesInViewOrder(catalogue), linesPerPage() - HeadingLines);
    ASSERT_GE(expected.size(), 2u);

    const auto pages = pdfPages(printOnPdfPrinter(catalogue, {.allListed = true, .normalFont = true, .bookData = false}));

    ASSERT_EQ(pages.size(), expected.size());
    for (std::size_t page = 0; page < pages.size(); ++page) {
        SCOPED_TRACE(page + 1);
        std::vector<std::string> lines = {"List of Books Page " + std::to_string(page + 1)};
        lines.insert(lines.end(), expected[page].begin(), expected[page].end());
        EXPECT_EQ(pages[page], lines);
    }
}

// Book Data: every record sits between two rules, its first line right after
// the rule above it.
TEST(RealPrint, BookDataComesOutWithHeadingsPageNumbersAndRecordsBetweenRules) {
    Catalogue catalogue = sampleBooks(Books);
    const auto expected = paginate(bookLinesInViewOrder(catalogue), (linesPerPage() - HeadingLines) / 3);

    const auto pages = pdfPages(printOnPdfPrinter(catalogue, {.allListed = true, .normalFont = true, .bookData = true}));

    ASSERT_EQ(pages.size(), expected.size());
    for (std::size_t page = 0; page < pages.size(); ++page) {
        SCOPED_TRACE(page + 1);
        const std::vector<std::string>& lines = pages[page];
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[0], "Book Data Page " + std::to_string(page + 1));
        EXPECT_EQ(lines.back(), "<rule>");
        std::vector<std::string> afterRules;
        for (std::size_t i = 1; i + 1 < lines.size(); ++i)
            if (lines[i] == "<rule>") afterRules.push_back(lines[i + 1]);
        EXPECT_EQ(afterRules, expected[page]);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
