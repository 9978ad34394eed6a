#include "tests/printing/book_lines.h"

#include <cstdint>

#include "core/read_date.h"

std::string bookLine(const BookTables& books, int record) {
    std::string line = authorOf(books, record) + " " + books.records[record].title;
    if (const std::uint16_t date = readDateOf(books, record); date != 0) line.append(" ").append(formatReadDate(date));
    return line;
}

std::vector<std::vector<std::string>> bookLinesByPage(const Catalogue& catalogue, int perPage) {
    std::vector<std::vector<std::string>> pages;
    for (int row = 1; row <= viewCount(catalogue.view); ++row) {
        if ((row - 1) % perPage == 0) pages.emplace_back();
        pages.back().push_back(bookLine(catalogue.books, catalogue.view.order[row]));
    }
    return pages;
}
