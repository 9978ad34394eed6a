#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "core/letter_case.h"
#include "core/marks.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/menus.h"
#include "tests/mainwindow/main_window_harness.h"

namespace {

using platform::MenuItemSpec;
using platform::MenuSpec;
using platform::scripted::ScriptedUser;
using Request = platform::scripted::RecordingHelpViewer::Request;

bool enabled(const ScriptedUser& user, int command) { return user.menuItem(command).enabled; }
const std::string& caption(const ScriptedUser& user, int command) { return user.menuItem(command).caption; }

// The letter after the "&", in upper case; 0 for a caption without one.
char mnemonic(const std::string& caption) {
    const auto amp = caption.find('&');
    return amp == std::string::npos || amp + 1 == caption.size()
               ? 0
               : static_cast<char>(std::toupper(static_cast<unsigned char>(caption[amp + 1])));
}

TEST(MenuBar, HoldsTheFourMenusWithTheirCommandsInOrder) {
    const std::vector<MenuSpec> bar = mainMenuBar();
    std::vector<std::string> captions;
    std::map<std::string, std::vector<int>> commands;  // by menu caption, 0 for a separator
    std::map<int, std::string> itemCaptions;           // by command
    for (const MenuSpec& menu : bar) {
        captions.push_back(menu.caption);
        for (const MenuItemSpec& item : menu.items) {
            commands[menu.caption].push_back(item.separator ? 0 : item.id);
            if (!item.separator) itemCaptions[item.id] = item.caption;
        }
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"&File", "&Edit", "&View", "&Help"}));
    EXPECT_EQ(commands["&File"], (std::vector<int>{101, 102, 103, 106, 107, 0, 104, 0, 105}));
    EXPECT_EQ(commands["&Edit"], (std::vector<int>{201, 203, 202, 0, 204, 205, 0, 206, 207, 0, 401}));
    EXPECT_EQ(commands["&View"], (std::vector<int>{302, 303, 304, 305, 306, 301, 307}));
    EXPECT_EQ(commands["&Help"], (std::vector<int>{501, 502}));
    EXPECT_EQ(itemCaptions[SortCommand], "&Sort By Date");
    EXPECT_EQ(itemCaptions[ImportBooksCommand], "&Import Books...");
    EXPECT_EQ(itemCaptions[ExportBooksCommand], "Ex&port Books...");
}

TEST(MenuBar, OnlyUnmarkAllShownUndeleteAndListAllBooksStartGreyed) {
    std::set<std::string> greyed;
    for (const MenuSpec& menu : mainMenuBar())
        for (const MenuItemSpec& item : menu.items)
            if (!item.separator && !item.enabled) greyed.insert(item.caption);
    EXPECT_EQ(greyed, (std::set<std::string>{"&Unmark All Shown", "&Undelete", "&List All Books"}));
}

TEST(MenuBar, CommandsAreUniqueAndEveryCaptionHasOneMnemonicOfItsOwn) {
    const std::vector<MenuSpec> bar = mainMenuBar();
    std::set<int> commands;
    std::set<char> menuKeys;
    for (const MenuSpec& menu : bar) {
        EXPECT_TRUE(menuKeys.insert(mnemonic(menu.caption)).second) << menu.caption;
        std::map<char, std::vector<std::string>> byKey;
        for (const MenuItemSpec& item : menu.items) {
            if (item.separator) continue;
            EXPECT_TRUE(commands.insert(item.id).second) << item.caption;
            EXPECT_EQ(std::count(item.caption.begin(), item.caption.end(), '&'), 1) << item.caption;
            byKey[mnemonic(item.caption)].push_back(item.caption);
        }
        // One letter is shared on purpose: pressing U moves between the two
        // Edit items and Enter chooses.
        for (const auto& [key, captions] : byKey) {
            if (menu.caption == "&Edit" && key == 'U') {
                EXPECT_EQ(captions, (std::vector<std::string>{"&Unmark All Shown", "&Undelete"}));
            } else {
                EXPECT_EQ(captions.size(), 1u) << menu.caption << " shares " << key;
            }
        }
    }
    EXPECT_EQ(menuKeys, (std::set<char>{'F', 'E', 'V', 'H'}));
}

struct Menus : MainWindowHarness, ::testing::Test {
    Menus() {
        addBook(catalogue, "Eco, Umberto", "The Name of the Rose", "03-14-1998");
        addBook(catalogue, "Austen, Jane", "Emma");
        addBook(catalogue, "Herbert, Frank", "Dune", "07-01-2003");
        catalogue.books.changed = false;
    }

    void setEveryMark(bool mark) {
        for (int record = 1; record <= recordCount(catalogue.books); ++record) setMarked(catalogue.books, record, mark);
    }
};

TEST_F(Menus, UnmarkAllShownFollowsTheMarksAfterEveryCommandAndListNotification) {
    run([&](ScriptedUser& user) {
        EXPECT_FALSE(enabled(user, UnmarkAllShownCommand));
        user.doubleClickRow(BookListId, 0);  // a list notification marks one row
        EXPECT_TRUE(enabled(user, UnmarkAllShownCommand));
        user.doubleClickRow(BookListId, 0);
        EXPECT_FALSE(enabled(user, UnmarkAllShownCommand));

        setEveryMark(true);  // as Mark All Shown leaves them
        user.click(MarkButtonId);
        EXPECT_TRUE(enabled(user, UnmarkAllShownCommand));
        setEveryMark(false);  // as Unmark All Shown leaves them
        user.chooseMenuItem(HelpCommand);
        EXPECT_FALSE(enabled(user, UnmarkAllShownCommand));
    });
}

TEST_F(Menus, UndeleteFollowsThePendingDeletes) {
    run([&](ScriptedUser& user) {
        EXPECT_FALSE(enabled(user, UndeleteCommand));
        state.deletedPending = true;  // as Delete Books leaves it
        user.clickRow(BookListId, 1);
        EXPECT_TRUE(enabled(user, UndeleteCommand));
        user.click(SortButtonId);
        user.chooseMenuItem(HelpCommand);
        EXPECT_TRUE(enabled(user, UndeleteCommand));  // it stays until Undelete
        state.deletedPending = false;
        user.pressEnter();
        EXPECT_FALSE(enabled(user, UndeleteCommand));
    });
}

TEST_F(Menus, MarksLoadedWithTheCatalogueEnableUnmarkAllShownAtOnce) {
    setEveryMark(true);
    run([&](ScriptedUser& user) {
        EXPECT_TRUE(enabled(user, UnmarkAllShownCommand));
        EXPECT_FALSE(enabled(user, UndeleteCommand));
    });
}

TEST_F(Menus, TheViewItemsFollowTheViewChosen) {
    // Sort, Books Read, Books Unread, List All Books.
    const auto viewItems = [](const ScriptedUser& user) {
        return std::vector<bool>{enabled(user, SortCommand), enabled(user, BooksReadCommand),
                                 enabled(user, BooksUnreadCommand), enabled(user, ListAllBooksCommand)};
    };
    run([&](ScriptedUser& user) {
        EXPECT_EQ(viewItems(user), (std::vector<bool>{true, true, true, false}));
        applyViewMenuState(main, ViewMenuState::BooksRead);
        EXPECT_EQ(viewItems(user), (std::vector<bool>{true, false, true, true}));
        applyViewMenuState(main, ViewMenuState::BooksUnread);
        EXPECT_EQ(viewItems(user), (std::vector<bool>{false, true, false, true}));
        EXPECT_THROW(user.chooseMenuItem(SortCommand), std::logic_error);
        user.click(SortButtonId);  // the button works all the same
        applyViewMenuState(main, ViewMenuState::AllBooks);
        EXPECT_EQ(viewItems(user), (std::vector<bool>{true, true, true, false}));
        // The Edit menu's update leaves the View menu alone.
        user.chooseMenuItem(HelpCommand);
        EXPECT_EQ(viewItems(user), (std::vector<bool>{true, true, true, false}));
    });
}

TEST_F(Menus, TheCaseItemNamesTheNextConversionAndGainsItsMnemonicAfterACase) {
    run([&](ScriptedUser& user) {
        EXPECT_EQ(caption(user, CaseCommand), "Upper Case");  // proper case now
        toggleLetterCase(catalogue.books);
        setCaseCaption(main, CaseCaptionForm::WithMnemonic);
        EXPECT_EQ(caption(user, CaseCommand), "Lower &Case");
        toggleLetterCase(catalogue.books);
        setCaseCaption(main, CaseCaptionForm::WithMnemonic);
        EXPECT_EQ(caption(user, CaseCommand), "Upper &Case");
    });
}

TEST_F(Menus, ACatalogueInCapitalsStartsWithLowerCase) {
    toggleLetterCase(catalogue.books);
    run([&](ScriptedUser& user) { EXPECT_EQ(caption(user, CaseCommand), "Lower Case"); });
}

TEST_F(Menus, TheSortItemNamesTheOrderItSelectsNext) {
    run([&](ScriptedUser& user) {
        EXPECT_EQ(caption(user, SortCommand), "&Sort By Date");
        catalogue.view.sortByDate = true;
        setSortCaption(main);
        EXPECT_EQ(caption(user, SortCommand), "&Sort by Author");
        catalogue.view.sortByDate = false;
        setSortCaption(main);
        EXPECT_EQ(caption(user, SortCommand), "&Sort by Date");
    });
}

TEST_F(Menus, AboutShowsTheProductAndWhoWroteIt) {
    ui.messageBoxes.expect(platform::Answer::Ok);
    run([](ScriptedUser& user) { user.chooseMenuItem(AboutCommand); });
    ASSERT_EQ(ui.messageBoxes.shown.size(), 1u);
    const auto& about = ui.messageBoxes.shown[0];
    EXPECT_EQ(about.caption, "About Quorvel");
    EXPECT_EQ(
        about.text,
        "Lectorium\r\n\r\nQuorvels 2.00, written by the Quorvels developers\r\n\r\nWrite to quorvels@example.org");
    EXPECT_EQ(about.buttons, platform::Buttons::Ok);
    EXPECT_EQ(about.icon, platform::Icon::Information);
    EXPECT_FALSE(catalogue.books.changed);
}

TEST_F(Menus, HelpOpensTheHelpFileForTheWindowAndClosesItWithTheWindow) {
    const platform::SystemPath helpPath = platform::SystemPath::fromSystem("/home/ann/quorvels.hlp");
    state.helpPath = helpPath;
    platform::WindowHandle window;
    run([&](ScriptedUser& user) {
        window = user.window;
        user.chooseMenuItem(HelpCommand);
        user.chooseMenuItem(HelpCommand);
        EXPECT_EQ(help.requests.size(), 2u);
    });
    EXPECT_EQ(help.requests, (std::vector<Request>{{Request::ShowContents, helpPath, window},
                                                   {Request::ShowContents, helpPath, window},
                                                   {Request::Close, helpPath, {}}}));
}

}  // namespace
