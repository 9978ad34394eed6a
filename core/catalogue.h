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
enum ViewMode : std::uint8_t { ViewAll = 0, BooksRead = 1, BooksUnread = 2, BooksFound = 3 };

// The open catalogue. Every table is numbered from 1; entry 0 exists and holds
// nothing, so any index read from a file or a view has a defined meaning.
// It describes the books and the view of them; it does not know how a window
// shows them (list lines, their measuring and refilling are the book list's).
struct Catalogue {
    std::vector<BookRecord> records = std::vector<BookRecord>(1); // 1..recordCount, in author-then-title order
    std::vector<std::string> authors = std::vector<std::string>(1);  // 1..authorCount, ascending without regard to case
    std::vector<std::uint16_t> readDates = std::vector<std::uint16_t>(1);  // 1..recordCount, ascending packed dates

    // The view: record numbers of the rows in display order (1..viewCount).
    std::vector<std::int16_t> viewOrder = std::vector<std::int16_t>(1);
    int selectedRow = 1;  // view position of currentRecord; 1 when it is not shown

    ViewMode viewMode = ViewAll;
    bool sortByDate = false;
    bool upperCase = false;  // authors and titles held in capitals, else proper case
    bool changed = false;    // changes not yet saved
    int markedCount = 0;     // marked records, deleted ones too; kept by core/marks.h
    int currentRecord = 0;   // 0 = none

    // Counts the rebuilds of the view, so that whatever shows the view can
    // tell that it has changed since.
    std::uint32_t viewVersion = 0;

    // True when every author and title is known to be in the form upperCase
    // names. The conversion is idempotent, so an insertion then only has to
    // convert its own texts; anything that puts texts in by other means
    // (loading a file) leaves it false.
    bool lettersInForm = false;
};

inline int recordCount(const Catalogue& c) { return static_cast<int>(c.records.size()) - 1; }
inline int authorCount(const Catalogue& c) { return static_cast<int>(c.authors.size()) - 1; }
inline int viewCount(const Catalogue& c) { return static_cast<int>(c.viewOrder.size()) - 1; }

// Derived reads of record i.
inline const std::string& authorOf(const Catalogue& c, int i) { return c.authors[c.records[i].authorIndex]; }
inline std::uint16_t readDateOf(const Catalogue& c, int i) { return c.readDates[c.records[i].dateIndex]; }
inline bool isRead(const Catalogue& c, int i) { return readDateOf(c, i) != 0; }
