#include "core/rewrite_texts.h"

#include "core/bulk_insert.h"
#include "core/letter_case.h"
#include "core/marks.h"

void rewriteTexts(Catalogue& catalogue, const std::function<std::string(const std::string&)>& rewrite) {
    BookTables& tables = catalogue.books;
    const int count = recordCount(tables);
    std::vector<NewRecord> books;
    std::vector<std::uint8_t> flags;
    books.reserve(count);
    flags.reserve(count);
    for (int i = 1; i <= count; ++i) {
        const BookRecord& record = tables.records[i];
        NewRecord& book = books.emplace_back(NewRecord{rewrite(authorOf(tables, i)), rewrite(record.title),
                                                       rewrite(record.disposition), readDateOf(tables, i),
                                                       record.category, record.review});
        convertLetterCase(book.author, tables.upperCase);
        convertLetterCase(book.title, tables.upperCase);
        flags.push_back(record.flags);
    }

    const int current = catalogue.view.currentRecord;
    tables.records.assign(1, BookRecord{});
    tables.authors.assign(1, std::string{});
    tables.readDates.assign(1, 0);
    // Every text is in the catalogue's letter case now: the books merge into
    // the empty tables in one pass.
    tables.lettersInForm = true;
    const BulkInsertResult inserted = insertRecords(catalogue, books);
    for (int b = 0; b < count; ++b) tables.records[inserted.places[b]].flags = flags[b];
    recountMarks(tables);
    catalogue.view.currentRecord = current >= 1 && current <= count ? inserted.places[current - 1] : 0;
    rebuildView(catalogue);
}
