#include "core/ordering.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "core/folded_order.h"
#include "core/letter_case.h"
#include "core/utf8.h"
#include "core/vocabularies.h"
#include "core/windows1252.h"

namespace {

// Reads the ranks of a text given in up to three parts (a record key is
// author, one blank, title): a character's rank is its Windows-1252 byte
// where it has one, else 256 plus its code point, every letter taken by its
// fold (foldOf: a-z as A-Z). So texts that Windows-1252 holds keep the order
// of their folded bytes. A byte that is not well-formed UTF-8 ranks above
// every character, by its value.
class RankReader {
  public:
    RankReader(std::string_view first, std::string_view second = {}, std::string_view third = {})
        : parts_{first, second, third} {}

    // The bytes read so far.
    std::size_t position() const { return position_; }

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
        const auto decoded = decodeUtf8(text, position_);
        if (!decoded) return 0x110100u + byte;
        const char32_t character = foldOf(*decoded);
        const auto windowsByte = windows1252Byte(character);
        return windowsByte ? *windowsByte : 256u + character;
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

namespace {

// Where two texts stop folding alike byte for byte: most texts of a
// catalogue are ASCII throughout, where a character's rank is its folded
// byte, and neighbours in order often share their first words in any
// script, so this compares them without reading ranks. Identical bytes are
// skipped eight at a time. `order` is the sign of the first difference met
// between two ASCII bytes, else 0 (a text ended, or they differ beyond
// ASCII); then the place returned starts a character in both texts, so
// that ranks read from there on decide.
std::size_t sameAsciiRun(std::string_view a, std::string_view b, int& order) {
    const std::size_t shorter = std::min(a.size(), b.size());
    order = 0;
    std::size_t same = 0;
    for (; same < shorter; ++same) {
        while (same + 8 <= shorter && std::memcmp(a.data() + same, b.data() + same, 8) == 0) same += 8;
        if (same == shorter) break;
        const auto x = static_cast<unsigned char>(a[same]), y = static_cast<unsigned char>(b[same]);
        if (x == y) continue;
        if ((x | y) >= 0x80) break;
        const auto foldedX = toUpperAscii(static_cast<char>(x)), foldedY = toUpperAscii(static_cast<char>(y));
        if (foldedX != foldedY) {
            order = foldedX < foldedY ? -1 : 1;
            return same;
        }
    }
    const auto continues = [](std::string_view text, std::size_t at) {
        return at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
    };
    while (same > 0 && (continues(a, same) || continues(b, same))) --same;
    return same;
}

}  // namespace

int compareFolded(std::string_view a, std::string_view b) {
    int order;
    const std::size_t same = sameAsciiRun(a, b, order);
    return order != 0 ? order : compareRanks(RankReader(a.substr(same)), RankReader(b.substr(same)));
}

std::optional<std::size_t> foldedPrefixLength(std::string_view text, std::string_view prefix) {
    int order;
    const std::size_t same = sameAsciiRun(text, prefix, order);
    if (order != 0) return std::nullopt;
    if (same == prefix.size()) return same;
    RankReader textRanks(text.substr(same)), prefixRanks(prefix.substr(same));
    for (auto wanted = prefixRanks.next(); wanted; wanted = prefixRanks.next())
        if (textRanks.next() != wanted) return std::nullopt;
    return same + textRanks.position();
}

int compareRecordKeys(std::string_view authorA, std::string_view titleA, std::string_view authorB,
                      std::string_view titleB) {
    // Two authors that differ between ASCII letters decide the order alone;
    // one author (the common case among neighbours) leaves it to the titles.
    if (authorA == authorB) return compareFolded(titleA, titleB);
    int order;
    const std::size_t same = sameAsciiRun(authorA, authorB, order);
    if (order != 0) return order;
    return compareRanks(RankReader(authorA.substr(same), " ", titleA), RankReader(authorB.substr(same), " ", titleB));
}

namespace {

// The first author entry whose key is not below `author`, or authorCount + 1.
int authorPlace(const BookTables& books, const std::string& author) {
    for (int i = 1; i <= authorCount(books); ++i)
        if (compareFolded(books.authors[i], author) >= 0) return i;
    return authorCount(books) + 1;
}

int datePlace(const BookTables& books, std::uint16_t date) {
    if (date == 0) return 1;
    for (int i = 1; i <= recordCount(books); ++i)
        if (books.readDates[i] >= date) return i;
    return recordCount(books) + 1;
}

// Whether an author entry, in the catalogue's letter case, is `author` under
// folding: asked only of a catalogue that can take no new author, before
// anything in it changes.
bool holdsAuthor(const BookTables& books, const std::string& author) {
    std::string entry;
    for (int i = 1; i <= authorCount(books); ++i) {
        entry = books.authors[i];
        if (!books.lettersInForm) convertLetterCase(entry, books.upperCase);
        if (compareFolded(entry, author) == 0) return true;
    }
    return false;
}

int recordPlace(const BookTables& books, const std::string& author, const std::string& title) {
    for (int i = 1; i <= recordCount(books); ++i)
        if (compareRecordKeys(authorOf(books, i), books.records[i].title, author, title) >= 0) return i;
    return recordCount(books) + 1;
}

}  // namespace

InsertResult insertRecord(Catalogue& catalogue, const std::string& typedAuthor, const std::string& typedTitle,
                          const std::string& disposition, std::uint16_t packedDate, std::uint8_t category,
                          std::uint8_t review) {
    BookTables& books = catalogue.books;
    if (recordCount(books) >= MaxRecords) return InsertResult::CatalogueFull;
    // The book is placed by its texts as the catalogue will hold them: proper
    // case changes blanks and commas, which would otherwise move a text away
    // from the place it was given.
    std::string author = typedAuthor, title = typedTitle;
    convertLetterCase(author, books.upperCase);
    convertLetterCase(title, books.upperCase);
    if (authorCount(books) >= MaxAuthors && !holdsAuthor(books, author)) return InsertResult::AuthorsFull;
    // Texts read from a file are brought into the catalogue's form first, and
    // put back in order should that move any.
    if (!books.lettersInForm) {
        applyLetterCase(books);
        putInFoldedOrder(books);
    }
    const int authorAt = authorPlace(books, author);
    const bool authorExists = authorAt <= authorCount(books) && compareFolded(books.authors[authorAt], author) == 0;

    if (!authorExists) {
        books.authors.insert(books.authors.begin() + authorAt, author);
        for (auto& record : books.records)
            if (record.authorIndex >= authorAt) ++record.authorIndex;
    }

    const int dateAt = datePlace(books, packedDate);
    books.readDates.insert(books.readDates.begin() + dateAt, packedDate);
    for (std::size_t i = 1; i < books.records.size(); ++i)
        if (books.records[i].dateIndex >= dateAt) ++books.records[i].dateIndex;

    BookRecord record;
    record.authorIndex = static_cast<std::int16_t>(authorAt);
    record.dateIndex = static_cast<std::int16_t>(dateAt);
    record.category = category;
    record.review = review;
    setFlag(record.flags, ShownFlag, true);
    record.title = title;
    record.disposition = disposition;
    const int place = recordPlace(books, author, title);
    books.records.insert(books.records.begin() + place, std::move(record));

    catalogue.view.currentRecord = place;
    rebuildView(catalogue);
    books.changed = true;
    return InsertResult::Inserted;
}

std::string viewCaptionOf(const CatalogueView& view) {
    std::string caption = viewNames[static_cast<std::size_t>(view.mode)];
    if (view.mode != ViewMode::Unread) caption += sortNames[view.sortByDate ? 1 : 0];
    return caption;
}

void rebuildView(Catalogue& catalogue) {
    const BookTables& books = catalogue.books;
    CatalogueView& view = catalogue.view;
    const int count = recordCount(books);
    view.order.assign(1, 0);
    std::vector<std::int16_t> dateSlots(view.sortByDate ? count + 1 : 0, 0);

    for (int i = 1; i <= count; ++i) {
        const BookRecord& record = books.records[i];
        if (!testFlag(record.flags, ShownFlag)) continue;
        if (view.sortByDate)
            dateSlots[record.dateIndex] = static_cast<std::int16_t>(i);
        else
            view.order.push_back(static_cast<std::int16_t>(i));
    }
    for (std::size_t slot = 1; slot < dateSlots.size(); ++slot)
        if (dateSlots[slot] != 0) view.order.push_back(dateSlots[slot]);

    if (view.mode == ViewMode::Read || view.mode == ViewMode::Unread) {
        const bool wantRead = view.mode == ViewMode::Read;
        auto keep = view.order.begin() + 1;
        for (auto it = keep; it != view.order.end(); ++it)
            if (isRead(books, *it) == wantRead) *keep++ = *it;
        view.order.erase(keep, view.order.end());
    }

    view.selectedRow = 1;
    const auto found = std::find(view.order.begin() + 1, view.order.end(), view.currentRecord);
    if (found != view.order.end()) view.selectedRow = static_cast<int>(found - view.order.begin());

    ++view.version;
}

void dropHiddenRows(Catalogue& catalogue) {
    const auto hidden = [&](std::int16_t record) {
        return testFlag(catalogue.books.records[record].flags, ShownFlag) == 0;
    };
    CatalogueView& view = catalogue.view;
    view.order.erase(std::remove_if(view.order.begin() + 1, view.order.end(), hidden), view.order.end());
    view.selectedRow = std::clamp(view.selectedRow, 1, std::max(1, viewCount(view)));
}
