#include "tests/support/large_catalogue.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <set>

#include "core/marks.h"
#include "core/ordering.h"
#include "core/read_date.h"

namespace {

std::string randomWord(std::mt19937& random) {
    static const char* const syllables[] = {"AL", "BEN", "COR", "DA", "EL", "FRA", "GOR", "HAL", "IN",  "JO",
                                            "KA", "LE",  "MAR", "NO", "OS", "PER", "QUI", "RO",  "SAN", "TER"};
    std::uniform_int_distribution<int> count(1, 4), pick(0, 19);
    std::string word;
    for (int i = count(random); i > 0; --i) word += syllables[pick(random)];
    return word;
}

}  // namespace

Catalogue makeLargeCatalogue(int size, unsigned seed) {
    std::mt19937 random(seed);
    Catalogue catalogue;
    catalogue.books.upperCase = true;

    std::set<std::string> surnames;
    while (static_cast<int>(surnames.size()) < std::max(1, size / 24)) surnames.insert(randomWord(random));
    const std::vector<std::string> surnameList(surnames.begin(), surnames.end());
    std::set<std::string, bool (*)(const std::string&, const std::string&)> authors(
        [](const std::string& a, const std::string& b) { return compareFolded(a, b) < 0; });
    std::uniform_int_distribution<std::size_t> pickSurname(0, surnameList.size() - 1);
    while (static_cast<int>(authors.size()) < std::max(1, size / 8))
        authors.insert(surnameList[pickSurname(random)] + ", " + randomWord(random));
    catalogue.books.authors.insert(catalogue.books.authors.end(), authors.begin(), authors.end());

    struct Entry {
        int author;
        std::string title;
        std::uint16_t date;
    };
    std::uniform_int_distribution<int> pickAuthor(1, authorCount(catalogue.books)), words(2, 6), fifth(0, 4);
    std::uniform_int_distribution<int> year(1980, 2025), month(1, 12), day(1, 28);
    std::vector<Entry> entries;
    for (int i = 0; i < size; ++i) {
        std::string title = randomWord(random);
        for (int w = words(random); w > 1; --w) title += " " + randomWord(random);
        const std::uint16_t date = fifth(random) == 0
                                       ? 0
                                       : packReadDate(std::to_string(month(random)) + "-" +
                                                      std::to_string(day(random)) + "-" + std::to_string(year(random)));
        entries.push_back({pickAuthor(random), title, date});
    }
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        return compareFolded(catalogue.books.authors[a.author] + " " + a.title,
                             catalogue.books.authors[b.author] + " " + b.title) < 0;
    });

    // Date entries in ascending order; each record owns the slot of its date.
    std::vector<int> byDate(size);
    std::iota(byDate.begin(), byDate.end(), 0);
    std::stable_sort(byDate.begin(), byDate.end(), [&](int a, int b) { return entries[a].date < entries[b].date; });
    catalogue.books.records.resize(size + 1);
    catalogue.books.readDates.resize(size + 1);
    for (int slot = 1; slot <= size; ++slot) {
        const int i = byDate[slot - 1];
        catalogue.books.readDates[slot] = entries[i].date;
        catalogue.books.records[i + 1].dateIndex = static_cast<std::int16_t>(slot);
    }
    for (int i = 1; i <= size; ++i) {
        BookRecord& record = catalogue.books.records[i];
        record.authorIndex = static_cast<std::int16_t>(entries[i - 1].author);
        record.title = entries[i - 1].title;
        record.category = static_cast<std::uint8_t>(i % 15);
        record.review = static_cast<std::uint8_t>(i % 11);
        record.disposition = i % 3 == 0 ? "LENT TO A FRIEND" : "";
        record.flags = 0;
        setFlag(record.flags, ShownFlag, true);
        if (i % 7 == 0) setMarked(catalogue.books, i, true);
    }
    // Authors no record drew are dropped, keeping every author in use.
    std::vector<int> used(catalogue.books.authors.size(), 0);
    for (int i = 1; i <= size; ++i) used[catalogue.books.records[i].authorIndex] = 1;
    std::vector<int> renumber(catalogue.books.authors.size(), 0);
    std::vector<std::string> kept{std::string()};
    for (std::size_t a = 1; a < catalogue.books.authors.size(); ++a)
        if (used[a]) {
            kept.push_back(catalogue.books.authors[a]);
            renumber[a] = static_cast<int>(kept.size()) - 1;
        }
    catalogue.books.authors = std::move(kept);
    for (int i = 1; i <= size; ++i)
        catalogue.books.records[i].authorIndex =
            static_cast<std::int16_t>(renumber[catalogue.books.records[i].authorIndex]);

    catalogue.books.lettersInForm = true;
    rebuildView(catalogue);
    return catalogue;
}
