#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "bookexchange/book_columns.h"
#include "bookexchange/row_books.h"
#include "core/bulk_insert.h"
#include "core/catalogue.h"

// Importing books from a CSV or TSV file: first a plan of what the file
// holds and what would be added, which the user sees and confirms; then the
// plan applied in one step.

// A row that cannot become a book, and why.
struct RefusedRow {
    int line = 0;
    std::string reason;
};

struct ImportPlan {
    BookFormat format = BookFormat::Other;
    std::vector<ImportBook> books;        // to add, in the file's order
    int alreadyInCatalogue = 0;           // rows that repeat a book of the catalogue
    int repeatedInFile = 0;               // rows that repeat an earlier row
    int readUndated = 0;                  // among `books`: read on a day the file does not give
    int reReads = 0;                      // among `books`: the reads of a book after its first
    std::vector<int> ambiguousDateLines;  // rows whose date reads both day first and month first
    int textsCut = 0;                     // among `books`: with a text cut to 255 characters
    std::vector<RefusedRow> notImportable;
};

struct ImportPlanResult {
    bool ok = false;
    ImportPlan plan;
    int errorLine = 0;    // 0 when the problem is not on one line
    int errorColumn = 0;  // the character of errorLine at fault, 0 when it is the whole line
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

// What the plan found, for the user: "414 books found: 387 to add (7 of them
// read without a date), 25 already in the catalogue, 2 not importable: line 57
// (...), line 80 (...)". The parts add up to the books found.
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
