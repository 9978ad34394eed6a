#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue.h"
#include "storage/file_form.h"
#include "storage/file_form.h"

// The byte layout of a catalogue file, apart from the disk: decoding file bytes into
// the record, author and read-date tables, and encoding a catalogue with its
// deleted records purged.
//
// Both forms share one layout: the 13-byte magic, the record and author
// counts, each record's fixed block with its title and disposition, the
// authors, the read dates. The old form ("Quorvels 2.00") writes each text
// as Windows-1252 behind a one-byte length; the new form ("Quorvels 3.00") as
// UTF-8 behind a two-byte little-endian length. In memory every text is
// UTF-8 and holds at most 255 characters (code points), the text boxes'
// limit: at most 255 bytes in the old form, at most 1020 in the new.

// The most bytes of a text in the new form: MaxTextCharacters characters of
// at most four bytes each.
inline constexpr std::size_t MaxNewFormTextBytes = 4 * MaxTextCharacters;

// The largest file a valid catalogue can take, in the new form (the old one
// takes less): magic, two counts, MaxRecords records with two full texts and
// a read date, MaxAuthors full author texts. Bytes after it can only be
// trailing bytes, which are ignored.
inline constexpr std::size_t MaxCatalogueFileBytes =
    13 + 4 + static_cast<std::size_t>(MaxRecords) * (7 + 2 * (2 + MaxNewFormTextBytes) + 2) +
    static_cast<std::size_t>(MaxAuthors) * (2 + MaxNewFormTextBytes);

struct DecodeResult {
    enum Status { Loaded, WrongMagic, Damaged };
    Status status = Loaded;
    std::string problem;            // for Damaged: what is wrong, as a sentence fragment
    FileForm form = FileForm::Old;  // for Loaded: the form the file has
};

// Decodes file bytes of either form into `tables` (its records, authors and
// readDates, texts in UTF-8; the other fields are not touched). Reads past
// the end give zero bytes. Loaded
// guarantees: counts 0..32767, every authorIndex in 1..authorCount, the
// dateIndex values a permutation of 1..recordCount, read dates ascending, and
// that the file held all the data its counts declare (only missing count
// bytes read as 0), and in the new form that every text is well-formed UTF-8
// of at most MaxTextCharacters characters. Tolerated, as the original layout can write them or they
// harm nothing: authors out of order or equal under folding (after a
// proper-case conversion), authors no record uses (dropped at the next save),
// any flags, category and review codes, date values that are no real date.
DecodeResult decodeCatalogue(std::string_view bytes, BookTables& tables);

// Which entries a save keeps, and their new numbers.
struct PurgePlan {
    std::vector<int> keptRecords;      // old record numbers, in order
    std::vector<int> newRecordNumber;  // by old record number; 0 = dropped
    std::vector<int> newAuthorIndex;   // by old author index; 0 = dropped
    std::vector<int> newDateIndex;     // by old date index; 0 = dropped
    int authorCount = 0;               // authors kept
    FileForm form = FileForm::Old;     // Old when Windows-1252 holds every text kept
    std::string problem;               // non-empty: the catalogue cannot be written
};

// Plans the purge a save makes (deleted records, their read dates and unused
// authors), chooses the form and checks that the result can be written:
// indices inside their tables, distinct read dates, every text well-formed
// UTF-8 of at most MaxTextCharacters characters, no more than MaxRecords
// records or MaxAuthors authors to write.
PurgePlan planPurge(const BookTables& books);

// The file bytes of the purged catalogue in plan.form (plan.problem must be
// empty; the old form needs every text kept to fit Windows-1252).
std::string encodeCatalogue(const BookTables& books, const PurgePlan& plan);

// Applies the plan in memory: keeps what was written, renumbers the indices,
// sets `shown` on every remaining record, recounts markedCount (a dropped
// record may have been marked), follows currentRecord (0 when its record
// went) and rebuilds the view when anything was dropped.
void applyPurge(Catalogue& catalogue, const PurgePlan& plan);
