#pragma once

#include <string>
#include <vector>

#include "core/catalogue.h"

// Exporting books as a CSV file, UTF-8 with a byte order mark (so that
// spreadsheet programs read it right), RFC 4180 quoting and CR LF line ends.

enum class ExportForm {
    Quorvels,   // Author,Title,Date Read,Category,Review,Disposition,Marked: all a book holds
    Goodreads,  // Goodreads' own header with our books in it, which Goodreads and The StoryGraph import
};

// The column names of our own form.
inline constexpr const char* QuorvelsHeader = "Author,Title,Date Read,Category,Review,Disposition,Marked";

// Every record not deleted, in record order.
std::vector<int> allBooks(const BookTables& books);

// What the Export command writes: the marked books when any are marked,
// else the books of the current view.
struct ExportSelection {
    std::vector<int> records;
    bool onlyMarked = false;
};
ExportSelection booksToExport(const Catalogue& catalogue);

// The file's bytes for the given records. The rows come in an order whose
// import into an empty catalogue gives the catalogue back: records of equal
// author and title, and records of equal read date, keep their order.
std::string exportBooks(const BookTables& books, const std::vector<int>& records, ExportForm form);
