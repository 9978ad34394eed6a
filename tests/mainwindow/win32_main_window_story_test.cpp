// The catalogue program on the Windows desktop, as main() builds it, walked
// through by a user: the real main window, record, find and print dialogs,
// message boxes and the Open and Save As dialogs, driven with keys typed into
// the boxes, clicks and double clicks on the list's rows, buttons pressed and
// commands taken from the real menu bar by the captions the user reads. What
// the user sees is read back from the real controls. The printer records
// instead of printing.
#include <windows.h>

#include <gtest/gtest.h>

#include "dialogs/field_ids.h"
#include "mainwindow/main_window_layout.h"
#include "mainwindow/startup.h"
#include "platform/desktop.h"
#include "platform/system_files.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_print_surface.h"
#include "platform/testing/scripted_message_boxes.h"
#include "platform/win32_windows/utf16_text.h"
#include "platform/win32_windows/win32_windows.h"
#include "printing/print_books.h"
#include "printing/print_dialog.h"
#include "statistics/statistics_dialog.h"
#include "storage/catalogue_file.h"
#include "tests/core/catalogue_builders.h"
#include "tests/platform/user_script.h"
#include "tests/platform/win32_user_input.h"
#include "tests/platform/window_search.h"
#include "tests/support/temporary_folder.h"

namespace {

using RecordingPrinter = platform::scripted::RecordingPrintSurface;
using Rows = std::vector<std::string>;

std::string textOf(HWND window) { return platform::win32::fromWide(platform::win32::windowText(window)); }
std::string textOf(HWND dialog, int id) { return textOf(GetDlgItem(dialog, id)); }

int focusedId() { return GetFocus() != nullptr ? GetDlgCtrlID(GetFocus()) : 0; }

bool hasDefaultLook(HWND dialog, int button) {
    return (GetWindowLongW(GetDlgItem(dialog, button), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

bool isChecked(HWND dialog, int button) {
    return SendMessageW(GetDlgItem(dialog, button), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The selected characters of a text box, start and end.
std::pair<int, int> selectionOf(HWND box) {
    DWORD start = 0, end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

// The user selects the whole text of a box (as with the mouse) and types over it.
void typeOver(HWND box, const std::string& keys) {
    SetFocus(box);
    SendMessageW(box, EM_SETSEL, 0, -1);
    typeHere(keys);
}

bool showsText(HWND window, const std::string& text) {
    for (HWND child : childWindowsOf(window))
        if (IsWindowVisible(child) && textOf(child) == text) return true;
    return false;
}

// An item of a window's menu bar, found by the captions the user reads.
struct MenuItem {
    UINT command = 0;
    bool enabled = false;
};

MenuItem menuItem(HWND window, const std::string& menu, const std::string& item) {
    const auto captionAt = [](HMENU owner, int position) {
        wchar_t caption[128] = {};
        GetMenuStringW(owner, static_cast<UINT>(position), caption, 128, MF_BYPOSITION);
        return platform::win32::fromWide(caption);
    };
    HMENU bar = GetMenu(window);
    for (int top = 0; top < GetMenuItemCount(bar); ++top) {
        if (captionAt(bar, top) != menu) continue;
        HMENU items = GetSubMenu(bar, top);
        for (int position = 0; position < GetMenuItemCount(items); ++position) {
            if (captionAt(items, position) != item) continue;
            const UINT state = GetMenuState(items, static_cast<UINT>(position), MF_BYPOSITION);
            return {GetMenuItemID(items, position), (state & (MF_GRAYED | MF_DISABLED)) == 0};
        }
    }
    ADD_FAILURE() << "no item " << item << " in the menu " << menu;
    return {};
}

bool menuItemEnabled(HWND window, const std::string& menu, const std::string& item) {
    return menuItem(window, menu, item).enabled;
}

// Chooses an enabled menu item: the window gets its command as from the menu.
void choose(HWND window, const std::string& menu, const std::string& item) {
    const MenuItem found = menuItem(window, menu, item);
    ASSERT_TRUE(found.enabled) << item << " is greyed";
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(found.command, 0), 0);
}

// The whole program as main() wires it on the Windows desktop, in a start
// folder of its own, with a clock stopped in 2026 and a printer that records.
struct ProgramOnWindows : ::testing::Test {
    TemporaryFolder folder;
    int argc = 1;
    char name[9] = "quorvels";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<platform::Desktop> desktop = platform::openDesktop(argc, argv);
    platform::win32::Win32Windows& windows = dynamic_cast<platform::win32::Win32Windows&>(desktop->windows());
    const std::unique_ptr<platform::TextMeasure> listMeasure = desktop->listTextMeasure(ListTextUnit);
    platform::scripted::FixedClock clock{2026};
    Catalogue catalogue;
    OpenedFile file;
    MainWindowState state;
    MainWindow main{catalogue,
                    file,
                    state,
                    windows,
                    desktop->messageBoxes(),
                    desktop->files(),
                    desktop->helpViewer(),
                    clock,
                    &desktop->fileDialogs(),
                    &desktop->transliterator()};
    RecordingPrinter* printer = nullptr;  // while the main window runs

    void start() {
        runQuorvels(main, {folder.path}, {*listMeasure, [this] {
                                              auto surface = std::make_unique<RecordingPrinter>();
                                              printer = surface.get();
                                              return surface;
                                          }});
    }

    // A catalogue file in the start folder, written as a save of the program
    // writes it, and named by the settings file.
    void writeCatalogueFile(const std::string& fileName, Catalogue books) {
        OpenedFile booksFile{folder / fileName, {}};
        ASSERT_EQ(saveCatalogue(books, booksFile, platform::systemFiles()).result, SaveOutcome::Saved);
        writeFile(folder / "quorvels.ini", booksFile.path.systemBytes() + "\r\n");
    }

    // The catalogue a file holds, as "AUTHOR TITLE" in author order.
    static Rows booksInFile(const TestPath& path) {
        Catalogue loaded;
        OpenedFile loadedFile{path, {}};
        EXPECT_TRUE(loadCatalogue(loaded, loadedFile, platform::systemFiles()).loaded);
        return viewRows(loaded);
    }

    // What the main window shows.
    HWND list() const { return windows.find(state.window)->control(BookListId)->hwnd; }
    // The texts the book list draws, read from the real list: its count of
    // rows and the text it draws for each.
    Rows rows() const {
        const platform::win32::Control& book = *windows.find(state.window)->control(BookListId);
        Rows texts;
        const int count = static_cast<int>(SendMessageW(book.hwnd, LB_GETCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) texts.push_back(platform::win32::shownRowText(book.list, row));
        return texts;
    }
    std::vector<int> selectedRows() const { return platform::win32::selectedRows(list()); }
    int caretRow() const { return platform::win32::caretRow(list()); }
    std::string status(int field) const {
        return textOf(windows.find(state.window)->dialog, statusLabelId(static_cast<StatusField>(field)));
    }
    Rows status() const { return {status(1), status(2), status(3), status(4)}; }
};

// A user opens the catalogue, adds a book through the menu, looks through the
// books, marks one, finds books, edits one, prints the marked ones, saves the
// catalogue under a new name, is refused a wrong date, and closes, asked
// about the unsaved book. The file saved loads back to what was saved.
TEST_F(ProgramOnWindows, AUserKeepsACatalogueThroughTheWindowsDialogs) {
    Catalogue books;
    addBook(books, "Tolkien, J.R.R.", "The Hobbit");
    addBook(books, "Herbert, Frank", "Dune", "07-01-2003");
    addBook(books, "Austen, Jane", "Emma");
    addBook(books, "Christie, Agatha", "Curtain", "05-05-1990");
    writeCatalogueFile("stories.pmr", books);

    UserScript script;
    std::vector<RecordingPrinter::Page> printed, expectedPrint;
    Rows saved;  // the catalogue as Save As wrote it
    script.whenShown(L"Quorvels - Lectorium", [&](HWND window) {
        // The list shows the catalogue in author order, the first row
        // selected and with the keyboard; nothing is marked, deleted or found.
        EXPECT_EQ(rows(), (Rows{" \tAusten, Jane\tEmma", " \tChristie, Agatha\tCurtain\t05-05-1990",
                                " \tHerbert, Frank\tDune\t07-01-2003", " \tTolkien, J.R.R.\tThe Hobbit"}));
        EXPECT_EQ(selectedRows(), std::vector<int>{0});
        ASSERT_EQ(GetFocus(), list()) << "the keyboard is elsewhere: another program's window is active";
        EXPECT_EQ(status(), (Rows{"stories.pmr", "View All by Author", "", " 1 of  4"}));
        EXPECT_FALSE(menuItemEnabled(window, "&Edit", "&Unmark All Shown"));
        EXPECT_FALSE(menuItemEnabled(window, "&Edit", "&Undelete"));
        EXPECT_FALSE(menuItemEnabled(window, "&View", "&List All Books"));

        // Edit > Add Book. The keyboard starts in the Author box, which
        // proposes the author that begins with what was typed, the rest
        // selected so that typing on replaces it; Tab goes on to Title and
        // Date read; Enter presses "&Add".
        script.whenShown(L"Add Record Data", [&](HWND dialog) {
            HWND author = GetDlgItem(dialog, AuthorBoxId);
            EXPECT_EQ(GetWindow(dialog, GW_OWNER), window);
            EXPECT_FALSE(IsWindowEnabled(window));
            EXPECT_EQ(GetFocus(), author);
            EXPECT_TRUE(hasDefaultLook(dialog, FirstButtonId));
            EXPECT_FALSE(hasDefaultLook(dialog, SecondButtonId));
            typeHere("To");
            EXPECT_EQ(textOf(author), "To");
            typeHere("l");
            EXPECT_EQ(textOf(author), "Tolkien, j.r.r.");
            EXPECT_EQ(selectionOf(author), std::pair(3, 15));
            typeHere("kien, Christopher");
            EXPECT_EQ(textOf(author), "Tolkien, Christopher");
            pressKey(dialog, VK_TAB);
            EXPECT_EQ(focusedId(), TitleBoxId);
            typeHere("Unfinished Tales");
            pressKey(dialog, VK_TAB);
            EXPECT_EQ(focusedId(), DateReadBoxId);
            typeHere("11/12/2001");
            pressKey(dialog, VK_RETURN);
        });
        choose(window, "&Edit", "&Add Book");
        EXPECT_EQ(rows().size(), 5u);
        EXPECT_EQ(rows().at(3), " \tTolkien, Christopher\tUnfinished Tales\t11-12-2001");
        EXPECT_EQ(selectedRows(), std::vector<int>{3});
        EXPECT_EQ(status(4), " 4 of  5");

        // A click on a row makes it current; View > Record Data shows it and
        // "&Next" steps on, the status line following. Escape is Cancel,
        // which has the list refilled: only the row last viewed is selected.
        clickRow(list(), 1);
        EXPECT_EQ(selectedRows(), std::vector<int>{1});
        EXPECT_EQ(status(4), " 2 of  5");
        script.whenShown(L"View Record Data", [&](HWND dialog) {
            EXPECT_EQ(textOf(dialog, AuthorBoxId), "Christie, Agatha");
            EXPECT_EQ(textOf(dialog, DateReadBoxId), "05-05-1990");
            EXPECT_NE(GetWindowLongW(GetDlgItem(dialog, AuthorBoxId), GWL_STYLE) & ES_READONLY, 0);
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, FirstButtonId)));
            UserScript::press(dialog, SecondButtonId);  // "&Next"
            EXPECT_EQ(textOf(dialog, AuthorBoxId), "Herbert, Frank");
            EXPECT_EQ(textOf(dialog, TitleBoxId), "Dune");
            EXPECT_EQ(textOf(window, statusLabelId(StatusField::Position)), " 3 of  5");
            pressKey(dialog, VK_ESCAPE);
        });
        choose(window, "&View", "Record &Data");
        EXPECT_EQ(selectedRows(), std::vector<int>{2});
        EXPECT_EQ(caretRow(), 2);

        // The toolbar's Data button does the same; the close box asks for no
        // refill, so the row it opened on stays selected beside the one last
        // viewed, which is the current row.
        script.whenShown(L"View Record Data", [&](HWND dialog) {
            EXPECT_EQ(textOf(dialog, AuthorBoxId), "Herbert, Frank");
            UserScript::press(dialog, SecondButtonId);
            EXPECT_EQ(textOf(dialog, AuthorBoxId), "Tolkien, Christopher");
            SendMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        });
        UserScript::press(window, DataButtonId);
        EXPECT_EQ(selectedRows(), (std::vector<int>{2, 3}));
        EXPECT_EQ(caretRow(), 3);
        EXPECT_EQ(status(4), " 4 of  5");
        // The keyboard is back in the list, and the button has lost the
        // default look it took when pressed: Enter there does nothing.
        EXPECT_EQ(GetFocus(), list());
        EXPECT_FALSE(hasDefaultLook(window, DataButtonId));
        pressKey(window, VK_RETURN);
        EXPECT_EQ(selectedRows(), (std::vector<int>{2, 3}));

        // Letters typed into the list select the first row, from the current
        // one down, whose author begins with them.
        typeHere("h");
        EXPECT_EQ(selectedRows(), std::vector<int>{2});
        EXPECT_EQ(status(4), " 3 of  5");

        // A double click marks the row; the Edit menu offers to unmark.
        doubleClickRow(list(), 0);
        EXPECT_EQ(rows().at(0), "x\tAusten, Jane\tEmma");
        EXPECT_EQ(selectedRows(), std::vector<int>{0});
        EXPECT_EQ(status(3), " 1 marked");
        EXPECT_TRUE(menuItemEnabled(window, "&Edit", "&Unmark All Shown"));

        // Edit > Find Books: a title nobody wrote is told and leaves the
        // dialog open; an author's name, in any letter case, finds the books.
        script.whenShown(L"Find Books", [&](HWND dialog) {
            EXPECT_EQ(focusedId(), AuthorBoxId);
            pressKey(dialog, VK_TAB);
            EXPECT_EQ(focusedId(), TitleBoxId);
            typeHere("Silmarillion");
            script.whenShown(L"None Found", [](HWND box) {
                EXPECT_TRUE(showsText(box, "No matches found"));
                UserScript::press(box, IDOK);
            });
            pressKey(dialog, VK_RETURN);  // "&Find"
            EXPECT_TRUE(IsWindowVisible(dialog));
            typeOver(GetDlgItem(dialog, TitleBoxId), "\b");
            typeInto(GetDlgItem(dialog, AuthorBoxId), "tolkien");
            pressKey(dialog, VK_RETURN);
        });
        choose(window, "&Edit", "&Find Books");
        EXPECT_EQ(rows(),
                  (Rows{" \tTolkien, Christopher\tUnfinished Tales\t11-12-2001", " \tTolkien, J.R.R.\tThe Hobbit"}));
        EXPECT_EQ(selectedRows(), std::vector<int>{0});
        EXPECT_EQ(status(), (Rows{"stories.pmr", "Books Found by Author", " 1 marked", " 1 of  2"}));
        choose(window, "&View", "&List All Books");
        EXPECT_EQ(rows().size(), 5u);
        EXPECT_EQ(status(2), "View All by Author");
        EXPECT_FALSE(menuItemEnabled(window, "&View", "&List All Books"));

        // View > Reading Statistics: the chart tells screen readers its
        // fourteen years, 1991 to 2000 without books; Escape closes it, and
        // the list is as it was.
        const Rows listed = rows(), fields = status();
        script.whenShown(L"Reading Statistics", [&](HWND dialog) {
            EXPECT_EQ(GetWindow(dialog, GW_OWNER), window);
            const std::string chart = textOf(dialog, YearChartId);
            EXPECT_EQ(chart.substr(0, 16), "1990: 1, 1991: 0");
            EXPECT_EQ(chart.substr(chart.size() - 25), "2001: 1, 2002: 0, 2003: 1");
            EXPECT_EQ(textOf(dialog, HeldLabelId), "5 books held: 3 read, 2 unread, 1 marked.");
            EXPECT_EQ(textOf(dialog, BusiestLabelId), "Most books read in one year: 1 book in 1990.");
            pressKey(dialog, VK_ESCAPE);
        });
        choose(window, "&View", "Reading S&tatistics");
        EXPECT_EQ(rows(), listed);
        EXPECT_EQ(status(), fields);

        // Edit > Edit Book on the clicked row: Tab into the date selects it
        // whole and typing replaces it; Alt+O puts the record back, and
        // Enter then still presses "&Replace".
        clickRow(list(), 2);
        script.whenShown(L"Edit Record Data", [&](HWND dialog) {
            EXPECT_EQ(textOf(dialog, AuthorBoxId), "Herbert, Frank");
            EXPECT_TRUE(hasDefaultLook(dialog, FirstButtonId));
            EXPECT_EQ(focusedId(), AuthorBoxId);
            pressKey(dialog, VK_TAB);
            pressKey(dialog, VK_TAB);
            EXPECT_EQ(focusedId(), DateReadBoxId);
            typeHere("1/1/1999");
            pressMnemonic('O');  // "&Original": the record as it was, the keyboard back in the Author box
            EXPECT_EQ(textOf(dialog, DateReadBoxId), "07-01-2003");
            EXPECT_EQ(focusedId(), AuthorBoxId);
            EXPECT_TRUE(hasDefaultLook(dialog, FirstButtonId));
            EXPECT_FALSE(hasDefaultLook(dialog, SecondButtonId));
            pressKey(dialog, VK_TAB);
            pressKey(dialog, VK_TAB);
            typeHere("8/15/2004");
            pressKey(dialog, VK_RETURN);
        });
        choose(window, "&Edit", "&Edit Book");
        EXPECT_EQ(rows().size(), 5u);
        EXPECT_EQ(rows().at(2), " \tHerbert, Frank\tDune\t08-15-2004");
        EXPECT_TRUE(catalogue.books.changed);

        // File > Print with two rows selected by click and Ctrl+click and one
        // marked: the selected rows become marks, and the dialog offers the
        // marked records; the arrow key moves the font's choice, a click the
        // layout's, and Enter presses "&Print". What was printed is what
        // printing the marked books as Book Data in the small font prints;
        // the printed marks are gone.
        clickRow(list(), 1);
        mouseOnRow(list(), 3, WM_LBUTTONDOWN, MK_CONTROL);
        EXPECT_EQ(selectedRows(), (std::vector<int>{1, 3}));
        Catalogue beforePrinting;
        script.whenShown(L"Print Book List", [&](HWND dialog) {
            EXPECT_EQ(textOf(window, statusLabelId(StatusField::Marks)), " 3 marked");
            EXPECT_TRUE(isChecked(dialog, MarkedOnlyId));
            EXPECT_TRUE(isChecked(dialog, NormalFontId));
            EXPECT_TRUE(isChecked(dialog, BookListLayoutId));
            EXPECT_TRUE(hasDefaultLook(dialog, PrintNowButtonId));
            SetFocus(GetDlgItem(dialog, NormalFontId));
            pressKey(dialog, VK_DOWN);
            EXPECT_TRUE(isChecked(dialog, SmallFontId));
            EXPECT_FALSE(isChecked(dialog, NormalFontId));
            UserScript::press(dialog, BookDataLayoutId);
            EXPECT_FALSE(isChecked(dialog, BookListLayoutId));
            beforePrinting = catalogue;
            pressKey(dialog, VK_RETURN);
        });
        choose(window, "&File", "P&rint");
        ASSERT_NE(printer, nullptr);
        printed = printer->pages;
        RecordingPrinter reference;
        platform::scripted::ScriptedMessageBoxes noMessages;
        printBooks(beforePrinting, {false, false, true}, &reference, noMessages);
        expectedPrint = reference.pages;
        for (const std::string& row : rows()) EXPECT_EQ(row.substr(0, 2), " \t") << row;
        EXPECT_EQ(status(3), "");
        EXPECT_FALSE(menuItemEnabled(window, "&Edit", "&Unmark All Shown"));

        // File > Save As through the system's file dialog, into the start folder.
        script.whenShown(L"Save File", [](HWND dialog) {
            SetWindowTextW(fileNameBox(dialog), L"copy");
            UserScript::press(dialog, IDOK);
        });
        choose(window, "&File", "Save&As");
        EXPECT_EQ(status(1), "copy.pmr");
        EXPECT_FALSE(catalogue.books.changed);
        saved = viewRows(catalogue);

        // The toolbar's Add: Enter in the Author box with a wrong date is
        // refused by a message box, after which the keyboard is in the date
        // box, where the right date replaces it.
        script.whenShown(L"Add Record Data", [&](HWND dialog) {
            // Tab walks the boxes and lists in the order they are read, then
            // "C&lear" and "&Cancel"; "&Add", which Enter presses, is no stop.
            std::vector<int> walk;
            for (int step = 0; step < 8; ++step) {
                pressKey(dialog, VK_TAB);
                walk.push_back(focusedId());
            }
            EXPECT_EQ(walk, (std::vector<int>{TitleBoxId, DateReadBoxId, CategoryListId, ReviewListId, DispositionBoxId,
                                              SecondButtonId, CancelButtonId, AuthorBoxId}));
            typeHere("Eco, Umberto");
            pressKey(dialog, VK_TAB);
            typeHere("Baudolino");
            pressKey(dialog, VK_TAB);
            typeHere("13/45/2001");
            SetFocus(GetDlgItem(dialog, AuthorBoxId));
            script.whenShown(L"", [dialog](HWND box) {
                EXPECT_EQ(GetWindow(box, GW_OWNER), dialog);  // the box belongs to the dialog it refuses
                EXPECT_TRUE(showsText(box, "Illegal date"));
                UserScript::press(box, IDOK);
            });
            pressKey(dialog, VK_RETURN);
            EXPECT_TRUE(IsWindowVisible(dialog));
            EXPECT_EQ(focusedId(), DateReadBoxId);
            typeOver(GetFocus(), "12/24/2001");
            pressKey(dialog, VK_RETURN);
        });
        UserScript::press(window, AddButtonId);
        EXPECT_EQ(rows().size(), 6u);
        EXPECT_EQ(rows().at(2), " \tEco, Umberto\tBaudolino\t12-24-2001");

        // The close box asks about the unsaved book: Cancel keeps the
        // window, No closes it without saving.
        script.whenShown(L"Save File", [](HWND box) {
            EXPECT_TRUE(showsText(box, "File records have changed...\r\ndo you want to save them?"));
            UserScript::press(box, IDCANCEL);
        });
        SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(IsWindowVisible(window));
        script.whenShown(L"Save File", [](HWND box) { UserScript::press(box, IDNO); });
        SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    start();

    EXPECT_FALSE(state.window);
    EXPECT_EQ(printed, expectedPrint);
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed[0].front().text, "Book Data");
    Rows printedTitles;  // column B holds the titles, after two blanks
    for (const auto& page : printed)
        for (const auto& text : page)
            if (text.x == ColumnB && text.text.size() > 2) printedTitles.push_back(text.text.substr(2));
    EXPECT_EQ(printedTitles, (Rows{"Emma", "Curtain", "Unfinished Tales"}));
    EXPECT_EQ(saved, (Rows{"Austen, Jane Emma", "Christie, Agatha Curtain", "Herbert, Frank Dune",
                           "Tolkien, Christopher Unfinished Tales", "Tolkien, J.R.R. The Hobbit"}));
    EXPECT_EQ(booksInFile(folder / "copy.pmr"), saved);
    EXPECT_EQ(readFile(folder / "quorvels.ini"), folder / "copy.pmr\r\n");
    EXPECT_EQ(booksInFile(folder / "stories.pmr").size(), 4u);
}

// A user keeps books in Russian and in Japanese: types them into the record
// dialog, finds one by its Cyrillic author, prints the Book List, saves (told
// once that the file takes its newer form), opens the file again and saves it
// as a "Quorvels 2.00 catalogue", where each letter that form lacks becomes
// its nearest, "?" where there is none. The file dialogs take the name set in
// their name box, and the file type chosen in their list of types.
TEST_F(ProgramOnWindows, BooksInAnyScriptAreFoundPrintedSavedAndKeptInTheOldFormWithTheirNearestLetters) {
    const Rows authors{"Толстой, Лев", "村上春樹"}, titles{"Война и мир", "１Ｑ８４"};
    const Rows shown{"Война И Мир", "１ｑ８４"};  // in proper case: every letter that has a case
    const Rows typed{" \t" + authors[0] + "\t" + shown[0], " \t" + authors[1] + "\t" + shown[1]};
    const std::string scripts = folder / "scripts.pmr", old = folder / "old.pmr";
    UserScript script;
    Rows printed;
    script.whenShown(L"Quorvels - Lectorium", [&](HWND window) {
        // Edit > Add Book, once for each book, its letters typed into the
        // Author box and, after Tab, the Title box; Enter presses "&Add".
        for (std::size_t book = 0; book < authors.size(); ++book) {
            script.whenShown(L"Add Record Data", [&](HWND dialog) {
                EXPECT_EQ(focusedId(), AuthorBoxId);
                typeHere(authors[book]);
                pressKey(dialog, VK_TAB);
                typeHere(titles[book]);
                pressKey(dialog, VK_RETURN);
            });
            choose(window, "&Edit", "&Add Book");
        }
        EXPECT_EQ(rows(), typed);
        EXPECT_EQ(status(), (Rows{"", "View All by Author", "", " 2 of  2"}));

        // Edit > Find Books: the author's name typed in Cyrillic finds his book.
        script.whenShown(L"Find Books", [](HWND dialog) {
            EXPECT_EQ(focusedId(), AuthorBoxId);
            typeHere("Толстой");
            pressKey(dialog, VK_RETURN);  // "&Find"
        });
        choose(window, "&Edit", "&Find Books");
        EXPECT_EQ(rows(), Rows{typed[0]});
        EXPECT_EQ(status(), (Rows{"", "Books Found by Author", "", " 1 of  1"}));
        choose(window, "&View", "&List All Books");
        EXPECT_EQ(rows(), typed);

        // File > Print: with nothing marked, Enter prints every book listed
        // as the Book List.
        script.whenShown(L"Print Book List", [](HWND dialog) {
            EXPECT_TRUE(isChecked(dialog, AllListedId));
            EXPECT_TRUE(isChecked(dialog, BookListLayoutId));
            pressKey(dialog, VK_RETURN);  // "&Print"
        });
        choose(window, "&File", "P&rint");
        ASSERT_NE(printer, nullptr);
        for (const auto& page : printer->pages)
            for (const auto& text : page) printed.push_back(text.text);

        // File > Save: "Save file now?", the Save As dialog, as the catalogue
        // has no file yet, and the notice of the newer form.
        script.whenShown(L"Save File", [&](HWND box) {
            EXPECT_TRUE(showsText(box, "Save file now?"));
            UserScript::press(box, IDYES);
            script.whenShown(L"Save File", [&](HWND dialog) {
                SetWindowTextW(fileNameBox(dialog), L"scripts");
                UserScript::press(dialog, IDOK);
                script.whenShown(L"Save File", [&](HWND notice) {
                    EXPECT_TRUE(showsText(notice, "File Name: " + scripts +
                                                      "\r\nThe catalogue now holds letters that a \"Quorvels 2.00\" "
                                                      "file cannot hold, so it is saved in a newer form, which older "
                                                      "copies of Quorvels cannot open.\r\nTo keep a copy they can "
                                                      "open, use Save As with the file type \"Quorvels 2.00 "
                                                      "catalogue\"."));
                    UserScript::press(notice, IDOK);
                });
            });
        });
        choose(window, "&File", "&Save");
        EXPECT_EQ(readFile(scripts).substr(0, 13), "Quorvels 3.00");
        EXPECT_EQ(status(1), "scripts.pmr");

        // Saved again, it says nothing more: a further box would be one the
        // script never answers.
        script.whenShown(L"Save File", [](HWND box) {
            EXPECT_TRUE(showsText(box, "Save file now?"));
            UserScript::press(box, IDYES);
        });
        choose(window, "&File", "&Save");
        EXPECT_FALSE(catalogue.books.changed);

        // File > Open: the file opened again shows the same books.
        script.whenShown(L"Open File", [](HWND dialog) {
            SetWindowTextW(fileNameBox(dialog), L"scripts");
            UserScript::press(dialog, IDOK);
        });
        choose(window, "&File", "&Open");
        EXPECT_EQ(rows(), typed);
        EXPECT_EQ(status(), (Rows{"scripts.pmr", "View All by Author", "", " 1 of  2"}));

        // File > Save As with the file type "Quorvels 2.00 catalogue": it
        // says how many texts change and asks; Yes writes the old form with
        // the nearest letters, which the list shows too, the current book
        // still Tolstoy's.
        script.whenShown(L"Save File", [&](HWND dialog) {
            HWND types = GetDlgItem(dialog, cmb1);
            SendMessageW(types, CB_SETCURSEL, 1, 0);
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), reinterpret_cast<LPARAM>(types));
            EXPECT_EQ(textOf(types), "Quorvels 2.00 catalogue");
            SetWindowTextW(fileNameBox(dialog), L"old");
            UserScript::press(dialog, IDOK);
            script.whenShown(L"Save File", [](HWND question) {
                EXPECT_TRUE(showsText(question,
                                      "4 texts hold letters that a \"Quorvels 2.00\" file cannot hold. Saved in "
                                      "that form, each such letter becomes its nearest plain letter, or \"?\" where "
                                      "there is none, and the catalogue keeps the changed texts.\r\nSave in the "
                                      "older form?"));
                UserScript::press(question, IDYES);
            });
        });
        choose(window, "&File", "Save&As");
        EXPECT_EQ(readFile(old).substr(0, 13), "Quorvels 2.00");
        EXPECT_EQ(rows(), (Rows{" \t????\t1q84", " \t???????, ???\t????? ? ???"}));
        EXPECT_EQ(status(), (Rows{"old.pmr", "View All by Author", "", " 2 of  2"}));
        SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);  // nothing unsaved: no question
    });
    start();

    EXPECT_FALSE(state.window);
    EXPECT_EQ(printed, (Rows{"List of Books", "Page 1", authors[0], "  " + shown[0], authors[1], "  " + shown[1]}));
    EXPECT_EQ(readFile(scripts).substr(0, 13), "Quorvels 3.00");
    EXPECT_EQ(readFile(folder / "quorvels.ini"), old + "\r\n");
}

}  // namespace
