#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/catalogue.h"

// What the Author box shows after a completion: the proposed name, with
// everything from `selectFrom` on selected so that typing on replaces it.
struct AuthorProposal {
    std::string text;
    std::size_t selectFrom;
};

// Proposes the first author, from `completionStart` on, that is greater than
// the typed text and begins with it (letter case ignored); the typed part
// keeps the user's spelling and the rest is in small letters. Texts shorter
// than three characters propose nothing. `completionStart` moves past the
// proposal, so the next change searches on; it returns to 1 when nothing is
// proposed.
std::optional<AuthorProposal> completeAuthor(const BookTables& books, const std::string& typed, int& completionStart);
