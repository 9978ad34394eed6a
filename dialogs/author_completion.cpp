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
    const auto typedLength = found == 0 ? std::nullopt : foldedPrefixLength(books.authors[found], typed);
    if (!typedLength) {
        completionStart = 1;
        return std::nullopt;
    }
    AuthorProposal proposal{typed + lowerText(std::string_view(books.authors[found]).substr(*typedLength)),
                            typed.size()};
    completionStart = found + 1 > authors ? 1 : found + 1;
    return proposal;
}
