#include "bookexchange/book_columns.h"

#include <initializer_list>
#include <string_view>

#include "bookexchange/book_mapping.h"
#include "core/letter_case.h"

namespace {

struct Header {
    std::vector<std::string> names;  // blanks squeezed, in capitals

    int find(std::initializer_list<std::string_view> wanted) const {
        for (const std::string_view name : wanted)
            for (std::size_t i = 0; i < names.size(); ++i)
                if (names[i] == foldedText(name)) return static_cast<int>(i);
        return NoColumn;
    }
    bool has(std::string_view name) const { return find({name}) != NoColumn; }
};

BookFormat formatOf(const Header& h) {
    if (h.has("Author") && h.has("Title") && h.has("Category") && h.has("Review") && h.has("Disposition"))
        return BookFormat::Quorvels;
    if (h.has("Exclusive Shelf") || h.has("Author l-f")) return BookFormat::Goodreads;
    if (h.has("Read Status") && h.has("Authors")) return BookFormat::StoryGraph;
    if (h.has("Primary Author")) return BookFormat::LibraryThing;
    return BookFormat::Other;
}

}  // namespace

ColumnsResult findBookColumns(const std::vector<std::string>& header, const std::vector<std::string>& shownNames) {
    Header h;
    for (const std::string& name : header) h.names.push_back(foldedText(squeezeBlanks(name)));

    ColumnsResult result;
    BookColumns& c = result.columns;
    c.format = formatOf(h);
    c.title = h.find({"Title"});
    c.author = h.find({"Author"});
    if (c.author == NoColumn && (c.author = h.find({"Authors"})) != NoColumn) c.authorIsList = true;
    if (c.author == NoColumn && (c.author = h.find({"Primary Author"})) != NoColumn) c.authorIsLastFirst = true;
    if (c.format == BookFormat::Quorvels) c.authorIsLastFirst = true;
    c.authorLastFirst = h.find({"Author l-f"});
    c.dateRead = h.find({"Date Read", "Last Date Read", "Read Date", "Date Finished"});
    c.stars = h.find({"My Rating", "Star Rating", "Rating", "Stars"});
    // Other services' "Review" columns hold the reader's own text.
    if (c.format == BookFormat::Quorvels) c.review = h.find({"Review"});
    c.status = h.find({"Exclusive Shelf", "Read Status", "Status"});
    for (const std::string_view name : {"Category", "Bookshelves", "Tags", "Shelves", "Genres", "Genre"})
        if (const int column = h.find({name}); column != NoColumn) c.shelves.push_back(column);
    c.notes = h.find({"Private Notes", "Notes", "Comments"});
    c.disposition = h.find({"Disposition"});
    c.owned = h.find({"Owned?", "Owned"});
    c.collections = h.find({"Collections"});
    c.marked = h.find({"Marked"});

    if (c.title == NoColumn || (c.author == NoColumn && c.authorLastFirst == NoColumn)) {
        std::string names;
        for (const std::string& name : shownNames)
            names += (names.empty() ? "\"" : ", \"") + squeezeBlanks(name) + "\"";
        result.problem =
            "it has no author and title columns (\"Author\", \"Authors\" or \"Primary Author\", and "
            "\"Title\"); the columns it has are " +
            (names.empty() ? std::string("none") : names);
        return result;
    }
    result.ok = true;
    return result;
}
