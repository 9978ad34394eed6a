#include "mainwindow/list_line.h"

#include "core/grapheme_clusters.h"
#include "core/read_date.h"

namespace {

// The measure may end inside a character as the user sees it (a letter
// and its accents, an emoji sequence): the cut goes back to its start.
std::string_view fittedPrefix(const platform::TextMeasure* measure, std::string_view text, int width) {
    return measure != nullptr ? text.substr(0, wholeClusterPrefix(text, measure->fittingPrefix(text, width))) : text;
}

}  // namespace

std::string listTextOf(const BookTables& books, const platform::TextMeasure* measure, int record) {
    const std::string_view author = fittedPrefix(measure, authorOf(books, record), AuthorListWidth);
    const std::string_view title = fittedPrefix(measure, books.records[record].title, TitleListWidth);
    std::string line;
    line.reserve(author.size() + title.size() + 12);  // two tabs and a date
    line += author;
    line += '\t';
    line += title;
    if (isRead(books, record)) {
        line += '\t';
        line += shownReadDate(readDateOf(books, record), true);
    }
    return line;
}
