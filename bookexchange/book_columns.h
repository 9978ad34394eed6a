#pragma once

#include <string>
#include <string_view>
#include <vector>

// Which column of an imported file holds which part of a book, found by the
// header's names without regard to case and to single quotes around them,
// never by position: the web services have added, moved and dropped columns
// over the years.

enum class BookFormat { Quorvels, Goodreads, StoryGraph, LibraryThing, Calibre, Other };

inline constexpr int NoColumn = -1;

struct BookColumns {
    BookFormat format = BookFormat::Other;
    int author = NoColumn;  // "Author", "Authors", "Primary Author", "AUTHOR (last, first)" or "author_sort"
    std::string_view authorListSeparator;  // "Authors": a list, the first is the author; empty when one name
    bool authorIsLastFirst = false;        // already "Last, First": our own file, "Primary Author" and the like
    int authorLastFirst = NoColumn;        // Goodreads' "Author l-f", taken first when not empty
    int title = NoColumn;
    int dateRead = NoColumn;
    int readHistory = NoColumn;  // "Dates Read": every read of the book, each its own record
    int readCount = NoColumn;    // "Read Count": how often the book was read
    int stars = NoColumn;        // a rating of 0 to 5 stars, halves possible
    bool starsOutOfTen = false;  // Calibre's rating: two per star
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
