#include "dialogs/record_store.h"

#include "core/ordering.h"
#include "core/read_date.h"

namespace {

StoreResult refuse(platform::MessageBoxes& messages, const std::string& text, int focusBox) {
    messages.messageBox(text, "", platform::Buttons::Ok, platform::Icon::Stop);
    return {false, focusBox};
}

std::string fullMessage(InsertResult result) {
    const std::string what = result == InsertResult::CatalogueFull ? "books" : "authors";
    const int most = result == InsertResult::CatalogueFull ? MaxRecords : MaxAuthors;
    return "The catalogue is full: it already holds " + std::to_string(most) + " " + what +
           ", the most a catalogue file can hold.\r\nThe book was not stored; the catalogue is unchanged.";
}

}  // namespace

StoreResult storeRecord(Catalogue& catalogue, const RecordFields& fields, int currentYear,
                        platform::MessageBoxes& messages) {
    if (fields.author.empty() || fields.title.empty())
        return refuse(messages, "Must specify author and title", AuthorBoxId);

    std::uint16_t packedDate = 0;
    const bool readUndated = saysReadWithoutDate(fields.date);
    if (!fields.date.empty() && !readUndated) {
        std::string normal = fields.date;  // the box keeps what the user typed
        if (parseReadDate(normal, currentYear)) return refuse(messages, "Illegal date", DateReadBoxId);
        packedDate = packReadDate(normal);
    }

    const int replaced = catalogue.view.currentRecord;
    const std::uint8_t replacedFlags = catalogue.books.records[replaced].flags;
    if (replaced != 0) {
        setFlag(catalogue.books.records[replaced].flags, DeletedFlag, true);
        setFlag(catalogue.books.records[replaced].flags, ShownFlag, false);
    }
    const InsertResult result = insertRecord(catalogue, fields.author, fields.title, fields.disposition, packedDate,
                                             fields.category, fields.review);
    if (result != InsertResult::Inserted) {
        catalogue.books.records[replaced].flags = replacedFlags;
        return refuse(messages, fullMessage(result), AuthorBoxId);
    }
    setFlag(catalogue.books.records[catalogue.view.currentRecord].flags, ReadUndatedFlag, readUndated);
    return {true, 0};
}
