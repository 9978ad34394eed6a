#pragma once

#include <cstdint>
#include <string>

#include "core/catalogue.h"

// What the find dialog searches for. Texts are folded (see foldedText),
// without surrounding blanks; an empty text or category 0 sets no condition.
struct FindCriteria {
    std::string author;
    std::string title;
    std::string disposition;
    std::uint8_t category = 0;
};

// The criteria as the dialog's boxes hold them; `category` is the chosen
// category's code, 0 or less for any.
FindCriteria makeFindCriteria(const std::string& author, const std::string& title, const std::string& disposition,
                              int category);

bool hasNoCondition(const FindCriteria& criteria);

// Sets `shown` on every record, deleted ones included, that meets every
// condition, and clears it on the others. Returns whether any record matched.
bool runFind(BookTables& books, const FindCriteria& criteria);
