#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/catalogue.h"

// Compares two UTF-8 texts with every letter folded to its capital
// (foldOf), character by character by rank: a character's Windows-1252 byte
// where it has one, else 256 plus its code point, so texts Windows-1252 holds
// keep the order of their bytes; a prefix sorts before the longer text.
// Returns <0, 0 or >0.
int compareFolded(std::string_view a, std::string_view b);

// The bytes of `text` that begin it and fold as `prefix` does, or nothing
// when text does not begin so. (A letter and its capital may differ in
// length: "ı" and "I".)
std::optional<std::size_t> foldedPrefixLength(std::string_view text, std::string_view prefix);

// Compares the record keys (author, one blank, title) of two books as
// compareFolded compares the joined texts, without building them: the order
// of the record table.
int compareRecordKeys(std::string_view authorA, std::string_view titleA, std::string_view authorB,
                      std::string_view titleB);

enum class InsertResult {
    Inserted,
    CatalogueFull,  // the catalogue already holds MaxRecords records
    AuthorsFull,    // the author is new and the catalogue already holds MaxAuthors authors
};

// Brings the new author and title, and every author and title held, into the
// current letter case, then places one new record (flags: shown only) at its
// author-then-title place, reusing an author entry equal without regard to
// letter case and giving the record its own entry in the sorted date table.
// Makes it the current record, rebuilds the view and sets changed. When the
// catalogue is full nothing changes and the result says why.
InsertResult insertRecord(Catalogue& catalogue, const std::string& typedAuthor, const std::string& typedTitle,
                          const std::string& disposition, std::uint16_t packedDate, std::uint8_t category,
                          std::uint8_t review);

// Recomputes the view (order, selectedRow) from the books and counts the
// rebuild in the view's version. Rows of the view are not measured or drawn
// here: the book list builds a row's line when it shows it.
void rebuildView(Catalogue& catalogue);

// Drops from the view the rows whose records lost their shown flag since the
// view was built, keeping the order of the rest, so that row r still shows
// record view.order[r]; selectedRow is kept inside the view.
void dropHiddenRows(Catalogue& catalogue);

// The caption of the current view, such as "View All by Author".
std::string viewCaptionOf(const CatalogueView& view);
