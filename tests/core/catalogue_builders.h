#pragma once

#include <string>
#include <vector>

#include "core/catalogue.h"
#include "core/ordering.h"
#include "core/read_date.h"

// Adds a book as the record dialog would, with a date typed as text ("" for
// unread) that must be legal in 2026.
inline InsertResult addBook(Catalogue& catalogue, const std::string& author, const std::string& title,
                            const std::string& date = "", std::uint8_t category = 0, std::uint8_t review = 0) {
    std::string text = date;
    std::uint16_t packed = 0;
    if (!text.empty()) {
        if (parseReadDate(text, 2026)) throw std::invalid_argument("illegal test date " + date);
        packed = packReadDate(text);
    }
    return insertRecord(catalogue, author, title, "", packed, category, review);
}

// "AUTHOR TITLE" for every row of the view, in display order.
inline std::vector<std::string> viewRows(const Catalogue& catalogue) {
    std::vector<std::string> rows;
    for (int row = 1; row <= viewCount(catalogue.view); ++row) {
        const int record = catalogue.view.order[row];
        rows.push_back(authorOf(catalogue.books, record) + " " + catalogue.books.records[record].title);
    }
    return rows;
}
