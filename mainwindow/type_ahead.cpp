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
    const int rows = viewCount(catalogue.view);
    if (typed.empty() || rows == 0) return 0;
    const int start = std::clamp(fromRow, 1, rows);
    for (int step = 0; step < rows; ++step) {
        const int row = (start - 1 + step) % rows + 1;
        const std::string_view author = authorOf(catalogue.books, catalogue.view.order[row]);
        if (foldedPrefixLength(author, typed)) return row;
    }
    return 0;
}
