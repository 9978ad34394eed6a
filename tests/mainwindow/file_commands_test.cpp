// User stories of the File menu and of ending the program: what the user
// sees, what is asked, and what lands in the catalogue and settings files.
#include <gtest/gtest.h>

#include "core/marks.h"
#include "tests/mainwindow/program_harness.h"
#include "tests/support/missing_folder_reason.h"

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using Strings = std::vector<std::string>;
using Kind = platform::scripted::ScriptedFileDialogs::Kind;

struct FileCommands : ProgramHarness, ::testing::Test {
    const std::vector<platform::FileFilter> catalogueFilters{{"Quorvel Files", "*.pmr"}, {"All Files", "*.*"}};
    const std::vector<platform::FileFilter> saveAsFilters{{"Quorvels catalogue", "*.pmr"},
                                                          {"Quorvels 2.00 catalogue", "*.pmr"}};

    std::string settings() { return readFile(startFolder + PathSeparator + "quorvels.ini"); }

    // A catalogue of two books, named in the settings file, as the last run left it.
    TestPath startOnTwoBooks() {
        const TestPath path = saveCatalogueFile("shelf.pmr", [](Catalogue& books) {
            addBook(books, "Tolkien, J.R.R.", "The Hobbit", "09-21-1995");
            addBook(books, "Christie, Agatha", "Curtain");
        });
        writeSettingsFile(path);
        return path;
    }

    const platform::scripted::ScriptedMessageBoxes::Shown& lastBox() { return ui.messageBoxes.shown.back(); }
};

TEST_F(FileCommands, AFirstStartOpensANewNameAsAnEmptyCatalogueAndKeepsThreeBooksAdded) {
    start([&](User& user) {
        EXPECT_TRUE(rows(user).empty());
        EXPECT_EQ(fields(user), (Strings{"", "View All by Author", "", " 1 of  0"}));

        ui.fileDialogs.expectName(folder / "books");  // typed without the extension
        user.chooseMenuItem(OpenCommand);
        const auto& open = ui.fileDialogs.shown.at(0);
        EXPECT_EQ(open.kind, Kind::Open);
        EXPECT_EQ(open.request.title, "Open File");
        EXPECT_EQ(open.request.filters, catalogueFilters);
        EXPECT_EQ(open.request.defaultExtension, "pmr");
        EXPECT_EQ(open.request.folder, folder.path);
        EXPECT_EQ(open.request.initialName, platform::SystemPath{});
        EXPECT_EQ(readFile(folder / "books.pmr"), "Quorvels 2.00");
        EXPECT_EQ(settings(), folder / "books.pmr\r\n");
        EXPECT_EQ(fields(user), (Strings{"books.pmr", "View All by Author", "", " 1 of  0"}));
        EXPECT_EQ(menuItem(user, CaseCommand).caption, "Lower Case");  // an empty catalogue counts as capitals

        addBookByHand(user, "Herbert, Frank", "Dune", "07-01-2003");
        addBookByHand(user, "Austen, Jane", "Emma");
        addBookByHand(user, "Eco, Umberto", "The Name of the Rose", "03-14-1998");
        EXPECT_EQ(titles(user), (Strings{"  EMMA", "  THE NAME OF THE ROSE", "  DUNE"}));
        EXPECT_EQ(selectedRows(user), (std::vector<int>{1}));  // the book added last
        EXPECT_EQ(field(user, 4), " 2 of  3");

        ui.messageBoxes.expect(Answer::Yes);
        user.chooseMenuItem(SaveCommand);
        EXPECT_EQ(lastBox().text, "Save file now?");
        EXPECT_EQ(lastBox().caption, "Save File");
        EXPECT_EQ(lastBox().buttons, Buttons::YesNo);
        EXPECT_EQ(lastBox().icon, Icon::Question);
        EXPECT_FALSE(catalogue.books.changed);
        user.closeBox();  // nothing to ask about now
    });
    EXPECT_EQ(booksInFile(folder / "books.pmr"),
              (Strings{"AUSTEN, JANE EMMA", "ECO, UMBERTO THE NAME OF THE ROSE", "HERBERT, FRANK DUNE"}));
}

TEST_F(FileCommands, SaveWithoutAFileNameGoesStraightToSaveAs) {
    start([&](User& user) {
        addBookByHand(user, "Austen, Jane", "Emma");
        ui.messageBoxes.expect(Answer::Yes);
        ui.fileDialogs.expectName(folder / "mine.pmr");
        user.chooseMenuItem(SaveCommand);
        EXPECT_EQ(ui.history.back(), "file dialog: Save File");
        const auto& saveAs = ui.fileDialogs.shown.at(0);
        EXPECT_EQ(saveAs.kind, Kind::Save);
        EXPECT_EQ(saveAs.request.filters, saveAsFilters);
        EXPECT_EQ(saveAs.request.initialName, platform::SystemPath{});
        EXPECT_EQ(field(user, 1), "mine.pmr");
        EXPECT_FALSE(catalogue.books.changed);
    });
    EXPECT_EQ(booksInFile(folder / "mine.pmr"), (Strings{"Austen, Jane Emma"}));
    EXPECT_EQ(settings(), folder / "mine.pmr\r\n");
}

TEST_F(FileCommands, SaveAsOntoAnExistingFileAsksFirst) {
    const TestPath shelf = startOnTwoBooks();
    writeFile(folder / "other.pmr", "keep me");
    start([&](User& user) {
        EXPECT_EQ(field(user, 1), "shelf.pmr");
        ui.fileDialogs.expectName(folder / "other.pmr");
        ui.messageBoxes.expect(Answer::No);
        user.chooseMenuItem(SaveAsCommand);
        EXPECT_EQ(ui.fileDialogs.shown.at(0).request.initialName, shelf);
        EXPECT_EQ(lastBox().text, "Overwrite existing file?");
        EXPECT_EQ(lastBox().caption, "Overwrite Warning");
        EXPECT_EQ(lastBox().buttons, Buttons::YesNo);
        EXPECT_EQ(lastBox().icon, Icon::Exclamation);
        EXPECT_EQ(readFile(folder / "other.pmr"), "keep me");
        EXPECT_EQ(file.path, shelf);

        ui.fileDialogs.expectName(folder / "other.pmr");
        ui.messageBoxes.expect(Answer::Yes);
        user.chooseMenuItem(SaveAsCommand);
        EXPECT_EQ(field(user, 1), "other.pmr");
    });
    EXPECT_EQ(booksInFile(folder / "other.pmr"), booksInFile(shelf));
    EXPECT_EQ(settings(), folder / "other.pmr\r\n");
}

// A save that fails says so and claims nothing: the catalogue keeps its name
// and its changes, and the settings file still names the old file.
TEST_F(FileCommands, AFailedSaveAsKeepsTheNameTheChangesAndTheSettings) {
    const TestPath shelf = startOnTwoBooks();
    start([&](User& user) {
        addBookByHand(user, "Austen, Jane", "Emma");
        ui.fileDialogs.expectName(folder / "gone/other.pmr");
        ui.messageBoxes.expect(Answer::Ok);
        user.chooseMenuItem(SaveAsCommand);
        EXPECT_EQ(lastBox().caption, "File Error");
        EXPECT_EQ(file.path, shelf);
        EXPECT_TRUE(catalogue.books.changed);
        EXPECT_EQ(field(user, 1), "shelf.pmr");
        EXPECT_EQ(rows(user).size(), 3u);
    });
    EXPECT_EQ(settings(), shelf + "\r\n");
    EXPECT_EQ(booksInFile(shelf).size(), 2u);
}

TEST_F(FileCommands, OpenAfterChangesSavesThemFirstOrDropsThem) {
    const TestPath shelf = startOnTwoBooks();
    const TestPath other = saveCatalogueFile("other.pmr", [](Catalogue& books) { addBook(books, "Zola", "Nana"); });
    start([&](User& user) {
        addBookByHand(user, "Austen, Jane", "Emma");
        ui.fileDialogs.expectName(other);
        ui.messageBoxes.expect(Answer::Yes);
        user.chooseMenuItem(OpenCommand);
        EXPECT_EQ(lastBox().text, "File has changed...\r\nSave it now?");
        EXPECT_EQ(lastBox().caption, "Save File");
        EXPECT_EQ(lastBox().buttons, Buttons::YesNo);
        EXPECT_EQ(lastBox().icon, Icon::Question);
        EXPECT_EQ(booksInFile(shelf).size(), 3u);
        EXPECT_EQ(titles(user), (Strings{"  Nana"}));
        EXPECT_EQ(field(user, 1), "other.pmr");

        addBookByHand(user, "Austen, Jane", "Persuasion");
        ui.fileDialogs.expectName(shelf);
        ui.messageBoxes.expect(Answer::No);
        user.chooseMenuItem(OpenCommand);
        EXPECT_EQ(rows(user).size(), 3u);
        EXPECT_FALSE(catalogue.books.changed);
    });
    EXPECT_EQ(booksInFile(other), (Strings{"Zola Nana"}));
    EXPECT_EQ(settings(), shelf + "\r\n");
}

// Yes to saving first, then a cancelled Save As: Open stops and the changes stay.
TEST_F(FileCommands, OpenStopsWhenTheChangesItWasToSaveWereNotSaved) {
    const TestPath other = saveCatalogueFile("other.pmr", [](Catalogue& books) { addBook(books, "Zola", "Nana"); });
    start([&](User& user) {
        addBookByHand(user, "Austen, Jane", "Emma");
        ui.fileDialogs.expectName(other);
        ui.messageBoxes.expect(Answer::Yes);
        ui.fileDialogs.expectCancel();  // the Save As for the unnamed catalogue
        user.chooseMenuItem(OpenCommand);
        EXPECT_EQ(titles(user), (Strings{"  Emma"}));
        EXPECT_TRUE(catalogue.books.changed);
        EXPECT_EQ(file.path, platform::SystemPath{});
    });
    EXPECT_FALSE(std::filesystem::exists(folder / "quorvels.ini"));
}

// A file that is not a catalogue is refused; the open catalogue stays, named,
// and the next start opens it again.
TEST_F(FileCommands, ARefusedFileLeavesTheOpenCatalogueAndTheSettingsAlone) {
    const TestPath shelf = startOnTwoBooks();
    writeFile(folder / "notes.pmr", "Shopping list");
    start([&](User& user) {
        ui.fileDialogs.expectName(folder / "notes.pmr");
        ui.messageBoxes.expect(Answer::Ok);
        user.chooseMenuItem(OpenCommand);
        EXPECT_EQ(lastBox().caption, "Data Error");
        EXPECT_EQ(titles(user), (Strings{"  Curtain", "  The Hobbit"}));
        EXPECT_EQ(file.path, shelf);
        EXPECT_EQ(field(user, 1), "shelf.pmr");
    });
    EXPECT_EQ(settings(), shelf + "\r\n");
}

// Books in any script: the first save in the new form of the file says so
// once; Save As in the old form says how many texts would change and, on
// Yes, writes and keeps their nearest letters, every book with its mark and
// date kept, for the next start to open.
TEST_F(FileCommands, BooksInAnyScriptSaveInTheNewFormOrWithTheirNearestLettersInTheOld) {
    const TestPath shelf = startOnTwoBooks();
    const TestPath old = folder / "old.pmr";
    const Strings nearest{"???? ???", "???????, ??? ????? ? ???", "Capek, Karel Válka S Mloky",
                          "Christie, Agatha Curtain", "Tolkien, J.R.R. The Hobbit"};
    start([&](User& user) {
        addBookByHand(user, "Толстой, Лев", "Война и мир", "05-01-2001");
        addBookByHand(user, "Čapek, Karel", "Válka s mloky");
        addBookByHand(user, "夏目漱石", "こころ");
        user.clickRow(BookListId, 3);  // Tolstoy's, after Christie, Tolkien and Čapek
        user.click(MarkButtonId);

        ui.messageBoxes.expect(Answer::Yes);
        ui.messageBoxes.expect(Answer::Ok);
        user.chooseMenuItem(SaveCommand);
        EXPECT_EQ(lastBox().text, "File Name: " + shelf +
                                      "\r\nThe catalogue now holds letters that a \"Quorvels 2.00\" file cannot hold, "
                                      "so it is saved in a newer form, which older copies of Quorvels cannot open.\r\n"
                                      "To keep a copy they can open, use Save As with the file type \"Quorvels 2.00 "
                                      "catalogue\".");
        EXPECT_EQ(lastBox().icon, Icon::Information);
        EXPECT_EQ(readFile(shelf).substr(0, 13), "Quorvels 3.00");
        EXPECT_EQ(booksInFile(shelf), viewRows(catalogue));

        ui.messageBoxes.expect(Answer::Yes);
        user.chooseMenuItem(SaveCommand);
        EXPECT_EQ(lastBox().text, "Save file now?");  // and nothing more

        const Strings before = viewRows(catalogue);
        ui.fileDialogs.expectName(old, 1);  // "Quorvels 2.00 catalogue"
        ui.messageBoxes.expect(Answer::No);
        user.chooseMenuItem(SaveAsCommand);
        EXPECT_EQ(lastBox().text,
                  "5 texts hold letters that a \"Quorvels 2.00\" file cannot hold. Saved in that form, each such "
                  "letter becomes its nearest plain letter, or \"?\" where there is none, and the catalogue keeps "
                  "the changed texts.\r\nSave in the older form?");
        EXPECT_EQ(lastBox().buttons, Buttons::YesNo);
        EXPECT_EQ(lastBox().icon, Icon::Question);
        EXPECT_FALSE(std::filesystem::exists(fsPath(old)));
        EXPECT_EQ(viewRows(catalogue), before);
        EXPECT_EQ(file.path, shelf);
        EXPECT_FALSE(catalogue.books.changed);

        ui.fileDialogs.expectName(old, 1);
        ui.messageBoxes.expect(Answer::Yes);
        user.chooseMenuItem(SaveAsCommand);
        EXPECT_EQ(readFile(old).substr(0, 13), "Quorvels 2.00");
        EXPECT_EQ(viewRows(catalogue), nearest);
        EXPECT_EQ(titles(user), (Strings{"  ???", "x ????? ? ???", "  Válka S Mloky", "  Curtain", "  The Hobbit"}));
        EXPECT_EQ(catalogue.books.records[catalogue.view.currentRecord].title, "????? ? ???");
        EXPECT_EQ(fields(user), (Strings{"old.pmr", "View All by Author", " 1 marked", " 2 of  5"}));
        EXPECT_FALSE(catalogue.books.changed);
    });
    EXPECT_EQ(settings(), old + "\r\n");
    catalogue = Catalogue{};  // a new run, whose load must tell the file's form
    file = OpenedFile{{}, {}, FileForm::New};
    start([&](User& user) {
        EXPECT_EQ(file.form, FileForm::Old);
        EXPECT_EQ(viewRows(catalogue), nearest);
        EXPECT_EQ(fields(user), (Strings{"old.pmr", "View All by Author", " 1 marked", " 1 of  5"}));
        EXPECT_TRUE(isMarked(catalogue.books, 2));
        EXPECT_EQ(readDateOf(catalogue.books, 2), packReadDate("05-01-2001"));
    });
}

// A folder named in Cyrillic letters, as a Russian desktop names the
// documents folder: the program started there finds its settings and its
// help, opens the catalogue they name and remembers the real name of the
// file it saves as; the status line and the messages show the real names.
// Paths are UTF-8 here, as this file is written.
TEST_F(FileCommands, ACatalogueLivesInAFolderNamedInAnyLetters) {
    startFolder = folder / "Документы";
    std::filesystem::create_directory(fsPath(startFolder));
    const TestPath russian = saveCatalogueFile("книги.pmr", [](Catalogue& books) {
        addBook(books, "Tolstoy, Leo", "Anna Karenina");
        addBook(books, "Gogol, Nikolai", "Dead Souls");
    });
    writeSettingsFile(russian);
    const TestPath polish = startFolder + PathSeparator + "Książki.pmr";
    start([&](User& user) {
        EXPECT_EQ(fields(user), (Strings{"книги.pmr", "View All by Author", "", " 1 of  2"}));
        EXPECT_EQ(titles(user), (Strings{"  Dead Souls", "  Anna Karenina"}));

        addBookByHand(user, "Prus, Boleslaw", "Lalka");
        ui.fileDialogs.expectName(polish);
        user.chooseMenuItem(SaveAsCommand);
        const auto& saveAs = ui.fileDialogs.shown.at(0).request;
        EXPECT_EQ(saveAs.folder, startFolder);
        EXPECT_EQ(saveAs.initialName, russian);
        EXPECT_EQ(fields(user), (Strings{"Książki.pmr", "View All by Author", "", " 2 of  3"}));
        EXPECT_FALSE(catalogue.books.changed);

        user.chooseMenuItem(HelpCommand);
    });
    EXPECT_EQ(help.requests.at(0).helpPath, TestPath(startFolder + PathSeparator + "quorvels.hlp"));
    EXPECT_EQ(settings(), polish + "\r\n");
    EXPECT_EQ(booksInFile(polish).size(), 3u);
    EXPECT_EQ(booksInFile(russian).size(), 2u);

    // The next start opens it again. A file outside the start folder shows
    // its whole path, and a name that cannot be created is named in the message.
    const TestPath elsewhere = folder / "Łódź.pmr";
    writeFile(elsewhere, "Quorvels 2.00");
    start([&](User& user) {
        EXPECT_EQ(field(user, 1), "Książki.pmr");
        EXPECT_EQ(rows(user).size(), 3u);

        ui.fileDialogs.expectName(elsewhere);
        user.chooseMenuItem(OpenCommand);
        EXPECT_EQ(fields(user), (Strings{elsewhere, "View All by Author", "", " 1 of  0"}));

        ui.fileDialogs.expectName(folder / "Ωμέγα/νέο.pmr");
        ui.messageBoxes.expect(Answer::Ok);
        user.chooseMenuItem(OpenCommand);
        EXPECT_EQ(lastBox().text, "File Name: " + folder / "Ωμέγα/νέο.pmr" +
                                      "\r\nThe new catalogue file could not be created: " + missingFolderReason() +
                                      ".");
        EXPECT_EQ(file.path, elsewhere);
    });
    EXPECT_EQ(settings(), elsewhere + "\r\n");
}

TEST_F(FileCommands, CancelInTheFileDialogsChangesNothing) {
    const TestPath shelf = startOnTwoBooks();
    start([&](User& user) {
        ui.fileDialogs.expectCancel();
        user.chooseMenuItem(OpenCommand);
        ui.fileDialogs.expectCancel();
        user.chooseMenuItem(SaveAsCommand);
        ui.messageBoxes.expect(Answer::No);
        user.chooseMenuItem(SaveCommand);  // No to "Save file now?"
        EXPECT_EQ(rows(user).size(), 2u);
        EXPECT_EQ(field(user, 1), "shelf.pmr");
    });
    EXPECT_EQ(ui.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(settings(), shelf + "\r\n");
}

// Another copy of the program saves the catalogue while this one has it open:
// a save here asks before writing over it. Cancel keeps both, No saves under
// another name, Yes saves over it with the other copy's file kept as the
// backup, which File > Open reads like any catalogue. Opening a catalogue the
// other copy has open says so.
TEST_F(FileCommands, AFileAnotherProgramChangedIsNeverWrittenOverSilently) {
    const TestPath shelf = startOnTwoBooks();
    const TestPath mine = folder / "mine.pmr";
    auto otherCopySaves = [&](const std::string& name) {
        saveCatalogueFile(name, [](Catalogue& books) { addBook(books, "Zola", "Nana"); });
    };
    start([&](User& user) {
        addBookByHand(user, "Austen, Jane", "Emma");
        otherCopySaves("shelf.pmr");
        ui.messageBoxes.expect(Answer::Yes);     // Save file now?
        ui.messageBoxes.expect(Answer::Cancel);  // the file was changed
        user.chooseMenuItem(SaveCommand);
        EXPECT_EQ(lastBox().text, "File Name: " + shelf +
                                      "\r\nThe file has been changed by another program since it was opened or last "
                                      "saved.\r\nYes saves over it, No saves under another name, Cancel keeps the "
                                      "changes unsaved.");
        EXPECT_EQ(lastBox().caption, "Save File");
        EXPECT_EQ(lastBox().buttons, Buttons::YesNoCancel);
        EXPECT_EQ(lastBox().icon, Icon::Exclamation);
        EXPECT_TRUE(catalogue.books.changed);
        EXPECT_EQ(booksInFile(shelf), (Strings{"Zola Nana"}));

        ui.messageBoxes.expect(Answer::Yes);
        ui.messageBoxes.expect(Answer::No);
        ui.fileDialogs.expectName(mine);
        user.chooseMenuItem(SaveCommand);
        EXPECT_EQ(ui.fileDialogs.shown.at(0).request.title, "Save File");
        EXPECT_EQ(field(user, 1), "mine.pmr");
        EXPECT_FALSE(catalogue.books.changed);
        EXPECT_EQ(booksInFile(shelf), (Strings{"Zola Nana"}));
        EXPECT_EQ(booksInFile(mine).size(), 3u);

        addBookByHand(user, "Austen, Jane", "Persuasion");
        otherCopySaves("mine.pmr");
        ui.messageBoxes.expect(Answer::Yes);
        ui.messageBoxes.expect(Answer::Yes);  // save over it
        user.chooseMenuItem(SaveCommand);
        EXPECT_FALSE(catalogue.books.changed);
        EXPECT_EQ(booksInFile(mine).size(), 4u);

        ui.fileDialogs.expectName(TestPath(mine + ".bak"));
        user.chooseMenuItem(OpenCommand);
        EXPECT_EQ(titles(user), (Strings{"  Nana"}));
        EXPECT_EQ(field(user, 1), "mine.pmr.bak");

        // The other copy has the catalogue open: Open says so and opens it.
        const platform::HoldResult otherCopy = platform::systemFiles().holdOpen(shelf);
        ui.fileDialogs.expectName(shelf);
        ui.messageBoxes.expect(Answer::Ok);
        user.chooseMenuItem(OpenCommand);
        EXPECT_EQ(lastBox().text, shelf +
                                      " is open in another Quorvels window.\r\n"
                                      "Changes saved here may overwrite changes saved there.");
        EXPECT_EQ(lastBox().caption, "Open File");
        EXPECT_EQ(titles(user), (Strings{"  Nana"}));
        EXPECT_EQ(field(user, 1), "shelf.pmr");
    });
}

TEST_F(FileCommands, TheCloseBoxWithCancelKeepsTheWindowAndWithNoDropsTheChanges) {
    const TestPath shelf = startOnTwoBooks();
    start([&](User& user) {
        addBookByHand(user, "Austen, Jane", "Emma");
        ui.messageBoxes.expect(Answer::Cancel);
        user.closeBox();
        EXPECT_EQ(lastBox().text, "File records have changed...\r\ndo you want to save them?");
        EXPECT_EQ(lastBox().buttons, Buttons::YesNoCancel);
        ASSERT_FALSE(user.state().ended);
        EXPECT_EQ(rows(user).size(), 3u);

        ui.messageBoxes.expect(Answer::No);
        user.closeBox();
        EXPECT_TRUE(user.state().ended);
    });
    EXPECT_EQ(booksInFile(shelf).size(), 2u);
}

TEST_F(FileCommands, ExitAndQuitAskTheSameAndYesSaves) {
    const TestPath shelf = startOnTwoBooks();
    start([&](User& user) {
        addBookByHand(user, "Austen, Jane", "Emma");
        ui.messageBoxes.expect(Answer::Cancel);
        user.click(QuitButtonId);
        ASSERT_FALSE(user.state().ended);
        ui.messageBoxes.expect(Answer::Yes);
        user.chooseMenuItem(ExitCommand);
        EXPECT_TRUE(user.state().ended);
    });
    EXPECT_EQ(booksInFile(shelf).size(), 3u);
}

}  // namespace
