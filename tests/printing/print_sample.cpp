// Prints a made-up catalogue on the PDF printer and keeps the PDF:
//   print_sample <books> list|data <output.pdf>
// scripts/print-sample-pages.sh turns such PDFs into the pictures in docs/.
#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "platform/qt_print/qt_print_surface.h"
#include "tests/printing/pdf_printer.h"
#include "tests/printing/sample_books.h"

int main(int argc, char** argv) {
    if (argc != 4 || (std::string(argv[2]) != "list" && std::string(argv[2]) != "data")) {
        std::fprintf(stderr, "usage: %s <books> list|data <output.pdf>\n", argv[0]);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    try {
        const auto printer = platform::qt_print::openDefaultPrinter();
        if (!printer) throw std::runtime_error("there is no default printer");
        Catalogue catalogue = sampleBooks(std::stoi(argv[1]));
        const PrintOptions options{.allListed = true, .normalFont = true, .bookData = std::string(argv[2]) == "data"};
        const std::filesystem::path pdf = printOnPdfPrinter(*printer, catalogue, options);
        std::filesystem::copy_file(pdf, argv[3], std::filesystem::copy_options::overwrite_existing);
        std::filesystem::remove(pdf);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
