#include "bookexchange/book_columns.h"

#include <initializer_list>

#include "bookexchange/book_mapping.h"
#include "core/letter_case.h"

namespace {

struct Header {
    std::vector<std::string> names;  // blanks squeezed, single quotes around dropped, in capitals

    int find(std::initializer_list<std::string_view> wanted) const {
        for (const std::string_view name : wanted)
            for (std::size_t i = 0; i < names.size(); ++i)
                if (names[i] == foldedText(name)) return static_cast<int>(i);
        return NoColumn;
    }
    bool has(std::string_view name) const { return find({name}) != NoColumn; }
};

std::string headerName(const std::string& name) {
    std::string squeezed = squeezeBlanks(name);
    if (squeezed.size() >= 2 && squeezed.front() == '\'' && squeezed.back() == '\'')
        squeezed = squeezeBlanks(squeezed.substr(1, squeezed.size() - 2));
    return foldedText(squeezed);
}

BookFormat formatOf(const Header& h) {
    if (h.has("Author") && h.has("Title") && h.has("Category") && h.has("Review") && h.has("Disposition"))
        return BookFormat::Quorvels;
    if (h.has("Exclusive Shelf") || h.has("Author l-f")) return BookFormat::Goodreads;
    if (h.has("Read Status") && h.has("Authors")) return BookFormat::StoryGraph;
    if (h.has("Primary Author") || h.has("AUTHOR (last, first)")) return BookFormat::LibraryThing;
    if (h.has("author_sort") && h.has("title_sort")) return BookFormat::Calibre;
    return BookFormat::Other;
}

// The columns every form names alike.
void findCommonColumns(const Header& h, BookColumns& c) {
    c.title = h.find({"Title"});
    c.author = h.find({"Author"});
    if (c.author == NoColumn && (c.author = h.find({"Authors"})) != NoColumn) c.authorListSeparator = ",";
    if (c.author == NoColumn && (c.author = h.find({"Primary Author", "AUTHOR (last, first)"})) != NoColumn)
        c.authorIsLastFirst = true;
    if (c.format == BookFormat::Quorvels) c.authorIsLastFirst = true;
    c.authorLastFirst = h.find({"Author l-f"});
    c.dateRead = h.find({"Date Read", "Last Date Read", "Read Date", "Date Finished"});
    c.readHistory = h.find({"Dates Read"});
    c.readCount = h.find({"Read Count"});
    c.stars = h.find({"My Rating", "Star Rating", "Rating", "Stars", "Ratings"});
    // Other services' "Review" columns hold the reader's own text.
    if (c.format == BookFormat::Quorvels) c.review = h.find({"Review"});
    c.status = h.find({"Exclusive Shelf", "Read Status", "Status"});
    for (const std::string_view name : {"Category", "Bookshelves", "Tags", "Shelves", "Genres", "Genre", "Subjects"})
        if (const int column = h.find({name}); column != NoColumn) c.shelves.push_back(column);
    c.notes = h.find({"Private Notes", "Notes", "Comments", "Comment"});
    c.disposition = h.find({"Disposition"});
    c.owned = h.find({"Owned?", "Owned"});
    c.collections = h.find({"Collections"});
    c.marked = h.find({"Marked"});
}

// The e-book manager's catalogue: the sorted author list, a rating of 0 to
// 10, a custom column ("#gr_date_read") for the date read, and "comments"
// that hold the book's description, never the reader's notes.
void findCalibreColumns(const Header& h, BookColumns& c) {
    c.author = h.find({"author_sort"});
    c.authorListSeparator = " & ";
    c.authorIsLastFirst = true;
    c.starsOutOfTen = true;
    c.notes = NoColumn;
    for (std::size_t i = 0; i < h.names.size(); ++i) {
        const std::string& name = h.names[i];
        if (!name.empty() && name.front() == '#' && name.find("DATE") != std::string::npos &&
            name.find("READ") != std::string::npos)
            c.dateRead = static_cast<int>(i);
    }
}

std::string problemOf(const std::vector<std::string>& shownNames) {
    std::string names;
    for (const std::string& name : shownNames) names += (names.empty() ? "\"" : ", \"") + squeezeBlanks(name) + "\"";
    return "it has no author and title columns (\"Author\", \"Authors\" or \"Primary Author\", and "
           "\"Title\"); the columns it has are " +
           (names.empty() ? std::string("none") : names);
}

}  // namespace

ColumnsResult findBookColumns(const std::vector<std::string>& header, const std::vector<std::string>& shownNames) {
    Header h;
    for (const std::string& name : header) h.names.push_back(headerName(name));

    ColumnsResult result;
    BookColumns& c = result.columns;
    c.format = formatOf(h);
    findCommonColumns(h, c);
    if (c.format == BookFormat::Calibre) findCalibreColumns(h, c);
    if (c.title == NoColumn || (c.author == NoColumn && c.authorLastFirst == NoColumn)) {
        result.problem = problemOf(shownNames);
        return result;
    }
    result.ok = true;
    return result;
}
