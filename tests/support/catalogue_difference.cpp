#include "tests/support/catalogue_difference.h"

#include <tuple>

std::string firstDifference(const Catalogue& got, const Catalogue& want) {
    if (authorCount(got) != authorCount(want))
        return "author counts differ: " + std::to_string(authorCount(got)) + " against " + std::to_string(authorCount(want));
    for (int a = 1; a <= authorCount(want); ++a)
        if (got.authors[a] != want.authors[a]) return "author " + std::to_string(a) + ": \"" + got.authors[a] + "\" against \"" + want.authors[a] + "\"";
    if (got.readDates != want.readDates) return "read dates differ";
    if (recordCount(got) != recordCount(want)) return "record counts differ";
    for (int i = 1; i <= recordCount(want); ++i) {
        const BookRecord& a = got.records[i];
        const BookRecord& b = want.records[i];
        if (std::tie(a.authorIndex, a.dateIndex, a.category, a.review, a.flags, a.title, a.disposition) !=
            std::tie(b.authorIndex, b.dateIndex, b.category, b.review, b.flags, b.title, b.disposition))
            return "record " + std::to_string(i) + " (\"" + a.title + "\" against \"" + b.title + "\")";
    }
    if (got.markedCount != want.markedCount) return "marked counts differ";
    if (got.viewOrder != want.viewOrder || got.selectedRow != want.selectedRow) return "views differ";
    if (got.currentRecord != want.currentRecord) return "current records differ";
    if (got.lettersInForm != want.lettersInForm || got.upperCase != want.upperCase) return "letter forms differ";
    return {};
}
