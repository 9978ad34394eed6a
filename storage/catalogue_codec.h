#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue.h"

// The byte layout of a catalogue file, apart from the disk: decoding file bytes into
// the record, author and read-date tables, and encoding a catalogue with its
// deleted records purged.

// The most bytes of a text in the file: its one-byte length, then its
// Windows-1252 bytes, one for each character.
inline constexpr std::size_t MaxFileTextBytes = 255;

// The largest file a valid catalogue can take: magic, two counts, MaxRecords
// records with two full texts and a read date, MaxAuthors full author texts.
// Bytes after it can only be trailing bytes, which are ignored.
inline constexpr std::size_t MaxCatalogueFileBytes =
    13 + 4 + static_cast<std::size_t>(MaxRecords) * (7 + 2 * (1 + MaxFileTextBytes) + 2)
    + static_cast<std::size_t>(MaxAuthors) * (1 + MaxFileTextBytes);

struct DecodeResult {
    enum Status { Loaded, WrongMagic, Damaged };
    Status status = Loaded;
    std::string problem;  // for Damaged: what is wrong, as a sentence fragment
};

// Decodes file bytes into `tables` (its records, authors and readDates; the
// other fields are not touched). Reads past the end give zero bytes. Loaded
// guarantees: counts 0..32767, every authorIndex in 1..authorCount, the
// dateIndex values a permutation of 1..recordCount, read dates ascending, and
// that the file held all the data its counts declare (only missing count
// bytes read as 0). Tolerated, as the original layout can write them or they
// harm nothing: authors out of order or equal under folding (after a
// proper-case conversion), authors no record uses (dropped at the next save),
// any flags, category and review codes, date values that are no real date.
DecodeResult decodeCatalogue(std::string_view bytes, BookTables& tables);

// Which entries a save keeps, and their new numbers.
struct PurgePlan {
    std::vector<int> keptRecords;              // old record numbers, in order
    std::vector<int> newRecordNumber;  // by old record number; 0 = dropped
    std::vector<int> newAuthorIndex;   // by old author index; 0 = dropped
    std::vector<int> newDateIndex;     // by old date index; 0 = dropped
    int authorCount = 0;                        // authors kept
    std::string problem;                        // non-empty: the catalogue cannot be written
};

// Plans the purge a save makes (deleted records, their read dates and unused
// authors) and checks that the result can be written: indices inside their
// tables, distinct read dates, no text longer than 255 bytes, no more than
// MaxRecords records or MaxAuthors authors to write.
PurgePlan planPurge(const BookTables& books);

// The file bytes of the purged catalogue (plan.problem must be empty).
std::string encodeCatalogue(const BookTables& books, const PurgePlan& plan);

// Applies the plan in memory: keeps what was written, renumbers the indices,
// sets `shown` on every remaining record, recounts markedCount (a dropped
// record may have been marked), follows currentRecord (0 when its record
// went) and rebuilds the view when anything was dropped.
void applyPurge(Catalogue& catalogue, const PurgePlan& plan);
