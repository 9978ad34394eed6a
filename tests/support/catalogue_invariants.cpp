#include "tests/support/catalogue_invariants.h"

#include <set>

#include "core/ordering.h"

std::vector<std::string> invariantBreaks(const Catalogue& c, bool ordered) {
    std::vector<std::string> breaks;
    auto fail = [&](std::string what) { breaks.push_back(std::move(what)); };
    const int records = recordCount(c.books);
    const int authors = authorCount(c.books);

    if (c.books.readDates.size() != c.books.records.size()) fail("readDates and records differ in size");
    if (ordered)
        for (int i = 2; i <= authors; ++i)
            // Equal neighbours come only from a file of the old folding.
            if (compareFolded(c.books.authors[i - 1], c.books.authors[i]) > 0)
                fail("authors out of order at " + std::to_string(i));

    std::set<int> dateIndices;
    for (int i = 1; i <= records; ++i) {
        const BookRecord& r = c.books.records[i];
        if (r.authorIndex < 1 || r.authorIndex > authors)
            fail("authorIndex out of range at record " + std::to_string(i));
        if (r.dateIndex < 1 || r.dateIndex > records) fail("dateIndex out of range at record " + std::to_string(i));
        dateIndices.insert(r.dateIndex);
    }
    if (static_cast<int>(dateIndices.size()) != records) fail("dateIndex values are not a permutation");
    for (int i = 2; i <= records && i < static_cast<int>(c.books.readDates.size()); ++i)
        if (c.books.readDates[i - 1] > c.books.readDates[i]) fail("readDates out of order at " + std::to_string(i));

    if (ordered && breaks.empty())
        for (int i = 2; i <= records; ++i) {
            const std::string before = authorOf(c.books, i - 1) + " " + c.books.records[i - 1].title;
            const std::string after = authorOf(c.books, i) + " " + c.books.records[i].title;
            if (compareFolded(before, after) > 0) fail("records out of order at " + std::to_string(i));
        }

    std::set<int> viewed;
    for (int row = 1; row <= viewCount(c.view); ++row) {
        const int record = c.view.order[row];
        if (record < 1 || record > records) {
            fail("view row " + std::to_string(row) + " names no record");
            continue;
        }
        if (!testFlag(c.books.records[record].flags, ShownFlag))
            fail("view row " + std::to_string(row) + " is not shown");
        if (!viewed.insert(record).second) fail("record " + std::to_string(record) + " twice in the view");
    }
    return breaks;
}
