#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/catalogue.h"

// One book as a user would type it into the record dialog.
struct TypedBook {
    std::string author;  // UTF-8, "Surname, Forenames"
    std::string title;   // UTF-8, 1 to 255 characters
    std::string disposition;
    std::uint16_t packedDate = 0;  // 0: not read
    std::uint8_t category = 0;     // 0..13, as the record dialog offers them
    std::uint8_t review = 0;       // 0..9
};

// The scripts the books' texts are written in.
enum class BookScripts {
    Latin,                // English words and names, some with accented letters: all of Windows-1252
    CyrillicAndJapanese,  // every other author Russian, in Cyrillic, the others Japanese; each
                          // author's titles and dispositions in the author's language
};

// `size` books as a long-kept catalogue holds them, the same for the same seed
// on every platform: about size / 6 authors of uneven output, sharing
// surnames (some with accented letters or particles such as "du"); titles
// mostly of two to eight words, a few running up to 255 characters; about a
// fifth undated; every category and review code; dispositions mostly from a
// few habits. Authors and titles are typed in mixed case where the script has
// letter case.
std::vector<TypedBook> realisticBooks(int size, unsigned seed = 1, BookScripts scripts = BookScripts::Latin);

// The books entered one by one through insertRecord, as the record dialog
// enters them (so in proper case), then about one record in ten marked, as
// the user marks them. No measure is set; nothing is current; `changed` is
// set. Insertion one by one costs quadratic time: tens of seconds at 32767.
Catalogue enterBooks(const std::vector<TypedBook>& books, unsigned seed = 1);
