#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/book_record.h"

// The most records and authors a catalogue holds: the file keeps both counts
// as signed 16-bit numbers.
inline constexpr int MaxRecords = 32767;
inline constexpr int MaxAuthors = 32767;

// Which records the view shows.
enum class ViewMode : std::uint8_t { All, Read, Unread, Found };

// The books: every table is numbered from 1; entry 0 exists and holds
// nothing, so any index read from a file or a view has a defined meaning.
struct BookTables {
    std::vector<BookRecord> records = std::vector<BookRecord>(1);    // 1..recordCount, in author-then-title order
    std::vector<std::string> authors = std::vector<std::string>(1);  // 1..authorCount, ascending without regard to case
    std::vector<std::uint16_t> readDates = std::vector<std::uint16_t>(1);  // 1..recordCount, ascending packed dates

    bool upperCase = false;  // authors and titles held in capitals, else proper case
    // True when every author and title is known to be in the form upperCase
    // names. The conversion is idempotent, so an insertion then only has to
    // convert its own texts; anything that puts texts in by other means
    // (loading a file) leaves it false.
    bool lettersInForm = false;
    int markedCount = 0;   // marked records, deleted ones too; kept by core/marks.h
    bool changed = false;  // the books differ from what was last loaded or saved; core operations set it
};

// The view of the books: which records the list shows, in which order, and
// which one is current.
struct CatalogueView {
    // Record numbers of the rows in display order (1..viewCount).
    std::vector<std::int16_t> order = std::vector<std::int16_t>(1);
    int selectedRow = 1;  // view position of currentRecord; 1 when it is not shown
    ViewMode mode = ViewMode::All;
    bool sortByDate = false;
    int currentRecord = 0;  // 0 = none

    // Counts the rebuilds of the view, so that whatever shows the view can
    // tell that it has changed since.
    std::uint32_t version = 0;
};

// The open catalogue: the books and the view of them. It does not know how a
// window shows them (list lines, their measuring and refilling are the book
// list's).
struct Catalogue {
    BookTables books;
    CatalogueView view;
};

inline int recordCount(const BookTables& b) { return static_cast<int>(b.records.size()) - 1; }
inline int authorCount(const BookTables& b) { return static_cast<int>(b.authors.size()) - 1; }
inline int viewCount(const CatalogueView& v) { return static_cast<int>(v.order.size()) - 1; }

// Derived reads of record i.
inline const std::string& authorOf(const BookTables& b, int i) { return b.authors[b.records[i].authorIndex]; }
inline std::uint16_t readDateOf(const BookTables& b, int i) { return b.readDates[b.records[i].dateIndex]; }
inline bool isRead(const BookTables& b, int i) {
    return readDateOf(b, i) != 0 || testFlag(b.records[i].flags, ReadUndatedFlag);
}
