#include <gtest/gtest.h>

#include "bookexchange/exchange_files.h"
#include "core/read_date.h"
#include "platform/system_files.h"
#include "tests/support/catalogue_invariants.h"

namespace {

// A book as the import plan should find it; texts in UTF-8, every letter kept.
struct Expected {
    int line;
    const char* author;
    const char* title;
    const char* date;  // MM-DD-YYYY, "read" for read without a date, "" for unread
    int category;
    int review;
    const char* disposition;
    bool marked = false;
};

struct SampleFile {
    const char* name;
    BookFormat format;
    const char* summary;
    std::vector<Expected> books;
};

constexpr int CurrentYear = 2026;

const char* const LongTitle =
    "Chronicles Alpha Beta Gamma Delta Epsilon Zeta Theta Iota Kappa Lambda Omicron Sigma Upsilon Omega Alpha Beta "
    "Gamma Delta Epsilon Zeta Theta Iota Kappa Lambda Omicron Sigma Upsilon Omega Alpha Beta Gamma Delta Epsilon Zeta "
    "Theta Iota Kappa Lambda Omicronx";

const std::vector<SampleFile> SampleFiles = {
    {"goodreads_library_export_2026.csv",
     BookFormat::Goodreads,
     "11 books found: 10 to add (2 of them read without a date), 1 repeated in the file; 1 book has a text cut to "
     "255 characters.",
     {{2, "Tolkien, J.R.R.", "The Hobbit, or There And Back Again", "07-14-2019", 11, 9, "Lent to Anna"},
      {3, "Hofstadter, Douglas R.",
       "G\u00F6"
       "del, Escher, Bach: An Eternal Golden Braid",
       "read", 0, 8, "Margins full of pencil notes"},
      {5, "Adams, Douglas", "The Restaurant at the End of the Universe", "", 0, 0, ""},
      {6, "Joyce, James", "Ulysses", "08-30-2021", 0, 1, ""},
      {7, "Lem, Stanis\u0142aw", "Solaris", "02-29-2020", 7, 8, ""},
      {8, "\u010Capek, Karel", "R.U.R.", "read", 0, 6, "read 1975-03-02"},
      {9, "J\u00F3kai, M\u00F3r", "A K\u0151sz\u00EDv\u0171 Ember Fiai", "10-10-2010", 2, 0, ""},
      {10, "\u0422\u043E\u043B\u0441\u0442\u043E\u0439, \u041B\u0435\u0432",
       "\u0412\u043E\u0439\u043D\u0430 \u0418 \u041C\u0438\u0440", "12-31-2018", 0, 9, ""},
      {11, "Long, Ann", LongTitle, "06-06-2022", 0, 3, ""},
      {13, "Doe, Jane", "The \"best\" of Times, Part Two", "03-03-2023", 13, 0, ""}}},
    {"goodreads_library_export_2023.csv",
     BookFormat::Goodreads,
     "4 books found: 4 to add.",
     {{2, "Du Maurier, Daphne", "Rebecca", "11-03-2012", 2, 8, ""},
      {3, "Stoker, Bram", "Dracula", "", 0, 0, ""},
      {4, "Le Guin, Ursula K.", "The Left Hand of Darkness", "04-01-2023", 0, 9, "Book club, April"},
      {5,
       "Garc\u00ED"
       "a M\u00E1rquez, Gabriel",
       "One Hundred Years of Solitude", "08-08-2016", 5, 8, ""}}},
    {"goodreads_library_export_2019.csv",
     BookFormat::Goodreads,
     "2 books found: 2 to add.",
     {{2, "Le Carr\u00E9, John", "The Spy Who Came in from the Cold", "05-20-2018", 1, 6, ""},
      {3, "Herbert, Frank", "Dune", "", 0, 1, ""}}},
    {"storygraph_export.csv",
     BookFormat::StoryGraph,
     "6 books found: 6 to add.",
     {{2, "Pratchett, Terry", "Good Omens", "03-15-2021", 9, 8, "Owned"},
      {3, "Eco, Umberto", "The Name of the Rose", "02-10-2020", 2, 1, ""},
      {4, "Flynn, Gillian", "Gone Girl", "06-01-2019", 7, 9, ""},
      {5, "Miller, Madeline", "Circe", "", 0, 0, ""},
      {6, "Cixin, Liu", "The Three-Body Problem", "09-09-2022", 0, 3, "Owned"},
      {7, "Le Guin, Ursula K.", "The Dispossessed", "02-02-2017", 0, 9, ""}}},
    {"librarything_utf8.tsv",
     BookFormat::LibraryThing,
     "4 books found: 4 to add (1 of them read without a date).",
     {{2, "Camus, Albert", "L'\u00E9tranger", "04-16-2007", 8, 9, "Your library"},
      {3, "Cervantes Saavedra, Miguel De", "Don Quijote De La Mancha", "11-30-2019", 6, 6, "Your library, Wishlist"},
      {4, "Grass, G\u00FCnter", "Die Blechtrommel", "", 9, 0, "To read"},
      {5, "M\u00FCller, J\u00F6rg",
       "M\u00FC"
       "de Jahre",
       "read", 10, 6, "read 1979-12-31; Your library"}}},
    {"quorvels_export.csv",
     BookFormat::Quorvels,
     "3 books found: 3 to add (1 of them read without a date).",
     {{2, "Christie, Agatha", "Murder On the Orient Express", "12-24-1999", 12, 7, "Kept on the shelf, upstairs", true},
      {3, "Bront\u00EB, Emily", "Wuthering Heights", "", 4, 0, ""},
      {4, "Homer", "The Odyssey", "read", 6, 1, "read 2026-02-29"}}},
    {"reading_list.csv",
     BookFormat::Other,
     "4 books found: 4 to add.",
     {{2, "Eliot, George", "Middlemarch", "06-30-1995", 0, 9, "From my grandmother"},
      {3, "Hartley, L.P.", "The Go-Between", "12-25-2001", 0, 8, ""},
      {4, "Chinua Achebe Jr.", "Things Fall Apart", "", 0, 0, ""},
      {5, "Eliot, George", "Middlemarch", "01-01-2005", 0, 8, "Second reading"}}},
    {"goodreads_aligned.csv",
     BookFormat::Goodreads,
     "5 books found: 4 to add (1 of them read without a date), 1 not importable: line 6 (it has no author).",
     {{2, "Eliot, George", "Middlemarch", "05-04-2021", 5, 9, "read 3 times"},
      {3, "Austen, Jane", "Persuasion, Again", "read", 0, 8, "Gift, 2019"},
      {4, "Austen, Jane", "Emma", "02-10-2024", 4, 0, ""},
      {5, "Kipling, Rudyard", "Kim", "", 6, 6, ""}}},
    {"storygraph_rereads.csv",
     BookFormat::StoryGraph,
     "5 books found (1 re-read of a book among them): 5 to add (1 of them read without a date).",
     {{2, "Clarke, Susanna", "Piranesi", "06-07-2023", 11, 9, ""},
      {2, "Clarke, Susanna", "Piranesi", "01-10-2024", 11, 9, ""},
      {3, "Tolkien, J.R.R.", "The Hobbit", "read", 0, 9, ""},
      {4, "Mirrlees, Hope", "Lud-in-the-Mist", "08-01-2019", 0, 0, ""},
      {5, "Miller, Madeline", "Circe", "", 0, 0, ""}}},
    {"librarything_classic.csv",
     BookFormat::LibraryThing,
     "2 books found: 2 to add (1 of them read without a date).",
     {{2, "Dickens, Charles", "Bleak House", "read", 8, 8, "Borrowed from Ann; Your library"},
      {3, "Collins, Wilkie", "The Moonstone", "", 12, 6, "Your library"}}},
    {"librarything_quotes.tsv",
     BookFormat::LibraryThing,
     "2 books found: 2 to add (1 of them read without a date).",
     {{2, "Holt, Mara", "\"tis the Season\"", "12-24-2022", 9, 0, "Your library"},
      {3, "Dickinson, Emily", "\"hope\" Is the Thing with Feathers", "read", 0, 0, "Read but unowned"}}},
    {"calibre_catalog.csv",
     BookFormat::Calibre,
     "2 books found: 2 to add.",
     {{2, "Le Guin, Ursula K.", "The Left Hand of Darkness", "06-15-2021", 11, 8, ""},
      {3, "Austen, Jane", "Two Voices", "", 0, 0, ""}}},
    {"spreadsheet_semicolons.csv",
     BookFormat::Other,
     "3 books found: 3 to add.",
     {{2, "Joyce, James", "Dubliners", "06-16-2004", 0, 8, ""},
      {3, "Woolf, Virginia", "Mrs Dalloway", "04-03-2005", 0, 0, ""},
      {4, "Hamsun, Knut", "Hunger;a Novel", "", 0, 9, ""}}},
    {"unicode_text.txt",
     BookFormat::Other,
     "3 books found: 3 to add (1 of them read without a date); 1 date reads both day first and month first (line "
     "2): kept in the disposition, the book read without a date.",
     {{2, "Borges, Jorge Luis", "Ficciones", "read", 0, 9, "read 3/4/2020"},
      {3, "Rulfo, Juan", "Pedro P\u00E1ramo", "05-05-2019", 0, 8, ""},
      {4, "\u1F49\u03BC\u03B7\u03C1\u03BF\u03C2", "\u1F38\u03BB\u03B9\u03AC\u03C2", "", 0, 0, ""}}},
};

std::string dateText(const ImportBook& book) { return shownReadDate(book.record.packedDate, book.readUndated); }

ImportFileResult planSample(const std::string& name, const BookTables& books) {
    return planImportFile(platform::SystemPath::fromSystem("data/" + name), platform::systemFiles(), books,
                          CurrentYear);
}

// Every sample file: what the plan finds book by book and in its summary;
// then, applied to the catalogue, a second import of the file adds nothing.
TEST(SampleFiles, ImportAsTheirFormatsMeanAndOnlyOnce) {
    std::vector<SampleFile> files = SampleFiles;
    // The same LibraryThing file in Latin-1: the same books.
    files.push_back(files[4]);
    files.back().name = "librarything_latin1.tsv";
    for (const SampleFile& file : files) {
        SCOPED_TRACE(file.name);
        Catalogue catalogue;
        const ImportFileResult first = planSample(file.name, catalogue.books);
        ASSERT_TRUE(first.ok) << first.message;
        const ImportPlan& plan = first.plan;
        EXPECT_EQ(plan.format, file.format);
        EXPECT_EQ(importSummary(plan), file.summary);
        ASSERT_EQ(plan.books.size(), file.books.size());
        for (std::size_t b = 0; b < plan.books.size(); ++b) {
            const ImportBook& got = plan.books[b];
            const Expected& want = file.books[b];
            SCOPED_TRACE("line " + std::to_string(want.line));
            EXPECT_EQ(got.line, want.line);
            EXPECT_EQ(got.record.author, want.author);
            EXPECT_EQ(got.record.title, want.title);
            EXPECT_EQ(dateText(got), want.date);
            EXPECT_EQ(got.record.category, want.category);
            EXPECT_EQ(got.record.review, want.review);
            EXPECT_EQ(got.record.disposition, want.disposition);
            EXPECT_EQ(got.marked, want.marked);
        }

        const ImportOutcome outcome = applyImport(catalogue, plan);
        EXPECT_EQ(importOutcomeText(outcome), std::to_string(file.books.size()) + " books added.");
        int readUndated = 0;
        for (int i = 1; i <= recordCount(catalogue.books); ++i)
            readUndated += isRead(catalogue.books, i) && readDateOf(catalogue.books, i) == 0;
        EXPECT_EQ(readUndated, plan.readUndated);
        EXPECT_TRUE(invariantBreaks(catalogue).empty());
        const ImportFileResult again = planSample(file.name, catalogue.books);
        ASSERT_TRUE(again.ok);
        EXPECT_TRUE(again.plan.books.empty());
        EXPECT_EQ(again.plan.alreadyInCatalogue, static_cast<int>(plan.books.size()) + plan.repeatedInFile);
    }
}

TEST(SampleFiles, UnreadableFilesAreRefusedNamingTheFileAndTheLine) {
    const Catalogue catalogue;
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"unclosed_quote.csv", "line 3, column 14: field 2 opens a quote here that is never closed"},
        {"goodreads_aligned_broken.csv",
         "line 3, column 25: field 2 has text after its closing quote (a quote inside a quoted field must be doubled)"},
        {"broken_unicode.txt",
         "it is marked as UTF-16 text (\"Unicode text\"), but its bytes from 7 on are not a UTF-16 character"},
        {"no_author_column.csv",
         "line 1: it has no author and title columns (\"Author\", \"Authors\" or \"Primary Author\", and \"Title\"); "
         "the columns it has are \"Name\", \"Writer\", \"Year\""},
        {"missing.csv", "No such file or directory"},
    };
    for (const auto& [name, problem] : cases) {
        const ImportFileResult result = planSample(name, catalogue.books);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, std::string("File Name: data/") + name + "\r\nThe books could not be imported: " +
                                      problem + ".\r\nNothing was imported; the catalogue is unchanged.");
    }
}

}  // namespace
