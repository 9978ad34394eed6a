#pragma once

#include <string>
#include <vector>

// Which column of an imported file holds which part of a book, found by the
// header's names without regard to case, never by position: the web
// services have added, moved and dropped columns over the years.

enum class BookFormat { Quorvels, Goodreads, StoryGraph, LibraryThing, Other };

inline constexpr int NoColumn = -1;

struct BookColumns {
    BookFormat format = BookFormat::Other;
    int author = NoColumn;           // "Author", "Authors" or "Primary Author"
    bool authorIsList = false;       // "Authors": a comma list, the first is the author
    bool authorIsLastFirst = false;  // already "Last, First": our own file, "Primary Author"
    int authorLastFirst = NoColumn;  // Goodreads' "Author l-f", taken first when not empty
    int title = NoColumn;
    int dateRead = NoColumn;
    int stars = NoColumn;        // a rating of 0 to 5 stars, halves possible
    int review = NoColumn;       // our own file: the review by name
    int status = NoColumn;       // "Exclusive Shelf", "Read Status": read, to-read, ...
    std::vector<int> shelves;    // shelves, tags and category names, in that order of looking
    int notes = NoColumn;        // notes, of which the first line is taken
    int disposition = NoColumn;  // our own: the disposition whole
    int owned = NoColumn;        // "Owned?": Yes gives "Owned"
    int collections = NoColumn;  // LibraryThing's collections
    int marked = NoColumn;       // our own: "x" for a marked book
};

struct ColumnsResult {
    bool ok = false;
    BookColumns columns;
    std::string problem;  // when not ok: what is missing and which columns there are
};

// The columns of a header. A header without an author or a title column is
// refused, naming the columns it has (as `shownNames` shows them).
ColumnsResult findBookColumns(const std::vector<std::string>& header, const std::vector<std::string>& shownNames);
