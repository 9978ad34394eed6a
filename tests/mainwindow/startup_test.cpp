#include <gtest/gtest.h>

#include "mainwindow/main_window_layout.h"
#include "mainwindow/menus.h"
#include "mainwindow/startup.h"
#include "platform/scripted/fixed_width_measure.h"
#include "platform/scripted/recording_print_surface.h"
#include "storage/catalogue_file.h"
#include "tests/mainwindow/main_window_harness.h"
#include "tests/support/temporary_folder.h"

namespace {

using platform::scripted::ScriptedUser;

std::string field(const ScriptedUser& user, int number) { return user.text(statusLabelId(number)); }
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
        runQuorvels(main, startFolder.path, services);
    }

    // Saves a small catalogue through storage, as the program would.
    void saveBooks(const std::string& path) {
        Catalogue books;
        addBook(books, "Tolkien, J.R.R.", "The Hobbit", "09-21-1995", 11, 9);
        addBook(books, "Christie, Agatha", "Murder on the Orient Express", "", 2);
        books.fileName = path;
        StorageUi storage{ui, platform::systemFiles(), {}, {}};
        ASSERT_TRUE(saveCatalogue(books, storage));
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
    EXPECT_EQ(ui.history, (std::vector<std::string>{"printer opened", "window: Quorvels - Lectorium"}));
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
        EXPECT_NE(state.printer, nullptr);
    });
    EXPECT_EQ(state.printer, nullptr);  // let go with the window
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
    measure.pixelsPerByte = 20;
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
    EXPECT_EQ(ui.history, (std::vector<std::string>{"printer opened", "message box: Data Error", "window: Quorvels - Lectorium"}));
}

// The settings file names a catalogue in a folder that is not there (as
// written out by hand, in Cyrillic letters): the message names it as closely
// as Windows-1252 can, and the window opens empty with the view's caption.
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
    EXPECT_EQ(ui.messageBoxes.shown[0].text, "File Name: " + startFolder / "????????\?/?????.pmr" +
                                                 "\r\nThe file could not be read: No such file or directory.\r\n"
                                                 "Nothing was loaded.");
    EXPECT_EQ(ui.messageBoxes.shown[0].caption, "File Error");
    EXPECT_EQ(catalogue.fileName, "");
    EXPECT_EQ(readFile(startFolder / "quorvels.ini"), startFolder / "Документы/книги.pmr\r\n");  // kept for a later start
}

TEST_F(Startup, TheHelpPathKeepsALongStartFolderWhole) {
    const std::string deep = startFolder / "a folder name that is long enough to pass sixty-three characters";
    std::filesystem::create_directories(fsPath(deep));
    startFolder.path = deep;  // removed with its parent all the same
    start([](ScriptedUser& user) { user.chooseMenuItem(HelpCommand); });
    EXPECT_EQ(state.helpPath, deep + PathSeparator + "quorvels.hlp");
    EXPECT_EQ(state.startDirectory, deep);
    ASSERT_FALSE(help.requests.empty());
    EXPECT_EQ(help.requests[0].helpPath, deep + PathSeparator + "quorvels.hlp");
}

}  // namespace
