#include "dialogs/find_search.h"

#include <vector>

#include "core/letter_case.h"

namespace {

std::string searchText(const std::string& typed) {
    const auto first = typed.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return foldedText(std::string_view(typed).substr(first, typed.find_last_not_of(' ') - first + 1));
}

// Whether `field`, folded, holds `wanted`, which is folded already. The
// field is folded into `room`, reused from one field to the next.
bool contains(std::string_view field, const std::string& wanted, std::string& room) {
    room.assign(field);
    foldInPlace(room);
    return room.find(wanted) != std::string::npos;
}

}  // namespace

FindCriteria makeFindCriteria(const std::string& author, const std::string& title, const std::string& disposition,
                              int category) {
    return {searchText(author), searchText(title), searchText(disposition),
            static_cast<std::uint8_t>(category > 0 ? category : 0)};
}

bool hasNoCondition(const FindCriteria& criteria) {
    return criteria.author.empty() && criteria.title.empty() && criteria.disposition.empty() && criteria.category == 0;
}

bool runFind(BookTables& books, const FindCriteria& criteria) {
    std::string room;
    const auto holds = [&room](std::string_view field, const std::string& wanted) {
        return wanted.empty() || contains(field, wanted, room);
    };
    // Each author is searched once, not once for every book of theirs.
    std::vector<bool> authorMatches(books.authors.size(), true);
    if (!criteria.author.empty())
        for (std::size_t a = 1; a < books.authors.size(); ++a)
            authorMatches[a] = contains(books.authors[a], criteria.author, room);
    bool any = false;
    for (int i = 1; i <= recordCount(books); ++i) {
        BookRecord& record = books.records[i];
        const bool match = (criteria.author.empty() || authorMatches[record.authorIndex]) &&
                           holds(record.title, criteria.title) && holds(record.disposition, criteria.disposition) &&
                           (criteria.category == 0 || record.category == criteria.category);
        setFlag(record.flags, ShownFlag, match);
        any = any || match;
    }
    return any;
}
