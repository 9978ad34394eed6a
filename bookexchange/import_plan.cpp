#include "bookexchange/import_plan.h"

#include <algorithm>
#include <set>

#include "bookexchange/book_mapping.h"
#include "bookexchange/csv_reader.h"
#include "core/letter_case.h"
#include "core/marks.h"
#include "core/utf8.h"
#include "core/windows1252.h"

namespace {

// The fields of one row as UTF-8 texts: a UTF-8 file's as they are, a
// Windows-1252 file's converted.
struct RowReader {
    const std::vector<std::string>& fields;
    bool utf8;

    std::string text(int column) const {
        if (column == NoColumn || column >= static_cast<int>(fields.size())) return {};
        const std::string& raw = fields[column];
        return utf8 ? raw : windows1252ToUtf8(raw);
    }
};

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

std::string authorOfRow(const BookColumns& c, const RowReader& row) {
    if (c.authorLastFirst != NoColumn) {
        const std::string author = squeezeBlanks(row.text(c.authorLastFirst));
        if (!author.empty()) return author;
    }
    std::string author = row.text(c.author);
    if (c.authorIsList) author = author.substr(0, author.find(','));
    return c.authorIsLastFirst ? squeezeBlanks(author) : lastNameFirst(author);
}

// Every shelf, tag and category name of the row, in the columns' order.
std::vector<std::string> shelvesOf(const BookColumns& c, const RowReader& row) {
    std::vector<std::string> shelves;
    for (const int column : c.shelves)
        for (std::string& entry : listEntries(row.text(column))) shelves.push_back(std::move(entry));
    return shelves;
}

struct RowOutcome {
    enum Kind { Book, Refused } kind = Book;
    ImportBook book;
    bool withoutUsableDate = false;
    bool cut = false;
    std::string reason;
};

RowOutcome mapRow(const BookColumns& c, const CsvRow& csvRow, const RowReader& row, bool upperCase, int currentYear) {
    RowOutcome outcome;
    outcome.book.line = csvRow.line;
    std::string author = authorOfRow(c, row);
    std::string title = squeezeBlanks(row.text(c.title));
    if (author.empty() || title.empty()) {
        outcome.kind = RowOutcome::Refused;
        outcome.reason = author.empty() ? "it has no author" : "it has no title";
        return outcome;
    }

    const ReadStatus status = readStatusOf(row.text(c.status));
    const std::vector<std::string> shelves = shelvesOf(c, row);
    const bool didNotFinish =
        status == ReadStatus::DidNotFinish || std::any_of(shelves.begin(), shelves.end(), [](const std::string& shelf) {
            return readStatusOf(shelf) == ReadStatus::DidNotFinish;
        });

    // A read date only for a book not shelved as unread; a read book without
    // a legal one comes in unread, and its date, if any, into the disposition.
    NewRecord& record = outcome.book.record;
    std::vector<std::string> dispositionParts;
    if (status != ReadStatus::NotRead) {
        const FileReadDate date = fileReadDate(row.text(c.dateRead), currentYear);
        record.packedDate = date.packed;
        outcome.withoutUsableDate = date.packed == 0 && (date.present || status == ReadStatus::Read);
        if (date.packed == 0 && date.present) dispositionParts.push_back("read " + date.shown);
    }
    dispositionParts.push_back(firstLine(row.text(c.notes)));
    if (lowerText(squeezeBlanks(row.text(c.owned))) == "yes") dispositionParts.push_back("Owned");
    dispositionParts.push_back(squeezeBlanks(row.text(c.collections)));
    dispositionParts.push_back(row.text(c.disposition));
    for (const std::string& part : dispositionParts)
        if (!part.empty()) record.disposition += (record.disposition.empty() ? "" : "; ") + part;

    record.review = didNotFinish ? CouldNotFinishReview : reviewFromName(row.text(c.review));
    if (record.review == 0) record.review = reviewFromStars(row.text(c.stars));
    record.category = categoryFromShelves(shelves);
    outcome.book.marked = !squeezeBlanks(row.text(c.marked)).empty();

    record.author = catalogueText(author, upperCase, outcome.cut);
    record.title = catalogueText(title, upperCase, outcome.cut);
    outcome.cut = cutToTextLimit(record.disposition) || outcome.cut;
    return outcome;
}

}  // namespace

std::string counted(int count, const std::string& one, const std::string& many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

ImportPlanResult planImport(std::string_view fileBytes, const BookTables& books, int currentYear) {
    ImportPlanResult result;
    const CsvReadResult csv = readCsv(fileBytes);
    if (!csv.ok) {
        result.errorLine = csv.errorLine;
        result.problem = csv.problem;
        return result;
    }
    if (csv.table.header.empty()) {
        result.problem = "it holds no header line, and no books";
        return result;
    }
    const bool utf8 = isWellFormedUtf8(fileBytes);
    std::vector<std::string> shownNames;
    for (const std::string& name : csv.table.header) shownNames.push_back(utf8 ? name : windows1252ToUtf8(name));
    const ColumnsResult columns = findBookColumns(csv.table.header, shownNames);
    if (!columns.ok) {
        result.errorLine = 1;
        result.problem = columns.problem;
        return result;
    }

    std::set<std::string> inCatalogue;
    for (int i = 1; i <= recordCount(books); ++i)
        if (!testFlag(books.records[i].flags, DeletedFlag))
            inCatalogue.insert(
                bookKey(authorOf(books, i), books.records[i].title, readDateOf(books, i), books.upperCase));
    std::set<std::string> inFile;

    ImportPlan& plan = result.plan;
    plan.format = columns.columns.format;
    for (const CsvRow& csvRow : csv.table.rows) {
        const RowReader row{csvRow.fields, utf8};
        RowOutcome outcome = mapRow(columns.columns, csvRow, row, books.upperCase, currentYear);
        if (outcome.kind == RowOutcome::Refused) {
            plan.notImportable.push_back({csvRow.line, std::move(outcome.reason)});
            continue;
        }
        const NewRecord& record = outcome.book.record;
        const std::string key = bookKey(record.author, record.title, record.packedDate, books.upperCase);
        if (inCatalogue.count(key) > 0) {
            ++plan.alreadyInCatalogue;
        } else if (!inFile.insert(key).second) {
            ++plan.repeatedInFile;
        } else {
            plan.withoutUsableDate += outcome.withoutUsableDate;
            plan.textsCut += outcome.cut;
            plan.books.push_back(std::move(outcome.book));
        }
    }
    result.ok = true;
    return result;
}

std::string importSummary(const ImportPlan& plan) {
    const int found = static_cast<int>(plan.books.size()) + plan.alreadyInCatalogue + plan.repeatedInFile;
    std::string text = counted(found, "book", "books") +
                       " found: " + std::to_string(static_cast<int>(plan.books.size()) - plan.withoutUsableDate) +
                       " to add";
    if (plan.alreadyInCatalogue > 0)
        text += ", " + std::to_string(plan.alreadyInCatalogue) + " already in the catalogue";
    if (plan.repeatedInFile > 0) text += ", " + std::to_string(plan.repeatedInFile) + " repeated in the file";
    if (plan.withoutUsableDate > 0)
        text += ", " + std::to_string(plan.withoutUsableDate) + " without a usable date (imported as unread)";
    if (plan.textsCut > 0)
        text += "; " + counted(plan.textsCut, "book has", "books have") + " a text cut to 255 characters";
    if (!plan.notImportable.empty()) {
        // The first few rows are named; a file of another script would
        // otherwise make a message of thousands of lines.
        constexpr std::size_t Named = 5;
        text += "; " + std::to_string(plan.notImportable.size()) + " not importable: ";
        for (std::size_t i = 0; i < plan.notImportable.size() && i < Named; ++i)
            text += (i > 0 ? ", line " : "line ") + std::to_string(plan.notImportable[i].line) + " (" +
                    plan.notImportable[i].reason + ")";
        if (plan.notImportable.size() > Named)
            text += " and " + std::to_string(plan.notImportable.size() - Named) + " more";
    }
    return text + ".";
}

ImportOutcome applyImport(Catalogue& catalogue, const ImportPlan& plan) {
    std::vector<NewRecord> records;
    records.reserve(plan.books.size());
    for (const ImportBook& book : plan.books) records.push_back(book.record);
    const BulkInsertResult inserted = insertRecords(catalogue, records);
    for (int i = 0; i < inserted.inserted; ++i)
        if (plan.books[i].marked) setMarked(catalogue.books, inserted.places[i], true);
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
