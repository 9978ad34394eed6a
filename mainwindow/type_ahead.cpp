#include "mainwindow/type_ahead.h"

#include <algorithm>

#include "core/ordering.h"

const std::string& typeAheadText(TypeAhead& typeAhead, std::string_view keys, std::int64_t time) {
    if (time - typeAhead.lastKey >= TypeAheadPause) typeAhead.typed.clear();
    typeAhead.lastKey = time;
    if (typeAhead.typed.empty()) keys.remove_prefix(std::min(keys.size(), keys.find_first_not_of(' ')));
    typeAhead.typed += keys;
    return typeAhead.typed;
}

int rowOfAuthorStartingWith(const Catalogue& catalogue, int fromRow, std::string_view typed) {
    const CatalogueView& view = catalogue.view;
    const BookTables& books = catalogue.books;
    const int rows = viewCount(view);
    if (typed.empty() || rows == 0) return 0;
    const int start = std::clamp(fromRow, 1, rows);
    // Rows of one author stand together in the usual order, and an author
    // already compared cannot begin with the text now: it is skipped.
    int lastAuthor = -1;
    const auto authorBegins = [&](int row) {
        const int author = books.records[view.order[row]].authorIndex;
        if (author == lastAuthor) return false;
        lastAuthor = author;
        return foldedPrefixLength(books.authors[author], typed).has_value();
    };
    for (int row = start; row <= rows; ++row)
        if (authorBegins(row)) return row;
    for (int row = 1; row < start; ++row)
        if (authorBegins(row)) return row;
    return 0;
}
