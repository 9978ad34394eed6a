#include "core/rewrite_texts.h"

#include "core/bulk_insert.h"
#include "core/letter_case.h"
#include "core/marks.h"

void rewriteTexts(Catalogue& catalogue, const std::function<std::string(const std::string&)>& rewrite) {
    const int count = recordCount(catalogue);
    std::vector<NewRecord> books;
    std::vector<std::uint8_t> flags;
    books.reserve(count);
    flags.reserve(count);
    for (int i = 1; i <= count; ++i) {
        const BookRecord& record = catalogue.records[i];
        NewRecord& book = books.emplace_back(NewRecord{rewrite(authorOf(catalogue, i)), rewrite(record.title),
                                                       rewrite(record.disposition), readDateOf(catalogue, i),
                                                       record.category, record.review});
        convertLetterCase(book.author, catalogue.upperCase);
        convertLetterCase(book.title, catalogue.upperCase);
        flags.push_back(record.flags);
    }

    const int current = catalogue.currentRecord;
    catalogue.records.assign(1, BookRecord{});
    catalogue.authors.assign(1, std::string{});
    catalogue.readDates.assign(1, 0);
    // Every text is in the catalogue's letter case now: the books merge into
    // the empty tables in one pass.
    catalogue.lettersInForm = true;
    const BulkInsertResult inserted = insertRecords(catalogue, books);
    for (int b = 0; b < count; ++b) catalogue.records[inserted.places[b]].flags = flags[b];
    recountMarks(catalogue);
    catalogue.currentRecord = current >= 1 && current <= count ? inserted.places[current - 1] : 0;
    rebuildView(catalogue);
}
