#pragma once

#include <functional>
#include <string>

#include "core/catalogue.h"

// Replaces every author, title and disposition with rewrite(text) and puts
// the tables back in order by inserting the books anew in bulk: a changed
// author or title may move, authors that become equal under folding become
// one entry, and authors and titles take the catalogue's letter case, as an
// insertion gives them. Every book keeps its read date, codes and flags (its
// mark and deletion among them) and the current record follows its book.
// Sets changed and rebuilds the view.
void rewriteTexts(Catalogue& catalogue, const std::function<std::string(const std::string&)>& rewrite);
