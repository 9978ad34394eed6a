// Prints the real-print test's sample pages on the default printer through
// the GDI print surface, for win32_real_print.sh to read back from the PDF
// printer:
//   win32_real_print <folder>
// Four jobs, one after the other on one printer, as the program keeps one
// printer for its whole run: the Book List and the Book Data of a catalogue
// long enough for two pages of Book List, then marked-only printing twice,
// which prints the one marked book and then a job of one empty page. For each
// job it writes <job>.txt into <folder>: the pages its PDF must read as, each
// page a line "<page>" and then its lines, as win32_real_print.sh reads them;
// for Book Data only the heading, the line after each rule and the closing
// rule. surface.txt holds the printer's measures: page width and height,
// line height and the width of 100 dashes in the normal print font.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/catalogue.h"
#include "core/marks.h"
#include "platform/testing/scripted_message_boxes.h"
#include "platform/win32_print/win32_print_surface.h"
#include "printing/print_books.h"
#include "printing/print_text.h"
#include "tests/printing/book_lines.h"
#include "tests/printing/sample_books.h"

namespace fs = std::filesystem;

namespace {

// Enough books for two pages of Book List.
constexpr int Books = 70;

using Pages = std::vector<std::vector<std::string>>;

// Headed pages: `title` and the page number over each page's lines, and
// `closing` after them when it is not empty.
Pages headed(const Pages& bodies, const std::string& title, const std::string& closing = {}) {
    Pages pages;
    for (std::size_t page = 0; page < bodies.size(); ++page) {
        std::vector<std::string>& lines = pages.emplace_back();
        lines.push_back(title + " Page " + std::to_string(page + 1));
        lines.insert(lines.end(), bodies[page].begin(), bodies[page].end());
        if (!closing.empty()) lines.push_back(closing);
    }
    return pages;
}

void writeText(const fs::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

void writePages(const fs::path& file, const Pages& pages) {
    std::string text;
    for (const auto& lines : pages) {
        text += "<page>\n";
        for (const std::string& line : lines) text += line + "\n";
    }
    writeText(file, text);
}

// One job; printing must report no error.
void print(platform::PrintSurface& printer, Catalogue& catalogue, const PrintOptions& options) {
    platform::scripted::ScriptedMessageBoxes noErrorExpected;
    printBooks(catalogue, options, &printer, noErrorExpected);
}

void printSamples(platform::PrintSurface& printer, const fs::path& folder) {
    const int characterHeight = makePrintFont(printer, NormalSizeValue).characterHeight;
    const int linesPerPage = printer.pageHeight() / printer.lineHeight(characterHeight);
    writeText(folder / "surface.txt", std::to_string(printer.pageWidth()) + " " + std::to_string(printer.pageHeight()) +
                                          " " + std::to_string(printer.lineHeight(characterHeight)) + " " +
                                          std::to_string(printer.textWidth(std::string(100, '-'), characterHeight)) +
                                          "\n");

    Catalogue catalogue = sampleBooks(Books);
    writePages(folder / "list.txt", headed(bookLinesByPage(catalogue, linesPerPage - HeadingLines), "List of Books"));
    print(printer, catalogue, {.allListed = true, .bookData = false});
    writePages(folder / "data.txt",
               headed(bookLinesByPage(catalogue, (linesPerPage - HeadingLines) / 3), "Book Data", "<rule>"));
    print(printer, catalogue, {.allListed = true, .bookData = true});

    Catalogue fewBooks = sampleBooks(5);
    setMarked(fewBooks.books, fewBooks.view.order[2], true);
    writePages(folder / "marked.txt", {{"List of Books Page 1", bookLine(fewBooks.books, fewBooks.view.order[2])}});
    print(printer, fewBooks, {});
    writePages(folder / "empty.txt", {});  // no text on its one page
    print(printer, fewBooks, {});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    try {
        const auto printer = platform::win32_print::openDefaultPrinter();
        if (!printer) throw std::runtime_error("there is no default printer");
        printSamples(*printer, argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
