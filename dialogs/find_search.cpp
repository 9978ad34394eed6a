#include "dialogs/find_search.h"

#include "core/letter_case.h"

namespace {

std::string searchText(const std::string& typed) {
    const auto first = typed.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return foldedText(std::string_view(typed).substr(first, typed.find_last_not_of(' ') - first + 1));
}

bool contains(const std::string& field, const std::string& wanted) {
    return wanted.empty() || foldedText(field).find(wanted) != std::string::npos;
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
    bool any = false;
    for (int i = 1; i <= recordCount(books); ++i) {
        BookRecord& record = books.records[i];
        const bool match = contains(authorOf(books, i), criteria.author) && contains(record.title, criteria.title) &&
                           contains(record.disposition, criteria.disposition) &&
                           (criteria.category == 0 || record.category == criteria.category);
        setFlag(record.flags, ShownFlag, match);
        any = any || match;
    }
    return any;
}
