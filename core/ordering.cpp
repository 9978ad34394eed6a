#include "core/ordering.h"

#include <algorithm>
#include <optional>

#include "core/letter_case.h"
#include "core/utf8.h"
#include "core/vocabularies.h"
#include "core/windows1252.h"

namespace {

// Reads the ranks of a text given in up to three parts (a record key is
// author, one blank, title): a character's rank is its Windows-1252 byte
// where it has one, else 256 plus its code point, with a-z folded to A-Z. So
// texts that Windows-1252 holds keep the order of their bytes. A byte that
// is not well-formed UTF-8 ranks above every character, by its value.
class RankReader {
public:
    RankReader(std::string_view first, std::string_view second = {}, std::string_view third = {})
        : parts_{first, second, third} {}

    // The next rank, or nothing at the end of the text.
    std::optional<std::uint32_t> next() {
        while (position_ == parts_[part_].size()) {
            if (part_ == 2) return std::nullopt;
            ++part_;
            position_ = 0;
        }
        const std::string_view text = parts_[part_];
        const auto byte = static_cast<unsigned char>(text[position_]);
        if (byte < 0x80) {
            ++position_;
            return static_cast<unsigned char>(toUpperAscii(static_cast<char>(byte)));
        }
        const auto character = decodeUtf8(text, position_);
        if (!character) return 0x110100u + byte;
        const auto windowsByte = windows1252Byte(*character);
        return windowsByte ? *windowsByte : 256u + *character;
    }

private:
    std::string_view parts_[3];
    int part_ = 0;
    std::size_t position_ = 0;
};

int compareRanks(RankReader a, RankReader b) {
    for (;;) {
        const auto x = a.next(), y = b.next();
        if (!x || !y) return x ? 1 : y ? -1 : 0;
        if (*x != *y) return *x < *y ? -1 : 1;
    }
}

}  // namespace

int compareFolded(std::string_view a, std::string_view b) { return compareRanks(RankReader(a), RankReader(b)); }

int compareRecordKeys(std::string_view authorA, std::string_view titleA, std::string_view authorB,
                      std::string_view titleB) {
    return compareRanks(RankReader(authorA, " ", titleA), RankReader(authorB, " ", titleB));
}

namespace {

// The first author entry whose key is not below `author`, or authorCount + 1.
int authorPlace(const Catalogue& catalogue, const std::string& author) {
    for (int i = 1; i <= authorCount(catalogue); ++i)
        if (compareFolded(catalogue.authors[i], author) >= 0) return i;
    return authorCount(catalogue) + 1;
}

int datePlace(const Catalogue& catalogue, std::uint16_t date) {
    if (date == 0) return 1;
    for (int i = 1; i <= recordCount(catalogue); ++i)
        if (catalogue.readDates[i] >= date) return i;
    return recordCount(catalogue) + 1;
}

int recordPlace(const Catalogue& catalogue, const std::string& author, const std::string& title) {
    for (int i = 1; i <= recordCount(catalogue); ++i)
        if (compareRecordKeys(authorOf(catalogue, i), catalogue.records[i].title, author, title) >= 0) return i;
    return recordCount(catalogue) + 1;
}

}  // namespace

InsertResult insertRecord(Catalogue& catalogue, const std::string& author, const std::string& title,
                          const std::string& disposition, std::uint16_t packedDate, std::uint8_t category,
                          std::uint8_t review) {
    if (recordCount(catalogue) >= MaxRecords) return InsertResult::CatalogueFull;
    const int authorAt = authorPlace(catalogue, author);
    const bool authorExists = authorAt <= authorCount(catalogue) && compareFolded(catalogue.authors[authorAt], author) == 0;
    if (!authorExists && authorCount(catalogue) >= MaxAuthors) return InsertResult::AuthorsFull;

    if (!authorExists) {
        catalogue.authors.insert(catalogue.authors.begin() + authorAt, author);
        for (auto& record : catalogue.records)
            if (record.authorIndex >= authorAt) ++record.authorIndex;
    }

    const int dateAt = datePlace(catalogue, packedDate);
    catalogue.readDates.insert(catalogue.readDates.begin() + dateAt, packedDate);
    for (std::size_t i = 1; i < catalogue.records.size(); ++i)
        if (catalogue.records[i].dateIndex >= dateAt) ++catalogue.records[i].dateIndex;

    BookRecord record;
    record.authorIndex = static_cast<std::int16_t>(authorAt);
    record.dateIndex = static_cast<std::int16_t>(dateAt);
    record.category = category;
    record.review = review;
    setFlag(record.flags, shown, true);
    record.title = title;
    record.disposition = disposition;
    const int place = recordPlace(catalogue, author, title);
    catalogue.records.insert(catalogue.records.begin() + place, std::move(record));

    catalogue.currentRecord = place;
    if (catalogue.lettersInForm) {
        if (!authorExists) convertLetterCase(catalogue.authors[authorAt], catalogue.upperCase);
        convertLetterCase(catalogue.records[place].title, catalogue.upperCase);
    } else {
        applyLetterCase(catalogue);
    }
    rebuildView(catalogue);
    catalogue.changed = true;
    return InsertResult::Inserted;
}

std::string viewCaptionOf(const Catalogue& catalogue) {
    std::string caption = viewNames[catalogue.viewMode];
    if (catalogue.viewMode != BooksUnread) caption += sortNames[catalogue.sortByDate ? 1 : 0];
    return caption;
}

void rebuildView(Catalogue& catalogue) {
    const int count = recordCount(catalogue);
    catalogue.viewOrder.assign(1, 0);
    std::vector<std::int16_t> dateSlots(catalogue.sortByDate ? count + 1 : 0, 0);

    for (int i = 1; i <= count; ++i) {
        const BookRecord& record = catalogue.records[i];
        if (!testFlag(record.flags, shown)) continue;
        if (catalogue.sortByDate)
            dateSlots[record.dateIndex] = static_cast<std::int16_t>(i);
        else
            catalogue.viewOrder.push_back(static_cast<std::int16_t>(i));
    }
    for (std::size_t slot = 1; slot < dateSlots.size(); ++slot)
        if (dateSlots[slot] != 0) catalogue.viewOrder.push_back(dateSlots[slot]);

    if (catalogue.viewMode == BooksRead || catalogue.viewMode == BooksUnread) {
        const bool wantRead = catalogue.viewMode == BooksRead;
        auto keep = catalogue.viewOrder.begin() + 1;
        for (auto it = keep; it != catalogue.viewOrder.end(); ++it)
            if (isRead(catalogue, *it) == wantRead) *keep++ = *it;
        catalogue.viewOrder.erase(keep, catalogue.viewOrder.end());
    }

    catalogue.selectedRow = 1;
    const auto found = std::find(catalogue.viewOrder.begin() + 1, catalogue.viewOrder.end(), catalogue.currentRecord);
    if (found != catalogue.viewOrder.end()) catalogue.selectedRow = static_cast<int>(found - catalogue.viewOrder.begin());

    ++catalogue.viewVersion;
}

void dropHiddenRows(Catalogue& catalogue) {
    const auto hidden = [&](std::int16_t record) { return testFlag(catalogue.records[record].flags, shown) == 0; };
    catalogue.viewOrder.erase(std::remove_if(catalogue.viewOrder.begin() + 1, catalogue.viewOrder.end(), hidden),
                              catalogue.viewOrder.end());
    catalogue.selectedRow = std::clamp(catalogue.selectedRow, 1, std::max(1, viewCount(catalogue)));
}
