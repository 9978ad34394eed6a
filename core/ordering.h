#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/catalogue.h"

// Compares two texts with a-z folded to capitals, byte by byte as unsigned
// values; a prefix sorts before the longer text. Returns <0, 0 or >0.
int compareFolded(std::string_view a, std::string_view b);

// Widths, in units of the screen measure, that the author and title of a list
// line may take.
inline constexpr int AuthorListWidth = 200;
inline constexpr int TitleListWidth = 380;

enum class InsertResult {
    Inserted,
    CatalogueFull,  // the catalogue already holds MaxRecords records
    AuthorsFull,    // the author is new and the catalogue already holds MaxAuthors authors
};

// Places one new record (flags: shown only) at its author-then-title place,
// reusing an author entry equal without regard to letter case and giving the
// record its own entry in the sorted date table. Makes it the current record,
// brings every author and title into the current letter case, rebuilds the
// view and sets changed. When the catalogue is full nothing changes and the
// result says why.
InsertResult insertRecord(Catalogue& catalogue, const std::string& author, const std::string& title,
                          const std::string& disposition, std::uint16_t packedDate, std::uint8_t category,
                          std::uint8_t review);

// Recomputes the view (viewOrder, selectedRow), the view caption, and flags
// the book list for refilling.
void rebuildView(Catalogue& catalogue);

// The list line of record `record`: its author cut to AuthorListWidth, a tab,
// its title cut to TitleListWidth and, when it has a read date, a tab and the
// date. Lines are built when the list shows them, not with the view: at tens
// of thousands of records, measuring every line at each rebuild would cost
// far more than a frame.
std::string listTextOf(const Catalogue& catalogue, int record);

// The caption of the current view, such as "View All by Author".
std::string viewCaptionOf(const Catalogue& catalogue);
