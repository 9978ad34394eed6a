#pragma once

#include <string>
#include <vector>

#include "bookexchange/book_columns.h"
#include "bookexchange/csv_reader.h"
#include "bookexchange/file_dates.h"
#include "core/bulk_insert.h"

// How one row of an imported file becomes books: one for each dated read it
// holds, else one, read without a date or unread.

// A book of the file that would be added. Its texts are UTF-8; the plan
// brings them into the catalogue's letter case and length.
struct ImportBook {
    int line = 0;  // where its row starts in the file
    NewRecord record;
    bool marked = false;
    bool readUndated = false;  // read on a day the file does not give (record.packedDate is 0)
};

// What the rows of one file share: their columns, encoding and date order.
struct RowContext {
    const BookColumns& columns;
    bool utf8 = true;  // else the fields are Windows-1252
    DayMonthOrder dayMonth = DayMonthOrder::Undecided;
    int currentYear = 0;
};

struct RowBooks {
    std::vector<ImportBook> books;  // none when the row is refused
    std::string refusal;            // why the row gives no book
    bool ambiguousDate = false;     // a date that reads both day first and month first, kept in the disposition
};

RowBooks booksOfRow(const RowContext& context, const CsvRow& row);
