// Texts of every script through the catalogue file: the old form when
// Windows-1252 holds them all, the new form otherwise, each loading back as
// the catalogue saved; and a new-form file damaged anywhere is loaded whole
// or refused cleanly.
#include <gtest/gtest.h>

#include <random>

#include "core/marks.h"
#include "core/utf8.h"
#include "core/windows1252.h"
#include "tests/storage/damaged_load.h"

namespace {

using namespace storage_test;

// Pieces of text, each one or more characters: the first run Windows-1252
// holds, the rest it does not (Latin letters with other accents, Cyrillic,
// Greek, Japanese, Hebrew, emoji, letters with combining marks).
const std::vector<std::string> FittingPieces = {"A", "z", " ", ",", "7", "\u00E9", "\u00DF", "\u00D1",
                                                "\u0153", "\u20AC", "\u00FF", "\u2014"};
const std::vector<std::string> OtherPieces = {"\u0142", "\u0151", "\u010D", "\u0416", "\u0434", "\u03BB",
                                              "\u03A9", "\u65E5", "\u672C", "\u304B", "\u05E9", "\u05DC",
                                              "\U0001F4DA", "\U0001F44D\U0001F3FD", "e\u0301", "a\u0308\u0323"};

struct TextMaker {
    std::mt19937 random;
    bool fittingOnly = false;

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    // A text of at most `most` characters; now and then exactly that many.
    std::string text(std::size_t most) {
        const std::size_t target = below(4) == 0 ? most : static_cast<std::size_t>(below(static_cast<int>(most) + 1));
        std::string text;
        for (;;) {
            const bool other = !fittingOnly && below(3) == 0;
            const std::vector<std::string>& pieces = other ? OtherPieces : FittingPieces;
            const std::string& piece = pieces[below(static_cast<int>(pieces.size()))];
            if (characterCount(text) + characterCount(piece) > target) break;
            text += piece;
        }
        return text;
    }
};

// A catalogue in capitals (so that insertion changes no length) of books with
// such texts, some marked and some deleted.
Catalogue makeCatalogue(TextMaker& maker, int books, std::size_t longest) {
    Catalogue c;
    c.upperCase = true;
    for (int b = 0; b < books; ++b) {
        const std::string author = "A" + maker.text(longest - 1);
        const auto date = static_cast<std::uint16_t>(maker.below(3) == 0 ? 0 : 0x2000 + maker.below(4000));
        EXPECT_EQ(insertRecord(c, author, maker.text(longest), maker.text(longest), date, maker.below(15),
                               maker.below(11)),
                  InsertResult::Inserted);
        if (maker.below(4) == 0) setMarked(c, c.currentRecord, true);
        if (maker.below(6) == 0) setFlag(c.records[c.currentRecord].flags, deleted, true);
    }
    return c;
}

bool fitsOldForm(const Catalogue& c) {
    bool fits = true;
    for (const std::string& author : c.authors) fits = fits && fitsWindows1252(author);
    for (const BookRecord& record : c.records)
        fits = fits && fitsWindows1252(record.title) && fitsWindows1252(record.disposition);
    return fits;
}

// The file a saved catalogue must be, built from its tables field by field.
std::string layoutOf(const Catalogue& c, FileForm form) {
    const auto text = [form](const std::string& t) { return form == FileForm::Old ? utf8ToWindows1252(t) : t; };
    Layout layout = form == FileForm::Old ? Layout{} : Layout::ofNewForm();
    layout.counts(recordCount(c), authorCount(c));
    for (int i = 1; i <= recordCount(c); ++i) {
        const BookRecord& r = c.records[i];
        layout.record(r.authorIndex, r.dateIndex, r.category, r.review, r.flags, text(r.title), text(r.disposition));
    }
    for (int a = 1; a <= authorCount(c); ++a) layout.author(text(c.authors[a]));
    for (int i = 1; i <= recordCount(c); ++i) layout.date(c.readDates[i]);
    return layout.bytes;
}

// Every truncation, and every byte of the file set to values that matter to
// lengths and to UTF-8: each load is whole or refused, as loadBytes checks.
void damageEveryByte(const std::string& file) {
    for (std::size_t length = 0; length < file.size(); ++length) loadBytes(file.substr(0, length));
    for (std::size_t at = 0; at < file.size(); ++at)
        for (const int value : {0x00, 0x01, 0x03, 0x7F, 0x80, 0xBF, 0xC3, 0xE6, 0xF0, 0xFF}) {
            std::string changed = file;
            changed[at] = static_cast<char>(value);
            if (changed == file) continue;
            SCOPED_TRACE("offset " + std::to_string(at) + " value " + std::to_string(value));
            loadBytes(changed);
            if (::testing::Test::HasFailure()) return;
        }
}

TEST(FileForms, TextsOfEveryScriptRoundTripInTheFormTheyNeedAndDamageIsHandled) {
    TempDir dir;
    int oldForms = 0, newForms = 0;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TextMaker maker{std::mt19937(seed), seed % 3 == 0};
        // The first few are small enough to damage at every byte.
        const bool small = seed <= 6;
        Catalogue c = makeCatalogue(maker, small ? 3 : 1 + maker.below(12), small ? 6 : MaxTextCharacters);

        c.fileName = dir / "forms.pmr";
        c.changed = true;
        ASSERT_EQ(saveCatalogue(c, platform::systemFiles()).result, SaveOutcome::Saved);
        const FileForm form = fitsOldForm(c) ? FileForm::Old : FileForm::New;
        (form == FileForm::Old ? oldForms : newForms)++;
        EXPECT_EQ(c.fileForm, form);
        const std::string file = readBytes(dir / "forms.pmr");
        EXPECT_EQ(file, layoutOf(c, form));

        Catalogue back;
        back.fileName = c.fileName;
        ASSERT_TRUE(loadCatalogue(back, platform::systemFiles()).loaded);
        EXPECT_EQ(back.fileForm, form);
        EXPECT_EQ(books(back), books(c));
        EXPECT_EQ(back.authors, c.authors);
        EXPECT_EQ(back.markedCount, c.markedCount);
        EXPECT_TRUE(invariantBreaks(back).empty());

        if (small && form == FileForm::New) damageEveryByte(file);
    }
    EXPECT_GT(oldForms, 10);
    EXPECT_GT(newForms, 10);

    // Long texts, whose lengths a damaged byte may carry past the end or
    // beyond any text.
    Catalogue c;
    c.upperCase = true;
    insertRecord(c, "\u0416UKOV", std::string(250, 'T'), std::string(250, 'D'), 0, 1, 1);
    insertRecord(c, "\u0416UKOV", "B", "", 0x3399, 1, 1);
    damageEveryByte(encodeCatalogue(c, planPurge(c)));

    // A text of 255 characters loads; one more is refused.
    for (const std::size_t characters : {255u, 256u}) {
        const std::string title = std::string(characters - 1, 'T') + "\u0416";
        const std::string file =
            Layout::ofNewForm().counts(1, 1).record(1, 1, 0, 0, 2, title, "").author("A").date(0).bytes;
        EXPECT_EQ(loadBytes(file).message,
                  characters == 255 ? "" : damagedText("the title of record 1 holds 256 characters; a text holds at "
                                                       "most 255 characters of UTF-8"));
    }
}

}  // namespace
