#include <gtest/gtest.h>

#include "mainwindow/main_window_layout.h"
#include "mainwindow/menus.h"
#include "mainwindow/startup.h"
#include "printing/print_dialog.h"
#include "platform/testing/fixed_width_measure.h"
#include "platform/testing/recording_print_surface.h"
#include "platform/testing/scripted_message_boxes.h"
#include "storage/catalogue_file.h"
#include "tests/mainwindow/main_window_harness.h"
#include "tests/support/temporary_folder.h"

namespace {

using platform::scripted::ScriptedUser;

std::string field(const ScriptedUser& user, int number) {
    return user.text(statusLabelId(static_cast<StatusField>(number)));
}
const std::vector<std::string>& rows(const ScriptedUser& user) { return user.control(BookListId).rows; }

// A program start in a folder of its own, with a printer that notes when it is opened.
struct Startup : MainWindowHarness, ::testing::Test {
    TemporaryFolder startFolder;
    platform::scripted::FixedWidthMeasure measure{5};

    void start(const std::function<void(ScriptedUser&)>& script) {
        ui.queueScript([script](ScriptedUser& user) {
            script(user);
            user.closeBox();
        });
        const StartupServices services{measure, [this] {
                                           ui.history.push_back("printer opened");
                                           return std::make_unique<platform::scripted::RecordingPrintSurface>();
                                       }};
        runQuorvels(main, {startFolder.path}, services);
    }

    // Saves a small catalogue through storage, as the program would.
    void saveBooks(const TestPath& path) {
        Catalogue books;
        OpenedFile booksFile;
        addBook(books, "Tolkien, J.R.R.", "The Hobbit", "09-21-1995", 11, 9);
        addBook(books, "Christie, Agatha", "Murder on the Orient Express", "", 2);
        booksFile.path = path;
        ASSERT_EQ(saveCatalogue(books, booksFile, platform::systemFiles()).result, SaveOutcome::Saved);
    }

    void writeSettings(const std::string& catalogue) { writeFile(startFolder / "quorvels.ini", catalogue + "\r\n"); }
};

TEST_F(Startup, WithoutSettingsTheWindowOpensEmpty) {
    start([](ScriptedUser& user) {
        EXPECT_EQ(user.state().blueprint.caption, "Quorvels - Lectorium");
        EXPECT_TRUE(rows(user).empty());
        EXPECT_EQ(field(user, 1), "");
        EXPECT_EQ(field(user, 2), "View All by Author");
        EXPECT_EQ(field(user, 3), "");
        EXPECT_EQ(field(user, 4), " 1 of  0");
    });
    EXPECT_EQ(ui.history, (std::vector<std::string>{"window: Quorvels - Lectorium"}));
    EXPECT_FALSE(std::filesystem::exists(startFolder / "quorvels.ini"));
}

TEST_F(Startup, ACatalogueInTheStartFolderShowsUnderItsBareName) {
    saveBooks(startFolder / "mine.pmr");
    writeSettings(startFolder / "mine.pmr");
    start([&](ScriptedUser& user) {
        EXPECT_EQ(rows(user), (std::vector<std::string>{" \tChristie, Agatha\tMurder On the Orient Express",
                                                        " \tTolkien, J.R.R.\tThe Hobbit\t09-21-1995"}));
        EXPECT_EQ(user.control(BookListId).selected[0], true);
        EXPECT_EQ(field(user, 1), "mine.pmr");
        EXPECT_EQ(field(user, 4), " 1 of  2");
        // The printer is looked up when printing first wants it, and only then.
        for (int run = 0; run < 2; ++run) {
            ui.queueScript([](ScriptedUser& dialog) { dialog.click(PrintNowButtonId); });
            user.chooseMenuItem(PrintCommand);
        }
        EXPECT_NE(state.printer.surface, nullptr);
    });
    EXPECT_EQ(ui.history, (std::vector<std::string>{"window: Quorvels - Lectorium", "printer opened",
                                                    "window: Print Book List", "window: Print Book List"}));
    EXPECT_EQ(state.printer.surface, nullptr);  // let go with the window
}

TEST_F(Startup, ACatalogueElsewhereShowsUnderItsFullPath) {
    TemporaryFolder elsewhere;
    saveBooks(elsewhere / "books of mine.pmr");
    writeSettings(elsewhere / "books of mine.pmr");
    start([&](ScriptedUser& user) {
        EXPECT_EQ(rows(user).size(), 2u);
        EXPECT_EQ(field(user, 1), elsewhere / "books of mine.pmr");
    });
}

TEST_F(Startup, ListTextsAreCutWithTheScreenMeasure) {
    measure.pixelsPerCharacter = 20;
    saveBooks(startFolder / "mine.pmr");
    writeSettings(startFolder / "mine.pmr");
    start([&](ScriptedUser& user) {
        // 20 pixels a byte: 200 pixels hold 10 bytes of author, 380 hold 19 of title.
        EXPECT_EQ(state.listMeasure, &measure);
        EXPECT_EQ(rows(user)[0], " \tChristie, \tMurder On the Orien");
    });
    EXPECT_EQ(state.listMeasure, nullptr);
}

TEST_F(Startup, AWrongVersionFileIsReportedBeforeTheWindowWhichOpensEmpty) {
    writeFile(startFolder / "old.pmr", "Quorvels 1.00 and more");
    writeSettings(startFolder / "old.pmr");
    ui.messageBoxes.expect(platform::Answer::Ok);
    start([](ScriptedUser& user) {
        EXPECT_TRUE(rows(user).empty());
        EXPECT_EQ(field(user, 1), "");
        EXPECT_EQ(field(user, 2), "View All by Author");
    });
    ASSERT_EQ(ui.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(ui.messageBoxes.shown[0].caption, "Data Error");
    EXPECT_EQ(ui.history, (std::vector<std::string>{"message box: Data Error", "window: Quorvels - Lectorium"}));
}

// The settings file names a catalogue in a folder that is not there (as
// written out by hand, in Cyrillic letters): the message names it as it is,
// and the window opens empty with the view's caption.
TEST_F(Startup, ARememberedCatalogueThatCannotBeOpenedIsReportedAndTheViewShown) {
    writeSettings(startFolder / "Документы/книги.pmr");
    ui.messageBoxes.expect(platform::Answer::Ok);
    start([](ScriptedUser& user) {
        EXPECT_TRUE(rows(user).empty());
        EXPECT_EQ(field(user, 1), "");
        EXPECT_EQ(field(user, 2), "View All by Author");
        EXPECT_EQ(field(user, 4), " 1 of  0");
    });
    ASSERT_EQ(ui.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(ui.messageBoxes.shown[0].text, "File Name: " + startFolder / "Документы/книги.pmr" +
                                                 "\r\nThe file could not be read: No such file or directory.\r\n"
                                                 "Nothing was loaded.");
    EXPECT_EQ(ui.messageBoxes.shown[0].caption, "File Error");
    EXPECT_EQ(file.path, platform::SystemPath{});
    EXPECT_EQ(readFile(startFolder / "quorvels.ini"),
              startFolder / "Документы/книги.pmr\r\n");  // kept for a later start
}

// What one start of the program showed: the file in status field 1, the
// list, and the captions of the messages before the window.
struct Shown {
    std::string file;
    std::size_t books = 0;
    std::vector<std::string> messages;
};

// Starts the program afresh in `folder` with `named` on its command line,
// answering `messages` message boxes with OK.
Shown startNaming(const TestPath& folder, const TestPath& named, int messages = 0) {
    MainWindowHarness program;
    platform::scripted::FixedWidthMeasure measure{5};
    for (int i = 0; i < messages; ++i) program.ui.messageBoxes.expect(platform::Answer::Ok);
    Shown shown;
    program.ui.queueScript([&](ScriptedUser& user) {
        shown.file = field(user, 1);
        shown.books = rows(user).size();
        user.closeBox();
    });
    runQuorvels(program.main, {folder, {}, named}, {measure, [] { return nullptr; }});
    for (const auto& box : program.ui.messageBoxes.shown) shown.messages.push_back(box.caption);
    return shown;
}

// A catalogue named on the command line, as a file manager or a shell names
// it: it opens instead of the remembered one and is remembered in its place;
// one that is refused is reported, changes nothing on disk, and the
// remembered one opens; a file refused once is not read twice; and a
// settings file that cannot be written is reported with the named catalogue
// open all the same.
TEST(StartupWithANamedCatalogue, OpensItAndRemembersItOrFallsBackToTheRememberedOne) {
    TemporaryFolder folder;
    const auto save = [](const TestPath& path, int books) {
        Catalogue catalogue;
        OpenedFile file;
        for (int i = 0; i < books; ++i) addBook(catalogue, "Author " + std::to_string(i), "Title", "", 1);
        file.path = path;
        ASSERT_EQ(saveCatalogue(catalogue, file, platform::systemFiles()).result, SaveOutcome::Saved);
    };
    const TestPath settings = folder / "quorvels.ini";
    std::filesystem::create_directory(fsPath(folder / "shelf"));
    save(folder / "remembered.pmr", 2);
    save(folder / "shelf/named.pmr", 3);
    writeFile(settings, folder / "remembered.pmr\r\n");

    // A name relative to the start folder, as a shell passes it.
    Shown shown = startNaming(folder.path, "shelf" + std::string(1, PathSeparator) + "named.pmr");
    EXPECT_EQ(shown.books, 3u);
    EXPECT_TRUE(shown.messages.empty());
    EXPECT_EQ(readFile(settings), folder / "shelf/named.pmr\r\n");
    EXPECT_EQ(startNaming(folder.path, "").books, 3u);  // the next start opens it by itself

    // Refused: the wrong version, a missing file (not created), a folder.
    writeFile(folder / "old.pmr", "Quorvels 1.00 and more");
    const std::vector<std::pair<std::string, std::string>> refused{
        {folder / "old.pmr", "Data Error"}, {folder / "missing.pmr", "File Error"}, {folder / "shelf", "File Error"}};
    for (const auto& [name, caption] : refused) {
        shown = startNaming(folder.path, name, 1);
        EXPECT_EQ(shown.messages, std::vector<std::string>{caption}) << name;
        EXPECT_EQ(shown.books, 3u) << name;
        EXPECT_EQ(shown.file, folder / "shelf/named.pmr") << name;
        EXPECT_EQ(readFile(settings), folder / "shelf/named.pmr\r\n") << name;
    }
    EXPECT_FALSE(std::filesystem::exists(fsPath(folder / "missing.pmr")));

    // The remembered catalogue itself named and refused: one message, an empty window.
    writeFile(settings, folder / "old.pmr\r\n");
    shown = startNaming(folder.path, folder / "old.pmr", 1);
    EXPECT_EQ(shown.messages, std::vector<std::string>{"Data Error"});
    EXPECT_EQ(shown.books, 0u);
    EXPECT_EQ(shown.file, "");

    // A settings file that cannot be replaced (a folder of that name).
    std::filesystem::remove(fsPath(settings));
    std::filesystem::create_directory(fsPath(settings));
    shown = startNaming(folder.path, folder / "remembered.pmr", 1);
    EXPECT_EQ(shown.messages, std::vector<std::string>{"File Error"});
    EXPECT_EQ(shown.books, 2u);
}

TEST_F(Startup, TheHelpPathKeepsALongStartFolderWhole) {
    const TestPath deep = startFolder / "a folder name that is long enough to pass sixty-three characters";
    std::filesystem::create_directories(fsPath(deep));
    startFolder.path = deep;  // removed with its parent all the same
    start([](ScriptedUser& user) { user.chooseMenuItem(HelpCommand); });
    EXPECT_EQ(state.helpPath, TestPath(deep + PathSeparator + "quorvels.hlp"));
    EXPECT_EQ(state.startDirectory, deep);
    ASSERT_FALSE(help.requests.empty());
    EXPECT_EQ(help.requests[0].helpPath, TestPath(deep + PathSeparator + "quorvels.hlp"));
}

}  // namespace
