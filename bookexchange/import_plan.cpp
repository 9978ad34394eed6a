#include "bookexchange/import_plan.h"

#include <set>

#include "bookexchange/book_mapping.h"
#include "bookexchange/csv_reader.h"
#include "bookexchange/file_text.h"
#include "core/letter_case.h"
#include "core/marks.h"
#include "core/utf8.h"
#include "core/windows1252.h"

namespace {

// An author or title as the catalogue will hold it: in its letter case and
// at most 255 characters. The conversion runs again after a cut, which may have
// left a blank at the end.
std::string catalogueText(std::string text, bool upperCase, bool& cut) {
    convertLetterCase(text, upperCase);
    if (cutToTextLimit(text)) {
        cut = true;
        convertLetterCase(text, upperCase);
    }
    return text;
}

std::string bookKey(std::string author, std::string title, std::uint16_t date, bool upperCase) {
    convertLetterCase(author, upperCase);
    convertLetterCase(title, upperCase);
    return foldedText(author) + '\n' + foldedText(title) + '\n' + std::to_string(date);
}

// The book in the catalogue's letter case and text length.
void bringToCatalogueForm(ImportBook& book, bool upperCase, bool& cut) {
    book.record.author = catalogueText(std::move(book.record.author), upperCase, cut);
    book.record.title = catalogueText(std::move(book.record.title), upperCase, cut);
    cut = cutToTextLimit(book.record.disposition) || cut;
}

std::set<std::string> catalogueKeys(const BookTables& books) {
    std::set<std::string> keys;
    for (int i = 1; i <= recordCount(books); ++i)
        if (!testFlag(books.records[i].flags, DeletedFlag))
            keys.insert(bookKey(authorOf(books, i), books.records[i].title, readDateOf(books, i), books.upperCase));
    return keys;
}

// The texts of one column of every row, for judging how its dates are written.
std::vector<std::string_view> columnOf(const CsvTable& table, int column) {
    std::vector<std::string_view> texts;
    if (column == NoColumn) return texts;
    for (const CsvRow& row : table.rows)
        if (column < static_cast<int>(row.fields.size())) texts.push_back(row.fields[column]);
    return texts;
}

// Adds one book of a row to the plan, or counts it among those left out.
void planBook(ImportPlan& plan, ImportBook book, const BookTables& books, std::set<std::string>& keys,
              std::set<std::string>& inFile) {
    bool cut = false;
    bringToCatalogueForm(book, books.upperCase, cut);
    const NewRecord& record = book.record;
    const std::string key = bookKey(record.author, record.title, record.packedDate, books.upperCase);
    if (keys.count(key) > 0) {
        ++plan.alreadyInCatalogue;
    } else if (!inFile.insert(key).second) {
        ++plan.repeatedInFile;
    } else {
        plan.readUndated += book.readUndated;
        plan.textsCut += cut;
        plan.books.push_back(std::move(book));
    }
}

ImportPlan planRows(const CsvTable& table, const RowContext& context, const BookTables& books) {
    ImportPlan plan;
    plan.format = context.columns.format;
    std::set<std::string> inCatalogue = catalogueKeys(books), inFile;
    for (const CsvRow& row : table.rows) {
        RowBooks found = booksOfRow(context, row);
        if (found.books.empty()) plan.notImportable.push_back({row.line, std::move(found.refusal)});
        if (found.ambiguousDate) plan.ambiguousDateLines.push_back(row.line);
        if (found.books.size() > 1) plan.reReads += static_cast<int>(found.books.size()) - 1;
        for (ImportBook& book : found.books) planBook(plan, std::move(book), books, inCatalogue, inFile);
    }
    return plan;
}

ImportPlanResult refused(int line, int column, std::string problem) {
    ImportPlanResult result;
    result.errorLine = line;
    result.errorColumn = column;
    result.problem = std::move(problem);
    return result;
}

// "; 2 not importable: line 57 (...), line 80 (...)", or the like for other
// lists of lines. The first few are named; a file of another script would
// otherwise make a message of thousands of lines.
std::string linesNamed(const std::vector<RefusedRow>& rows) {
    constexpr std::size_t Named = 5;
    std::string text;
    for (std::size_t i = 0; i < rows.size() && i < Named; ++i)
        text += (i > 0 ? ", line " : "line ") + std::to_string(rows[i].line) +
                (rows[i].reason.empty() ? "" : " (" + rows[i].reason + ")");
    if (rows.size() > Named) text += " and " + std::to_string(rows.size() - Named) + " more";
    return text;
}

}  // namespace

std::string counted(int count, const std::string& one, const std::string& many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

ImportPlanResult planImport(std::string_view fileBytes, const BookTables& books, int currentYear) {
    const FileText text = fileText(fileBytes);
    if (!text.ok) return refused(0, 0, text.problem);
    const std::string_view bytes = text.converted ? std::string_view(*text.converted) : fileBytes;
    const CsvReadResult csv = readCsv(bytes);
    if (!csv.ok) return refused(csv.errorLine, csv.errorColumn, csv.problem);
    if (csv.table.header.empty()) return refused(0, 0, "it holds no header line, and no books");
    const bool utf8 = isWellFormedUtf8(bytes);
    std::vector<std::string> shownNames;
    for (const std::string& name : csv.table.header) shownNames.push_back(utf8 ? name : windows1252ToUtf8(name));
    const ColumnsResult columns = findBookColumns(csv.table.header, shownNames);
    if (!columns.ok) return refused(1, 0, columns.problem);

    const RowContext context{columns.columns, utf8, dayMonthOrderOf(columnOf(csv.table, columns.columns.dateRead)),
                             currentYear};
    ImportPlanResult result;
    result.plan = planRows(csv.table, context, books);
    result.ok = true;
    return result;
}

std::string importSummary(const ImportPlan& plan) {
    const int toAdd = static_cast<int>(plan.books.size());
    const int found =
        toAdd + plan.alreadyInCatalogue + plan.repeatedInFile + static_cast<int>(plan.notImportable.size());
    std::string text = counted(found, "book", "books") + " found";
    if (plan.reReads > 0) text += " (" + counted(plan.reReads, "re-read", "re-reads") + " of a book among them)";
    text += ": " + std::to_string(toAdd) + " to add";
    if (plan.readUndated > 0) text += " (" + std::to_string(plan.readUndated) + " of them read without a date)";
    if (plan.alreadyInCatalogue > 0)
        text += ", " + std::to_string(plan.alreadyInCatalogue) + " already in the catalogue";
    if (plan.repeatedInFile > 0) text += ", " + std::to_string(plan.repeatedInFile) + " repeated in the file";
    if (!plan.notImportable.empty())
        text += ", " + std::to_string(plan.notImportable.size()) + " not importable: " + linesNamed(plan.notImportable);
    if (plan.textsCut > 0)
        text += "; " + counted(plan.textsCut, "book has", "books have") + " a text cut to 255 characters";
    if (!plan.ambiguousDateLines.empty()) {
        std::vector<RefusedRow> lines;
        for (const int line : plan.ambiguousDateLines) lines.push_back({line, ""});
        text += "; " + counted(static_cast<int>(lines.size()), "date reads", "dates read") +
                " both day first and month first (" + linesNamed(lines) +
                "): kept in the disposition, the book read without a date";
    }
    return text + ".";
}

ImportOutcome applyImport(Catalogue& catalogue, const ImportPlan& plan) {
    std::vector<NewRecord> records;
    records.reserve(plan.books.size());
    for (const ImportBook& book : plan.books) records.push_back(book.record);
    const BulkInsertResult inserted = insertRecords(catalogue, records);
    for (int i = 0; i < inserted.inserted; ++i) {
        if (plan.books[i].marked) setMarked(catalogue.books, inserted.places[i], true);
        if (plan.books[i].readUndated)
            setFlag(catalogue.books.records[inserted.places[i]].flags, ReadUndatedFlag, true);
    }
    ImportOutcome outcome;
    outcome.planned = static_cast<int>(plan.books.size());
    outcome.added = inserted.inserted;
    outcome.stop = inserted.stop;
    if (outcome.added < outcome.planned) outcome.firstLineLeft = plan.books[outcome.added].line;
    return outcome;
}

std::string importOutcomeText(const ImportOutcome& outcome) {
    const std::string added = counted(outcome.added, "book", "books") + " added";
    if (outcome.stop == InsertResult::Inserted) return added + ".";
    const bool books = outcome.stop == InsertResult::CatalogueFull;
    return "The catalogue is full: " + std::to_string(outcome.added) + " of the " + std::to_string(outcome.planned) +
           " books were added, and it now holds " + std::to_string(books ? MaxRecords : MaxAuthors) +
           (books ? " books" : " authors") + ", the most a catalogue file can hold. The book on line " +
           std::to_string(outcome.firstLineLeft) + " and those after it were not added.";
}
