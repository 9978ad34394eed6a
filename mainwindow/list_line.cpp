#include "mainwindow/list_line.h"

#include "core/read_date.h"

namespace {

std::string_view fittedPrefix(const platform::TextMeasure* measure, std::string_view text, int width) {
    return measure != nullptr ? text.substr(0, measure->fittingPrefix(text, width)) : text;
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
    if (const auto date = readDateOf(books, record); date != 0) {
        line += '\t';
        line += formatReadDate(date);
    }
    return line;
}
