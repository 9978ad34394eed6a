#include "storage/catalogue_codec.h"

#include <cstring>

#include "core/grapheme_clusters.h"
#include "core/marks.h"
#include "core/ordering.h"
#include "core/utf8.h"
#include "core/windows1252.h"
#include "storage/catalogue_file.h"

static_assert(FileMagic.size() == 13 && NewFormMagic.size() == 13, "the magic is 13 bytes");

namespace {

// Reads the little-endian fields of the layout. A read that finds fewer bytes
// than it asks for fills the rest with zero bytes and does not fail; the
// position still moves on, so the caller can tell that the file ended early.
class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    void read(char* out, std::size_t n) {
        const std::size_t available = position_ < bytes_.size() ? std::min(n, bytes_.size() - position_) : 0;
        if (available > 0) std::memcpy(out, bytes_.data() + position_, available);
        if (available < n) std::memset(out + available, 0, n - available);
        position_ += n;
    }
    std::uint8_t byte() {
        const std::size_t at = position_++;
        return at < bytes_.size() ? static_cast<std::uint8_t>(bytes_[at]) : 0;
    }
    std::uint16_t word() {
        const unsigned low = byte();
        const unsigned high = byte();
        return static_cast<std::uint16_t>(low | high << 8);
    }
    std::int16_t signedWord() { return static_cast<std::int16_t>(word()); }
    // The next n bytes, fewer when the file ends first (endedEarly tells).
    std::string_view bytes(std::size_t n) {
        const std::size_t from = std::min(position_, bytes_.size());
        position_ += n;
        return bytes_.substr(from, n);
    }
    void skip(std::size_t n) { position_ += n; }
    bool endedEarly() const { return position_ > bytes_.size(); }

  private:
    std::string_view bytes_;
    std::size_t position_ = 0;
};

class Writer {
  public:
    explicit Writer(std::size_t expected) { bytes_.reserve(expected); }
    void byte(std::uint8_t value) { bytes_.push_back(static_cast<char>(value)); }
    void word(std::uint16_t value) {
        byte(static_cast<std::uint8_t>(value & 0xFF));
        byte(static_cast<std::uint8_t>(value >> 8));
    }
    // A catalogue text, its length checked by planPurge.
    void text(const std::string& text, FileForm form) {
        if (form == FileForm::New) {
            word(static_cast<std::uint16_t>(text.size()));
            bytes_ += text;
        } else if (asciiPrefix(text) == text.size()) {  // the same bytes in both forms
            byte(static_cast<std::uint8_t>(text.size()));
            bytes_ += text;
        } else {
            const std::string bytes = utf8ToWindows1252(text);
            byte(static_cast<std::uint8_t>(bytes.size()));
            bytes_ += bytes;
        }
    }
    void raw(std::string_view text) { bytes_ += text; }
    std::string take() { return std::move(bytes_); }

  private:
    std::string bytes_;
};

DecodeResult damaged(std::string problem) { return {DecodeResult::Damaged, std::move(problem), {}}; }

// Reads the texts of one form as UTF-8 and notes the first one the new form
// cannot hold: a length beyond any text, bytes that are not well-formed
// UTF-8, more than MaxTextCharacters characters. Old-form texts are any bytes.
class TextReader {
  public:
    TextReader(Reader& reader, FileForm form) : reader_(reader), form_(form) {}

    // The next text: the `field` of record `number`, or author `number` when
    // `field` is null.
    std::string next(const char* field, int number) {
        if (form_ == FileForm::Old) return windows1252ToUtf8(reader_.bytes(reader_.byte()));
        const std::size_t length = reader_.word();
        if (length > MaxNewFormTextBytes) {
            reader_.skip(length);
            note(field, number, "is " + std::to_string(length) + " bytes long");
            return {};
        }
        std::string text(reader_.bytes(length));
        if (const auto characters = wellFormedCharacterCount(text); !characters)
            note(field, number, "is not well-formed UTF-8");
        else if (*characters > MaxTextCharacters)
            note(field, number, "holds " + std::to_string(*characters) + " characters");
        return text;
    }
    // The first text that cannot be, as a sentence fragment; "" when none.
    const std::string& problem() const { return problem_; }

  private:
    void note(const char* field, int number, const std::string& what) {
        if (!problem_.empty()) return;
        problem_ = (field == nullptr ? "author " + std::to_string(number)
                                     : std::string("the ") + field + " of record " + std::to_string(number)) +
                   " " + what + "; a text holds at most " + std::to_string(MaxTextCharacters) + " characters of UTF-8";
    }

    Reader& reader_;
    FileForm form_;
    std::string problem_;
};

// A text in a message: as many whole characters as its first 40 bytes hold.
std::string describeText(const std::string& text) {
    const std::size_t shown = wholeClusterPrefix(text, 40);
    return "\"" + text.substr(0, shown) + (shown < text.size() ? "..." : "") + "\"";
}

// The characters of a text, or nothing when it is not well-formed UTF-8;
// sets `form` to the new form at the first character Windows-1252 lacks. One
// pass: once the form is new, the rest is only checked and counted.
std::optional<std::size_t> checkedCharacterCount(std::string_view text, FileForm& form) {
    std::size_t position = asciiPrefix(text);  // most texts are ASCII, which both forms hold as it is
    std::size_t characters = position;
    for (; form == FileForm::Old && position < text.size(); ++characters) {
        const auto character = decodeUtf8(text, position);
        if (!character) return std::nullopt;
        if (!windows1252Byte(*character)) form = FileForm::New;
    }
    if (position == text.size()) return characters;
    const auto rest = wellFormedCharacterCount(text.substr(position));
    return rest ? std::optional(characters + *rest) : std::nullopt;
}

// Why a text in memory cannot be written in either form; "" when it can.
// Sets `form` to the new form when only that holds the text.
std::string textFlaw(const std::string& text, FileForm& form) {
    const auto characters = checkedCharacterCount(text, form);
    if (!characters) return "is not well-formed UTF-8";
    if (*characters <= MaxTextCharacters) return {};
    return "is " + std::to_string(*characters) + " characters long; a text can hold at most " +
           std::to_string(MaxTextCharacters);
}

// Why the title or disposition of a book cannot be written; "" when both can.
std::string bookTextsFlaw(const BookRecord& record, const std::string& author, FileForm& form) {
    for (const std::string* text : {&record.title, &record.disposition})
        if (const std::string flaw = textFlaw(*text, form); !flaw.empty())
            return std::string(text == &record.title ? "the title" : "the disposition") + " of the book " +
                   describeText(record.title) + " by " + describeText(author) + " " + flaw;
    return {};
}

DecodeResult endedEarly(std::string_view bytes) {
    return damaged("it ends after " + std::to_string(bytes.size()) +
                   " bytes, before the end of the records, authors and read dates it declares");
}

// Reads the record blocks, the authors and the read dates the counts
// declare, until the file ends.
void readTables(Reader& reader, TextReader& texts, int records, int authors, BookTables& read) {
    // Built in place; a file that ends early leaves the tables short, and
    // is refused.
    read.records.assign(1, BookRecord{});
    read.records.reserve(records + 1);
    for (int i = 1; i <= records && !reader.endedEarly(); ++i) {
        BookRecord& record = read.records.emplace_back();
        record.authorIndex = reader.signedWord();
        record.dateIndex = reader.signedWord();
        record.category = reader.byte();
        record.review = reader.byte();
        record.flags = reader.byte();
        record.title = texts.next("title", i);
        record.disposition = texts.next("disposition", i);
    }
    read.authors.assign(1, std::string{});
    read.authors.reserve(authors + 1);
    for (int i = 1; i <= authors && !reader.endedEarly(); ++i) read.authors.push_back(texts.next(nullptr, i));
    read.readDates.assign(records + 1, 0);
    for (int i = 1; i <= records; ++i) read.readDates[i] = reader.word();
}

// What is wrong with the indices and read dates read, as a sentence
// fragment; "" when every record names an author and a read date of its own
// and the dates ascend.
std::string indexProblem(const BookTables& read) {
    const int records = recordCount(read), authors = authorCount(read);
    std::vector<int> dateOwner(records + 1, 0);
    for (int i = 1; i <= records; ++i) {
        const BookRecord& record = read.records[i];
        if (record.authorIndex < 1 || record.authorIndex > authors)
            return "record " + std::to_string(i) + " names author " + std::to_string(record.authorIndex) +
                   ", but the file holds " + std::to_string(authors) + " authors";
        if (record.dateIndex < 1 || record.dateIndex > records)
            return "record " + std::to_string(i) + " names read date " + std::to_string(record.dateIndex) +
                   ", but the file holds " + std::to_string(records) + " read dates";
        int& owner = dateOwner[record.dateIndex];
        if (owner != 0)
            return "records " + std::to_string(owner) + " and " + std::to_string(i) + " share read date " +
                   std::to_string(record.dateIndex);
        owner = i;
    }
    // insertRecord keeps the dates ascending whatever else happens, so any
    // file of the original layout has them so; code may rely on it.
    for (int d = 2; d <= records; ++d)
        if (read.readDates[d - 1] > read.readDates[d])
            return "its read dates are out of order at entry " + std::to_string(d);
    return {};
}

}  // namespace

DecodeResult decodeCatalogue(std::string_view bytes, BookTables& tables) {
    Reader reader(bytes);
    char magic[FileMagic.size()];
    reader.read(magic, sizeof magic);
    const std::string_view magicRead(magic, sizeof magic);
    if (magicRead != FileMagic && magicRead != NewFormMagic) return {DecodeResult::WrongMagic, {}, {}};
    const FileForm form = magicRead == FileMagic ? FileForm::Old : FileForm::New;

    const int records = reader.signedWord();
    const int authors = reader.signedWord();
    if (records < 0 || records > MaxRecords) return damaged("it declares " + std::to_string(records) + " records");
    if (authors < 0 || authors > MaxAuthors) return damaged("it declares " + std::to_string(authors) + " authors");

    // Every record takes at least its block, two text lengths and a read
    // date, every author one text length; a file too short for its counts is
    // refused before tables of that size are made.
    const std::size_t lengthBytes = form == FileForm::Old ? 1 : 2;
    const std::size_t leastBytes =
        FileMagic.size() + 4 + static_cast<std::size_t>(records) * (9 + 2 * lengthBytes) + authors * lengthBytes;
    if (bytes.size() < leastBytes && (records > 0 || authors > 0)) return endedEarly(bytes);

    // A file that ends early is not read on to its end.
    TextReader texts(reader, form);
    BookTables read;
    readTables(reader, texts, records, authors, read);

    // Only the counts may be missing (a file of the magic alone is the empty
    // catalogue); blank authors and "unread" dates made up from missing bytes
    // would otherwise pass for data and be written back by the next save.
    if (reader.endedEarly() && (records > 0 || authors > 0)) return endedEarly(bytes);
    if (!texts.problem().empty()) return damaged(texts.problem());
    if (const std::string problem = indexProblem(read); !problem.empty()) return damaged(problem);

    tables.records = std::move(read.records);
    tables.authors = std::move(read.authors);
    tables.readDates = std::move(read.readDates);
    return {DecodeResult::Loaded, {}, form};
}

PurgePlan planPurge(const BookTables& books) {
    PurgePlan plan;
    const int records = recordCount(books);
    const int authors = authorCount(books);
    auto refuse = [&](std::string problem) {
        plan.problem = std::move(problem);
        return plan;
    };
    if (books.readDates.size() != books.records.size()) return refuse("its read-date table does not match its records");

    plan.newRecordNumber.assign(records + 1, 0);
    plan.newAuthorIndex.assign(authors + 1, 0);
    plan.newDateIndex.assign(records + 1, 0);
    std::vector<char> authorUsed(authors + 1, 0);
    std::vector<char> dateUsed(records + 1, 0);
    for (int i = 1; i <= records; ++i) {
        const BookRecord& record = books.records[i];
        if (testFlag(record.flags, DeletedFlag)) continue;
        if (record.authorIndex < 1 || record.authorIndex > authors || record.dateIndex < 1 ||
            record.dateIndex > records)
            return refuse("record " + std::to_string(i) + " points outside the author or read-date table");
        if (dateUsed[record.dateIndex])
            return refuse("two records share read date " + std::to_string(record.dateIndex));
        if (std::string flaw = bookTextsFlaw(record, books.authors[record.authorIndex], plan.form); !flaw.empty())
            return refuse(std::move(flaw));
        authorUsed[record.authorIndex] = 1;
        dateUsed[record.dateIndex] = 1;
        plan.keptRecords.push_back(i);
        plan.newRecordNumber[i] = static_cast<int>(plan.keptRecords.size());
    }
    for (int a = 1; a <= authors; ++a) {
        if (!authorUsed[a]) continue;
        if (const std::string flaw = textFlaw(books.authors[a], plan.form); !flaw.empty())
            return refuse("the author " + describeText(books.authors[a]) + " " + flaw);
        plan.newAuthorIndex[a] = ++plan.authorCount;
    }
    int date = 0;
    for (int d = 1; d <= records; ++d)
        if (dateUsed[d]) plan.newDateIndex[d] = ++date;
    if (static_cast<int>(plan.keptRecords.size()) > MaxRecords || plan.authorCount > MaxAuthors)
        return refuse("it holds more than " + std::to_string(MaxRecords) + " records or authors");
    return plan;
}

std::string encodeCatalogue(const BookTables& books, const PurgePlan& plan) {
    std::size_t expected = FileMagic.size() + 4 + plan.keptRecords.size() * 11;
    for (const int i : plan.keptRecords)
        expected += books.records[i].title.size() + books.records[i].disposition.size();
    Writer writer(expected + static_cast<std::size_t>(plan.authorCount) * 24);

    writer.raw(plan.form == FileForm::Old ? FileMagic : NewFormMagic);
    writer.word(static_cast<std::uint16_t>(plan.keptRecords.size()));
    writer.word(static_cast<std::uint16_t>(plan.authorCount));
    for (const int i : plan.keptRecords) {
        const BookRecord& record = books.records[i];
        writer.word(static_cast<std::uint16_t>(plan.newAuthorIndex[record.authorIndex]));
        writer.word(static_cast<std::uint16_t>(plan.newDateIndex[record.dateIndex]));
        writer.byte(record.category);
        writer.byte(record.review);
        std::uint8_t flags = record.flags;
        setFlag(flags, ShownFlag, true);
        writer.byte(flags);
        writer.text(record.title, plan.form);
        writer.text(record.disposition, plan.form);
    }
    for (std::size_t a = 1; a < plan.newAuthorIndex.size(); ++a)
        if (plan.newAuthorIndex[a] != 0) writer.text(books.authors[a], plan.form);
    for (std::size_t d = 1; d < plan.newDateIndex.size(); ++d)
        if (plan.newDateIndex[d] != 0) writer.word(books.readDates[d]);
    return writer.take();
}

void applyPurge(Catalogue& catalogue, const PurgePlan& plan) {
    const bool recordsDropped = static_cast<int>(plan.keptRecords.size()) != recordCount(catalogue.books);
    const bool authorsDropped = plan.authorCount != authorCount(catalogue.books);
    const int current = catalogue.view.currentRecord;
    catalogue.view.currentRecord =
        current >= 1 && current < static_cast<int>(plan.newRecordNumber.size()) ? plan.newRecordNumber[current] : 0;
    if (!recordsDropped && !authorsDropped) {
        // Every record, author and read date stays where it is.
        BookTables& books = catalogue.books;
        books.records[0] = BookRecord{};
        books.authors[0].clear();
        books.readDates[0] = 0;
        for (std::size_t i = 1; i < books.records.size(); ++i) setFlag(books.records[i].flags, ShownFlag, true);
        recountMarks(books);
        return;
    }

    // A deleted record can still be marked (the old version an edit keeps,
    // a record a file holds so): its mark goes with it.
    std::vector<BookRecord> records(1);
    records.reserve(plan.keptRecords.size() + 1);
    for (const int i : plan.keptRecords) {
        BookRecord& record = records.emplace_back(std::move(catalogue.books.records[i]));
        record.authorIndex = static_cast<std::int16_t>(plan.newAuthorIndex[record.authorIndex]);
        record.dateIndex = static_cast<std::int16_t>(plan.newDateIndex[record.dateIndex]);
        setFlag(record.flags, ShownFlag, true);
    }
    std::vector<std::string> authors(1);
    authors.reserve(plan.authorCount + 1);
    for (std::size_t a = 1; a < plan.newAuthorIndex.size(); ++a)
        if (plan.newAuthorIndex[a] != 0) authors.push_back(std::move(catalogue.books.authors[a]));
    std::vector<std::uint16_t> dates(1, 0);
    dates.reserve(plan.keptRecords.size() + 1);
    for (std::size_t d = 1; d < plan.newDateIndex.size(); ++d)
        if (plan.newDateIndex[d] != 0) dates.push_back(catalogue.books.readDates[d]);

    catalogue.books.records = std::move(records);
    catalogue.books.authors = std::move(authors);
    catalogue.books.readDates = std::move(dates);
    recountMarks(catalogue.books);
    rebuildView(catalogue);
}
