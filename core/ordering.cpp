#include "core/ordering.h"

#include <algorithm>

#include "core/letter_case.h"
#include "core/vocabularies.h"

int compareFolded(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(toUpperAscii(a[i]));
        const auto y = static_cast<unsigned char>(toUpperAscii(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

int compareRecordKeys(std::string_view authorA, std::string_view titleA, std::string_view authorB,
                      std::string_view titleB) {
    auto byteAt = [](std::string_view author, std::string_view title, std::size_t i) {
        if (i < author.size()) return author[i];
        if (i == author.size()) return ' ';
        return title[i - author.size() - 1];
    };
    const std::size_t lengthA = authorA.size() + 1 + titleA.size();
    const std::size_t lengthB = authorB.size() + 1 + titleB.size();
    const std::size_t common = std::min(lengthA, lengthB);
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(toUpperAscii(byteAt(authorA, titleA, i)));
        const auto y = static_cast<unsigned char>(toUpperAscii(byteAt(authorB, titleB, i)));
        if (x != y) return x < y ? -1 : 1;
    }
    if (lengthA == lengthB) return 0;
    return lengthA < lengthB ? -1 : 1;
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
    std::string caption = viewNames[static_cast<std::size_t>(catalogue.viewMode)];
    if (catalogue.viewMode != ViewMode::Unread) caption += sortNames[catalogue.sortByDate ? 1 : 0];
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

    if (catalogue.viewMode == ViewMode::Read || catalogue.viewMode == ViewMode::Unread) {
        const bool wantRead = catalogue.viewMode == ViewMode::Read;
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
