// The user's story of Import Books and Export Books in the File menu: what
// is asked and told, what lands in the list, and what the files hold.
#include <gtest/gtest.h>

#include "bookexchange/import_plan.h"
#include "core/vocabularies.h"
#include "statistics/statistics_dialog.h"
#include "tests/mainwindow/program_harness.h"

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using Strings = std::vector<std::string>;
using Kind = platform::scripted::ScriptedFileDialogs::Kind;

struct ExchangeCommands : ProgramHarness, ::testing::Test {
    const platform::scripted::ScriptedMessageBoxes::Shown& lastBox() { return ui.messageBoxes.shown.back(); }
    const platform::scripted::ScriptedFileDialogs::Shown& lastFileDialog() { return ui.fileDialogs.shown.back(); }

    void startOnTwoBooks() {
        writeSettingsFile(saveCatalogueFile("shelf.pmr", [](Catalogue& books) {
            addBook(books, "Tolkien, J.R.R.", "The Hobbit", "09-21-1995");
            addBook(books, "Christie, Agatha", "Curtain");
        }));
    }
};

// Goodreads' columns, by name and out of their usual order: a book new to the
// catalogue, one it holds, one read without a date, and one in Cyrillic
// letters, which come in as they are.
constexpr const char* Shelf =
    "\xEF\xBB\xBFTitle,Author,Author l-f,My Rating,Exclusive Shelf,Date Read,Bookshelves\r\n"
    "\"Dune, Messiah\",Frank Herbert,\"Herbert, Frank\",4,read,2003/07/01,science-fiction\r\n"
    "The Hobbit,J.R.R. Tolkien,\"Tolkien, J.R.R.\",5,read,1995/09/21,\r\n"
    "Emma,Jane Austen,\"Austen, Jane\",3,read,,classics\r\n"
    "\xD0\x92\xD0\xBE\xD0\xB9\xD0\xBD\xD0\xB0,\xD0\x9B\xD0\xB5\xD0\xB2 "
    "\xD0\xA2\xD0\xBE\xD0\xBB\xD1\x81\xD1\x82\xD0\xBE\xD0\xB9,,0,to-read,,\r\n";

TEST_F(ExchangeCommands, BooksComeInOnlyWhenTheUserAgreesAndGoOutInEitherForm) {
    startOnTwoBooks();
    writeFile(folder / "shelf.csv", Shelf);
    writeFile(folder / "broken.csv", "Author,Title\r\nAusten,\"Emma\r\n");
    start([&](User& user) {
        // The books read only: the import shows every book afterwards.
        user.chooseMenuItem(BooksReadCommand);
        ASSERT_EQ(rows(user).size(), 1u);

        // What the file holds, before anything is added; No keeps it all.
        ui.fileDialogs.expectName(folder / "shelf.csv");
        ui.messageBoxes.expect(Answer::No);
        user.chooseMenuItem(ImportBooksCommand);
        EXPECT_EQ(lastFileDialog().kind, Kind::Open);
        EXPECT_EQ(lastFileDialog().request.title, "Import Books");
        EXPECT_EQ(lastFileDialog().request.filters,
                  (std::vector<platform::FileFilter>{{"CSV Files", "*.csv;*.tsv;*.txt"}, {"All Files", "*.*"}}));
        EXPECT_EQ(lastFileDialog().request.folder, folder.path);
        EXPECT_EQ(lastBox().caption, "Import Books");
        EXPECT_EQ(lastBox().buttons, Buttons::YesNo);
        EXPECT_EQ(lastBox().text.rfind("4 books found: 3 to add (1 of them read without a date), 1 already in the "
                                       "catalogue.",
                                       0),
                  0u)
            << lastBox().text;
        EXPECT_FALSE(catalogue.books.changed);
        EXPECT_EQ(rows(user).size(), 1u);

        // Yes adds the three in one step and lists all books.
        ui.fileDialogs.expectName(folder / "shelf.csv");
        ui.messageBoxes.expect(Answer::Yes);
        user.chooseMenuItem(ImportBooksCommand);
        EXPECT_EQ(titles(user), (Strings{"  Emma", "  Curtain", "  Dune, Messiah", "  The Hobbit",
                                         "  \u0412\u043E\u0439\u043D\u0430"}));
        EXPECT_EQ(authorOf(catalogue.books, catalogue.view.order[5]),
                  "\u0422\u043E\u043B\u0441\u0442\u043E\u0439, \u041B\u0435\u0432");
        EXPECT_EQ(field(user, 2), "View All by Author");
        EXPECT_TRUE(catalogue.books.changed);
        EXPECT_FALSE(enabled(user, ListAllBooksCommand));
        const int emma = catalogue.view.order[1];
        EXPECT_TRUE(isRead(catalogue.books, emma));  // read, but without a date
        EXPECT_EQ(readDateOf(catalogue.books, emma), 0);
        EXPECT_EQ(reviewName(catalogue.books.records[emma].review), "Good");  // three stars

        // The same file again adds nothing, and says so.
        ui.fileDialogs.expectName(folder / "shelf.csv");
        ui.messageBoxes.expect(Answer::Ok);
        user.chooseMenuItem(ImportBooksCommand);
        EXPECT_EQ(lastBox().buttons, Buttons::Ok);
        EXPECT_NE(lastBox().text.find("0 to add, 4 already in the catalogue"), std::string::npos) << lastBox().text;
        EXPECT_EQ(rows(user).size(), 5u);

        // A file that cannot be read is told with its line; nothing changes.
        ui.fileDialogs.expectName(folder / "broken.csv");
        ui.messageBoxes.expect(Answer::Ok);
        user.chooseMenuItem(ImportBooksCommand);
        EXPECT_EQ(lastBox().icon, Icon::Exclamation);
        EXPECT_NE(lastBox().text.find("broken.csv"), std::string::npos) << lastBox().text;
        EXPECT_NE(lastBox().text.find("line 2"), std::string::npos) << lastBox().text;
        EXPECT_EQ(rows(user).size(), 5u);

        // Export without marks: the books of the list, in our form.
        ui.fileDialogs.expectName(folder / "all");
        ui.messageBoxes.expect(Answer::Ok);
        user.chooseMenuItem(ExportBooksCommand);
        EXPECT_EQ(lastFileDialog().kind, Kind::Save);
        EXPECT_EQ(lastFileDialog().request.title, "Export Books");
        EXPECT_EQ(lastFileDialog().request.filters,
                  (std::vector<platform::FileFilter>{{"CSV Files", "*.csv"}, {"Goodreads CSV", "*.csv"}}));
        EXPECT_EQ(lastFileDialog().request.defaultExtension, "csv");
        EXPECT_EQ(lastBox().text,
                  "5 books of the list exported to \"" + platform::shownPath(folder / "all.csv") + "\".");
        const std::string all = readFile(folder / "all.csv");
        EXPECT_EQ(all.rfind("\xEF\xBB\xBF"
                            "Author,Title,Date Read,Category,Review,Disposition,Marked\r\n",
                            0),
                  0u);
        EXPECT_NE(all.find("\"Herbert, Frank\",\"Dune, Messiah\",2003-07-01"), std::string::npos) << all;

        // With a book marked, only the marked ones, in Goodreads' form.
        user.doubleClickRow(BookListId, 2);  // Dune, Messiah
        ui.fileDialogs.expectName(folder / "marked.csv", 1);
        ui.messageBoxes.expect(Answer::Ok);
        user.chooseMenuItem(ExportBooksCommand);
        EXPECT_EQ(lastBox().text, "1 marked book exported to \"" + platform::shownPath(folder / "marked.csv") + "\".");
        const std::string marked = readFile(folder / "marked.csv");
        EXPECT_EQ(marked.rfind("\xEF\xBB\xBF"
                               "Book Id,Title,Author,Author l-f",
                               0),
                  0u)
            << marked;
        EXPECT_NE(marked.find("Dune, Messiah"), std::string::npos);
        EXPECT_EQ(marked.find("Hobbit"), std::string::npos);

        // An existing name is replaced only when the user agrees.
        ui.fileDialogs.expectName(folder / "all.csv");
        ui.messageBoxes.expect(Answer::No);
        user.chooseMenuItem(ExportBooksCommand);
        EXPECT_EQ(lastBox().caption, "Overwrite Warning");
        EXPECT_EQ(readFile(folder / "all.csv"), all);
    });
}

// A reading history: a book read twice, one read on a day nobody noted, one
// being read again after a dated read, and one still to read.
constexpr const char* History =
    "Title,Authors,Read Status,Last Date Read,Dates Read,Read Count,Star Rating\r\n"
    "Piranesi,Susanna Clarke,read,2024/01/10,\"2023/05/23-2023/06/07, 2024/01/02-2024/01/10\",2,4.5\r\n"
    "Emma,Jane Austen,read,,,1,3.0\r\n"
    "Kim,Rudyard Kipling,currently-reading,2019/08/01,2019/07/20-2019/08/01,1,\r\n"
    "Circe,Madeline Miller,to-read,,,0,\r\n";

TEST_F(ExchangeCommands, AReadingHistoryStaysReadThroughTheViewsTheFiguresAndAnotherRound) {
    startOnTwoBooks();
    writeFile(folder / "history.csv", History);
    start([&](User& user) {
        ui.fileDialogs.expectName(folder / "history.csv");
        ui.messageBoxes.expect(Answer::Yes);
        user.chooseMenuItem(ImportBooksCommand);
        EXPECT_EQ(lastBox().text.rfind("5 books found (1 re-read of a book among them): 5 to add (1 of them read "
                                       "without a date).",
                                       0),
                  0u)
            << lastBox().text;

        // Typed as the word, a book is read without a date too.
        addBookByHand(user, "Woolf, Virginia", "Orlando", " READ ");

        // Books Read lists them all, "read" in the date column; by date the
        // undated ones come first.
        user.chooseMenuItem(BooksReadCommand);
        EXPECT_EQ(titles(user), (Strings{"  Emma", "  Piranesi", "  Piranesi", "  Kim", "  The Hobbit", "  Orlando"}));
        EXPECT_EQ(rows(user)[0], " \tAusten, Jane\tEmma\tread");
        user.chooseMenuItem(SortCommand);
        EXPECT_EQ(titles(user), (Strings{"  Orlando", "  Emma", "  The Hobbit", "  Kim", "  Piranesi", "  Piranesi"}));
        user.chooseMenuItem(BooksUnreadCommand);
        EXPECT_EQ(titles(user), (Strings{"  Circe", "  Curtain"}));

        // The figures count them read; the chart only the dated ones.
        then([](User& dialog) {
            EXPECT_EQ(dialog.text(HeldLabelId), "8 books held: 6 read (2 of them without a date), 2 unread, 0 marked.");
            int charted = 0;
            for (const platform::ChartBar& bar : dialog.control(YearChartId).bars) charted += bar.value;
            EXPECT_EQ(charted, 4);
            dialog.click(CloseButtonId);
        });
        user.chooseMenuItem(ReadingStatisticsCommand);

        // Out in Goodreads' form: shelf "read" and no date; back in, nothing new.
        user.chooseMenuItem(ListAllBooksCommand);
        ui.fileDialogs.expectName(folder / "out.csv", 1);
        ui.messageBoxes.expect(Answer::Ok);
        user.chooseMenuItem(ExportBooksCommand);
        const std::string out = readFile(folder / "out.csv");
        EXPECT_NE(
            out.find(",Emma,Jane Austen,\"Austen, Jane\",,\"=\"\"\"\"\",\"=\"\"\"\"\",3,,,,,,,,,,read,,,,1,0\r\n"),
            std::string::npos)
            << out;
        ui.fileDialogs.expectName(folder / "out.csv");
        ui.messageBoxes.expect(Answer::Ok);
        user.chooseMenuItem(ImportBooksCommand);
        EXPECT_EQ(lastBox().text.rfind("8 books found: 0 to add, 8 already in the catalogue.", 0), 0u)
            << lastBox().text;

        // The same file into an empty catalogue gives the same reads back.
        const ImportPlanResult again = planImport(out, BookTables{}, 2026);
        ASSERT_TRUE(again.ok);
        EXPECT_EQ(again.plan.books.size(), 8u);
        EXPECT_EQ(again.plan.readUndated, 2);

        // Emptied, the date box makes the book unread (Orlando, first by date).
        user.chooseMenuItem(BooksReadCommand);
        user.clickRow(BookListId, 0);
        then([](User& dialog) {
            EXPECT_EQ(dialog.text(DateReadBoxId), "read");
            dialog.replaceText(DateReadBoxId, "");
            dialog.pressEnter();  // "&Replace"
        });
        user.chooseMenuItem(EditBookCommand);
        EXPECT_EQ(titles(user), (Strings{"  Emma", "  The Hobbit", "  Kim", "  Piranesi", "  Piranesi"}));
    });
}

}  // namespace
