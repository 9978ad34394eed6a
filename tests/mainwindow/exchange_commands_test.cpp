// The user's story of Import Books and Export Books in the File menu: what
// is asked and told, what lands in the list, and what the files hold.
#include <gtest/gtest.h>

#include "core/vocabularies.h"
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
        EXPECT_EQ(lastBox().text.rfind("4 books found: 2 to add, 1 already in the catalogue, 1 without a usable date "
                                       "(imported as unread).",
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
        EXPECT_FALSE(isRead(catalogue.books, emma));                          // read, but without a date
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

}  // namespace
