#include "tests/printing/pdf_printer.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "platform/testing/scripted_message_boxes.h"
#include "printing/print_books.h"

namespace fs = std::filesystem;

namespace {

constexpr auto PdfTimeout = std::chrono::seconds(60);
constexpr auto PollInterval = std::chrono::milliseconds(250);

// An exclusive lock on the PDF printer for as long as it lives, so that each
// run can tell its own PDF by its being the one new file.
struct PrinterTurn {
    PrinterTurn()
        : fd(::open((fs::temp_directory_path() / "quorvels-pdf-printer.lock").c_str(), O_CREAT | O_RDWR, 0666)) {
        if (fd < 0 || ::flock(fd, LOCK_EX) != 0) throw std::runtime_error("cannot lock the PDF printer");
    }
    ~PrinterTurn() { ::close(fd); }
    PrinterTurn(const PrinterTurn&) = delete;
    PrinterTurn& operator=(const PrinterTurn&) = delete;
    int fd;
};

std::set<fs::path> pdfFilesIn(const fs::path& folder) {
    std::set<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.path().extension() == ".pdf") files.insert(entry.path());
    return files;
}

// The printer writes a PDF in place; it is complete once its end-of-file
// marker has been written.
bool complete(const fs::path& pdf) {
    std::ifstream in(pdf, std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return content.find("%%EOF", content.size() > 64 ? content.size() - 64 : 0) != std::string::npos;
}

std::optional<fs::path> waitForNewPdf(const fs::path& folder, const std::set<fs::path>& before) {
    const auto deadline = std::chrono::steady_clock::now() + PdfTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
        for (const fs::path& pdf : pdfFilesIn(folder))
            if (!before.contains(pdf) && complete(pdf)) return pdf;
        std::this_thread::sleep_for(PollInterval);
    }
    return std::nullopt;
}

std::string collapseBlanks(const std::string& line) {
    std::string collapsed;
    std::istringstream words(line);
    for (std::string word; words >> word;) collapsed += (collapsed.empty() ? "" : " ") + word;
    return collapsed;
}

}  // namespace

fs::path printOnPdfPrinter(platform::PrintSurface& printer, Catalogue& catalogue, const PrintOptions& options) {
    const fs::path folder = QUORVELS_PDF_DIR;
    const PrinterTurn turn;
    const std::set<fs::path> before = pdfFilesIn(folder);
    platform::scripted::ScriptedMessageBoxes noErrorExpected;
    printBooks(catalogue, options, &printer, noErrorExpected);
    const auto pdf = waitForNewPdf(folder, before);
    if (!pdf) throw std::runtime_error("no complete PDF appeared in " + folder.string() + " within a minute");
    return *pdf;
}

std::vector<std::vector<std::string>> pdfPages(const fs::path& pdf) {
    const std::string command = "pdftotext -layout -enc UTF-8 '" + pdf.string() + "' -";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) throw std::runtime_error("cannot run pdftotext");
    std::string text;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, got);
    if (::pclose(pipe) != 0) throw std::runtime_error("pdftotext failed on " + pdf.string());

    // pdftotext ends every page with a form feed.
    std::vector<std::vector<std::string>> pages;
    std::istringstream pageTexts(text);
    for (std::string pageText; std::getline(pageTexts, pageText, '\f');) {
        std::vector<std::string>& lines = pages.emplace_back();
        std::istringstream pageLines(pageText);
        for (std::string line; std::getline(pageLines, line);) {
            line = collapseBlanks(line);
            if (line.empty()) continue;
            lines.push_back(line.find_first_not_of('-') == std::string::npos ? "<rule>" : line);
        }
    }
    if (!pages.empty() && pages.back().empty()) pages.pop_back();  // after the last form feed
    return pages;
}
