#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ordering.h"

// One book to insert, with the arguments insertRecord takes.
struct NewRecord {
    std::string author;
    std::string title;
    std::string disposition;
    std::uint16_t packedDate = 0;
    std::uint8_t category = 0;
    std::uint8_t review = 0;
};

struct BulkInsertResult {
    int inserted = 0;                            // books inserted, from the first on
    InsertResult stop = InsertResult::Inserted;  // why the rest were not (Inserted: all were)
    std::vector<int> places;                     // the record number each inserted book has at the end
};

// Inserts the books in their order, leaving the catalogue exactly as calling
// insertRecord for each of them would (stopping at the first one that does
// not fit), only with one rebuild of the view instead of one per book. When
// the authors are sorted, the texts in form and so are the books', it
// merges all of them in one pass; otherwise it inserts them one by one.
BulkInsertResult insertRecords(Catalogue& catalogue, const std::vector<NewRecord>& books);
