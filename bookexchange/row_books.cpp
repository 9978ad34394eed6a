#include "bookexchange/row_books.h"

#include <algorithm>

#include "bookexchange/book_mapping.h"
#include "core/letter_case.h"
#include "core/windows1252.h"

namespace {

// The fields of one row as UTF-8 texts: a UTF-8 file's as they are, a
// Windows-1252 file's converted.
struct RowReader {
    const std::vector<std::string>& fields;
    bool utf8;

    std::string text(int column) const {
        if (column == NoColumn || column >= static_cast<int>(fields.size())) return {};
        const std::string& raw = fields[column];
        return utf8 ? raw : windows1252ToUtf8(raw);
    }
};

std::string authorOfRow(const BookColumns& c, const RowReader& row) {
    if (c.authorLastFirst != NoColumn) {
        const std::string author = squeezeBlanks(row.text(c.authorLastFirst));
        if (!author.empty()) return author;
    }
    std::string author = row.text(c.author);
    if (!c.authorListSeparator.empty()) author = author.substr(0, author.find(c.authorListSeparator));
    return c.authorIsLastFirst ? squeezeBlanks(author) : lastNameFirst(author);
}

// Every shelf, tag and category name of the row, in the columns' order.
std::vector<std::string> shelvesOf(const BookColumns& c, const RowReader& row) {
    std::vector<std::string> shelves;
    for (const int column : c.shelves)
        for (std::string& entry : listEntries(row.text(column))) shelves.push_back(std::move(entry));
    return shelves;
}

bool anySays(const std::vector<std::string>& entries, ReadStatus status) {
    return std::any_of(entries.begin(), entries.end(),
                       [status](const std::string& entry) { return readStatusOf(entry) == status; });
}

int readCountOf(const std::string& text) {
    const std::string count = squeezeBlanks(text);
    if (count.empty() || count.size() > 5 || count.find_first_not_of("0123456789") != std::string::npos) return 0;
    return std::stoi(count);
}

// What the row says of the book's reads.
struct Reading {
    std::vector<std::uint16_t> dates;   // each dated read
    std::vector<std::string> unusable;  // dates the catalogue cannot hold, as the file shows them
    bool read = false;                  // read, with a date or without one
    bool ambiguous = false;
    int count = 0;  // how often the file says the book was read
};

// A book shelved as unread has no read; one being read counts only the
// reads with a date, which were before this one.
Reading readingOf(const RowContext& context, const RowReader& row, ReadStatus status, bool saysRead) {
    Reading reading;
    const BookColumns& c = context.columns;
    reading.count = readCountOf(row.text(c.readCount));
    if (status == ReadStatus::NotRead) return reading;
    std::vector<std::string> texts = readEndDates(row.text(c.readHistory));
    if (texts.empty()) texts.push_back(row.text(c.dateRead));
    bool datePresent = false;
    for (const std::string& text : texts) {
        const FileReadDate date = fileReadDate(text, context.currentYear, context.dayMonth);
        datePresent = datePresent || date.present;
        reading.ambiguous = reading.ambiguous || date.ambiguous;
        if (date.packed != 0)
            reading.dates.push_back(date.packed);
        else if (!date.shown.empty())
            reading.unusable.push_back(date.shown);
    }
    if (status == ReadStatus::Reading)
        reading.read = !reading.dates.empty();
    else
        reading.read = datePresent || saysRead || reading.count > 0;
    return reading;
}

std::string dispositionOf(const BookColumns& c, const RowReader& row, const Reading& reading) {
    std::vector<std::string> parts;
    if (reading.count > 1 && c.readHistory == NoColumn)
        parts.push_back("read " + std::to_string(reading.count) + " times");
    for (const std::string& date : reading.unusable) parts.push_back("read " + date);
    parts.push_back(firstLine(row.text(c.notes)));
    if (lowerText(squeezeBlanks(row.text(c.owned))) == "yes") parts.push_back("Owned");
    parts.push_back(squeezeBlanks(row.text(c.collections)));
    parts.push_back(row.text(c.disposition));
    std::string disposition;
    for (const std::string& part : parts)
        if (!part.empty()) disposition += (disposition.empty() ? "" : "; ") + part;
    return disposition;
}

}  // namespace

RowBooks booksOfRow(const RowContext& context, const CsvRow& csvRow) {
    const BookColumns& c = context.columns;
    const RowReader row{csvRow.fields, context.utf8};
    RowBooks result;
    ImportBook book;
    book.line = csvRow.line;
    NewRecord& record = book.record;
    record.author = authorOfRow(c, row);
    record.title = squeezeBlanks(row.text(c.title));
    if (record.author.empty() || record.title.empty()) {
        result.refusal = record.author.empty() ? "it has no author" : "it has no title";
        return result;
    }

    const ReadStatus status = readStatusOf(row.text(c.status));
    const std::vector<std::string> shelves = shelvesOf(c, row);
    const std::vector<std::string> collections = listEntries(row.text(c.collections));
    const bool saysRead =
        status == ReadStatus::Read || (status == ReadStatus::Unknown &&
                                       (anySays(shelves, ReadStatus::Read) || anySays(collections, ReadStatus::Read)));
    const Reading reading = readingOf(context, row, status, saysRead);
    result.ambiguousDate = reading.ambiguous;

    const bool didNotFinish = status == ReadStatus::DidNotFinish || anySays(shelves, ReadStatus::DidNotFinish);
    record.disposition = dispositionOf(c, row, reading);
    record.review = didNotFinish ? CouldNotFinishReview : reviewFromName(row.text(c.review));
    if (record.review == 0) record.review = reviewFromStars(row.text(c.stars), c.starsOutOfTen ? 2 : 1);
    record.category = categoryFromShelves(shelves);
    book.marked = !squeezeBlanks(row.text(c.marked)).empty();
    book.readUndated = reading.read && reading.dates.empty();
    if (reading.dates.empty()) result.books.push_back(std::move(book));
    for (const std::uint16_t date : reading.dates) {
        result.books.push_back(book);
        result.books.back().record.packedDate = date;
    }
    return result;
}
