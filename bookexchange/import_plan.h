#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "bookexchange/book_columns.h"
#include "core/bulk_insert.h"
#include "core/catalogue.h"

// Importing books from a CSV or TSV file: first a plan of what the file
// holds and what would be added, which the user sees and confirms; then the
// plan applied in one step.

// A book of the file that would be added: its texts already in UTF-8 and in
// the catalogue's letter case, as the catalogue will hold them.
struct ImportBook {
    int line = 0;  // where its row starts in the file
    NewRecord record;
    bool marked = false;
};

// A row that cannot become a book, and why.
struct RefusedRow {
    int line = 0;
    std::string reason;
};

struct ImportPlan {
    BookFormat format = BookFormat::Other;
    std::vector<ImportBook> books;  // to add, in the file's order
    int alreadyInCatalogue = 0;     // rows that repeat a book of the catalogue
    int repeatedInFile = 0;         // rows that repeat an earlier row
    int withoutUsableDate = 0;      // among `books`: read, but imported as unread
    int textsCut = 0;               // among `books`: with a text cut to 255 characters
    std::vector<RefusedRow> notImportable;
};

struct ImportPlanResult {
    bool ok = false;
    ImportPlan plan;
    int errorLine = 0;    // 0 when the problem is not on one line
    std::string problem;  // when not ok: what is wrong, as a sentence fragment
};

// Reads a file's bytes and plans their import into `books`. The file is
// UTF-8 when all of it is well-formed UTF-8, else Windows-1252, whose texts
// are converted to UTF-8: every letter of any script comes in. A book
// equal to one of the catalogue (same author and title without regard to
// case, same read date) or to an earlier row is skipped. Dates are judged
// against `currentYear` as the record dialog judges them.
ImportPlanResult planImport(std::string_view fileBytes, const BookTables& books, int currentYear);

// "1 book", "2 books": a count and the word of its number.
std::string counted(int count, const std::string& one, const std::string& many);

// What the plan found, for the user: "412 books found: 380 to add, 25
// already in the catalogue, 7 without a usable date (imported as unread); 2
// not importable: line 57 (...), line 80 (...)".
std::string importSummary(const ImportPlan& plan);

struct ImportOutcome {
    int planned = 0;
    int added = 0;
    InsertResult stop = InsertResult::Inserted;  // why the rest were not added
    int firstLineLeft = 0;                       // the line of the first book left out, when any
};

// Adds the plan's books as the record dialog's Add adds each one, marks the
// marked ones, rebuilds the view once and sets `changed`. A full catalogue
// stops at the last book that fits.
ImportOutcome applyImport(Catalogue& catalogue, const ImportPlan& plan);

// What the import did, for the user: "380 books added." or why it stopped.
std::string importOutcomeText(const ImportOutcome& outcome);
