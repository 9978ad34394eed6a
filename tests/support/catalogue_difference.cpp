#include "tests/support/catalogue_difference.h"

#include <tuple>

std::string firstDifference(const Catalogue& got, const Catalogue& want) {
    if (authorCount(got.books) != authorCount(want.books))
        return "author counts differ: " + std::to_string(authorCount(got.books)) + " against " +
               std::to_string(authorCount(want.books));
    for (int a = 1; a <= authorCount(want.books); ++a)
        if (got.books.authors[a] != want.books.authors[a])
            return "author " + std::to_string(a) + ": \"" + got.books.authors[a] + "\" against \"" +
                   want.books.authors[a] + "\"";
    if (got.books.readDates != want.books.readDates) return "read dates differ";
    if (recordCount(got.books) != recordCount(want.books)) return "record counts differ";
    for (int i = 1; i <= recordCount(want.books); ++i) {
        const BookRecord& a = got.books.records[i];
        const BookRecord& b = want.books.records[i];
        if (std::tie(a.authorIndex, a.dateIndex, a.category, a.review, a.flags, a.title, a.disposition) !=
            std::tie(b.authorIndex, b.dateIndex, b.category, b.review, b.flags, b.title, b.disposition))
            return "record " + std::to_string(i) + " (\"" + a.title + "\" against \"" + b.title + "\")";
    }
    if (got.books.markedCount != want.books.markedCount) return "marked counts differ";
    if (got.view.order != want.view.order || got.view.selectedRow != want.view.selectedRow) return "views differ";
    if (got.view.currentRecord != want.view.currentRecord) return "current records differ";
    if (got.books.lettersInForm != want.books.lettersInForm || got.books.upperCase != want.books.upperCase)
        return "letter forms differ";
    return {};
}
