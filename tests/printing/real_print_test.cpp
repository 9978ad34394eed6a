// Prints for real: through the Qt print surface and CUPS onto the PDF printer
// that the setup_pdf_printer fixture makes the default, then reads the PDF.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "core/marks.h"
#include "platform/qt_print/qt_print_surface.h"
#include "printing/print_books.h"
#include "printing/print_text.h"
#include "tests/printing/book_lines.h"
#include "tests/printing/pdf_printer.h"
#include "tests/printing/sample_books.h"

namespace {

// Enough books for two pages of Book List.
constexpr int Books = 70;

// The PDF's pages as text; the PDF itself is not kept.
std::vector<std::vector<std::string>> readBack(const std::filesystem::path& pdf) {
    const auto pages = pdfPages(pdf);
    std::filesystem::remove(pdf);
    return pages;
}

// The default printer is opened once, as the program does at start-up.
struct RealPrint : testing::Test {
    static void SetUpTestSuite() { printer = platform::qt_print::openDefaultPrinter(); }
    static void TearDownTestSuite() { printer.reset(); }
    void SetUp() override { ASSERT_NE(printer, nullptr) << "there is no default printer"; }

    static int linesPerPage() {
        return printer->pageHeight() / printer->lineHeight(makePrintFont(*printer, NormalSizeValue).characterHeight);
    }

    static inline std::unique_ptr<platform::PrintSurface> printer;
};

// Gross faults of units show here: points for pixels, or the printer's own
// resolution instead of 300 dpi. A4 and Letter are both near 2400 units wide
// inside their margins; the face's line is about 1.15 times its characters'
// height, and a dash a third of it wide.
TEST_F(RealPrint, SurfaceMeasuresInDeviceUnitsAt300DotsPerInch) {
    EXPECT_GT(printer->pageWidth(), 2200);
    EXPECT_LT(printer->pageWidth(), 2551);
    EXPECT_GT(printer->pageHeight(), 3000);
    EXPECT_LT(printer->pageHeight(), 3508);
    EXPECT_NEAR(printer->lineHeight(46), 53, 3);
    EXPECT_NEAR(printer->textWidth(std::string(100, '-'), 46), 1533, 100);
}

TEST_F(RealPrint, BookListComesOutWithHeadingsPageNumbersAndRecordsInViewOrder) {
    Catalogue catalogue = sampleBooks(Books);
    const auto expected = bookLinesByPage(catalogue, linesPerPage() - HeadingLines);
    ASSERT_GE(expected.size(), 2u);

    const auto pages = readBack(printOnPdfPrinter(*printer, catalogue, {.allListed = true, .bookData = false}));

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
TEST_F(RealPrint, BookDataComesOutWithHeadingsPageNumbersAndRecordsBetweenRules) {
    Catalogue catalogue = sampleBooks(Books);
    const auto expected = bookLinesByPage(catalogue, (linesPerPage() - HeadingLines) / 3);

    const auto pages = readBack(printOnPdfPrinter(*printer, catalogue, {.allListed = true, .bookData = true}));

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

// The program keeps one printer for its whole run; marked-only printing on it
// twice prints the marked books, then a job of one empty page.
TEST_F(RealPrint, OnePrinterPrintsJobAfterJob) {
    Catalogue catalogue = sampleBooks(5);
    setMarked(catalogue.books, catalogue.view.order[2], true);
    const std::vector<std::vector<std::string>> marked = {
        {"List of Books Page 1", bookLine(catalogue.books, catalogue.view.order[2])}};

    EXPECT_EQ(readBack(printOnPdfPrinter(*printer, catalogue, {})), marked);
    EXPECT_EQ(readBack(printOnPdfPrinter(*printer, catalogue, {})).size(), 0u);  // no text on its one page
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
