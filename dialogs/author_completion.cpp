#include "dialogs/author_completion.h"

#include "core/letter_case.h"
#include "core/ordering.h"
#include "core/utf8.h"

std::optional<AuthorProposal> completeAuthor(const BookTables& books, const std::string& typed, int& completionStart) {
    const int authors = authorCount(books);
    const bool tooShort = characterCount(typed) < 3;
    if (tooShort || completionStart < 1 || completionStart > authors) {
        completionStart = 1;
        if (tooShort) return std::nullopt;
    }
    int found = 0;
    for (int i = completionStart; i <= authors && found == 0; ++i)
        if (compareFolded(books.authors[i], typed) > 0) found = i;
    if (found == 0 || compareFolded(std::string_view(books.authors[found]).substr(0, typed.size()), typed) != 0) {
        completionStart = 1;
        return std::nullopt;
    }
    AuthorProposal proposal{typed + toLowerAscii(std::string_view(books.authors[found]).substr(typed.size())),
                            typed.size()};
    completionStart = found + 1 > authors ? 1 : found + 1;
    return proposal;
}
