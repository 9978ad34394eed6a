#include "dialogs/find_search.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "core/letter_case.h"

namespace {

std::string searchText(const std::string& typed) {
    const auto first = typed.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return foldedText(std::string_view(typed).substr(first, typed.find_last_not_of(' ') - first + 1));
}

// One folded text searched for in many fields. A search that skips ahead by
// the last byte looked at, rather than testing every place its first byte
// occurs: in Cyrillic and Greek texts nearly every other byte is the same.
struct FoldedSearch {
    explicit FoldedSearch(const std::string& wanted) : wanted(wanted), searcher(wanted.begin(), wanted.end()) {}

    // Whether `field`, folded into `room` (reused from one field to the
    // next), holds the text; an empty text is in every field.
    bool foundIn(std::string_view field, std::string& room) const {
        if (wanted.empty()) return true;
        room.assign(field);
        foldInPlace(room);
        return std::search(room.cbegin(), room.cend(), searcher) != room.cend();
    }

    const std::string& wanted;
    std::boyer_moore_horspool_searcher<std::string::const_iterator> searcher;
};

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
    const FoldedSearch author(criteria.author), title(criteria.title), disposition(criteria.disposition);
    // Each author is searched once, not once for every book of theirs.
    std::vector<bool> authorMatches(books.authors.size(), true);
    if (!criteria.author.empty())
        for (std::size_t a = 1; a < books.authors.size(); ++a)
            authorMatches[a] = author.foundIn(books.authors[a], room);
    bool any = false;
    for (int i = 1; i <= recordCount(books); ++i) {
        BookRecord& record = books.records[i];
        const bool match = (criteria.author.empty() || authorMatches[record.authorIndex]) &&
                           title.foundIn(record.title, room) && disposition.foundIn(record.disposition, room) &&
                           (criteria.category == 0 || record.category == criteria.category);
        setFlag(record.flags, ShownFlag, match);
        any = any || match;
    }
    return any;
}
