// Any bytes as an imported file: the reader either refuses them with a line
// and column or reads records that the writer writes and the reader reads
// back the same, in each dialect (comma, semicolon, tab); the import of the
// bytes, also as UTF-16 text, keeps the catalogue whole, and a book read
// without a date has no date.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "bookexchange/csv_reader.h"
#include "bookexchange/csv_writer.h"
#include "bookexchange/import_plan.h"
#include "core/utf8.h"
#include "tests/support/catalogue_invariants.h"

namespace {

std::vector<std::vector<std::string>> recordsOf(const CsvTable& table) {
    std::vector<std::vector<std::string>> records{table.header};
    for (const CsvRow& row : table.rows) records.push_back(row.fields);
    return records;
}

void checkImport(const std::string& bytes) {
    Catalogue catalogue;
    const ImportPlanResult planned = planImport(bytes, catalogue.books, 2026);
    if (!planned.ok) {
        if (planned.problem.empty()) std::abort();
        return;
    }
    const ImportPlan& plan = planned.plan;
    if (plan.readUndated > static_cast<int>(plan.books.size())) std::abort();
    applyImport(catalogue, plan);
    if (!invariantBreaks(catalogue, false).empty()) std::abort();
    const BookTables& books = catalogue.books;
    int readUndated = 0;
    for (int i = 1; i <= recordCount(books); ++i) {
        for (const std::string& text : {authorOf(books, i), books.records[i].title, books.records[i].disposition})
            if (characterCount(text) > MaxTextCharacters || !isWellFormedUtf8(text)) std::abort();
        if (testFlag(books.records[i].flags, ReadUndatedFlag)) {
            if (readDateOf(books, i) != 0) std::abort();
            ++readUndated;
        }
    }
    if (readUndated != plan.readUndated) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const CsvReadResult read = readCsv(bytes);
    if (!read.ok) {
        if (read.errorLine < 1 || read.errorColumn < 1 || read.problem.empty()) std::abort();
        return 0;
    }
    int line = 0;
    for (const CsvRow& row : read.table.rows) {
        if (row.line <= line || row.fields.empty()) std::abort();
        line = row.line;
    }

    // Written as the export writes it, after a byte order mark (a field may
    // itself start with one), the records read back the same, unless the
    // header's fields are such that the delimiter, judged from the header
    // alone, comes out the other one.
    std::string again = "\xEF\xBB\xBF";
    for (const auto& fields : recordsOf(read.table)) appendCsvRecord(again, fields, read.table.delimiter);
    const CsvReadResult reread = readCsv(again);
    if (reread.table.delimiter == read.table.delimiter &&
        (!reread.ok || recordsOf(reread.table) != recordsOf(read.table)))
        std::abort();

    // An odd first byte sends the rest in as UTF-16 text, in either byte order.
    const bool asUtf16 = size > 0 && data[0] % 2 == 1;
    const std::string imported = asUtf16 ? (data[0] % 4 == 1 ? "\xFF\xFE" : "\xFE\xFF") + bytes.substr(1) : bytes;
    checkImport(imported);
    return 0;
}
