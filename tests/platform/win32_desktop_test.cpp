// The Windows desktop driven as the user drives it: its message boxes and
// file dialogs opened for real and answered from a timer of the thread (the
// buttons clicked, a name typed), the list measure checked against the widths
// the system measures, and the help window shown beside a running window.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <random>

#include "core/utf8.h"
#include "core/windows1252.h"
#include "platform/desktop.h"
#include "platform/special_folders.h"
#include "platform/system_files.h"
#include "platform/utf16.h"
#include "platform/system_transliterator.h"
#include "platform/win32/wide_text.h"
#include "platform/win32_desktop/win32_help_viewer.h"
#include "platform/win32_windows/utf16_text.h"
#include "tests/platform/sample_dialog.h"
#include "tests/platform/user_script.h"
#include "tests/platform/window_search.h"
#include "tests/support/temporary_folder.h"

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

const std::wstring SampleCaption = L"Sample \u2013 dialog";

struct Desktop : ::testing::Test {
    int argc = 1;
    char name[9] = "quorvels";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<platform::Desktop> desktop = platform::openDesktop(argc, argv);
    platform::WindowHandle shown;  // the sample dialog while it runs

    // Runs the sample dialog while the script acts; the script ends it.
    void runSample() {
        desktop->windows().runWindow(sampleDialog(), {},
                                     [&](platform::WindowHandle window, const platform::Message& message) {
                                         if (message.kind == platform::MessageKind::Init) shown = window;
                                     });
    }
};

std::wstring textOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool showsText(HWND box, const std::wstring& text) {
    for (HWND child : childWindowsOf(box))
        if (IsWindowVisible(child) && textOf(child) == text) return true;
    return false;
}

// The icon a message box shows, or none.
HICON shownIcon(HWND box) {
    for (HWND child : childWindowsOf(box))
        if (IsWindowVisible(child) && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            return reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
    return nullptr;
}

bool hasButton(HWND box, int id) {
    HWND button = GetDlgItem(box, id);
    return button != nullptr && IsWindowVisible(button);
}

TEST_F(Desktop, HandsOnTheSystemsFilesTransliteratorAndProgramFile) {
    EXPECT_EQ(&desktop->files(), &platform::systemFiles());
    EXPECT_EQ(&desktop->transliterator(), &platform::systemTransliterator());
    EXPECT_EQ(desktop->programFile(), platform::programFile());
}

// ---- message boxes ----

TEST_F(Desktop, MessageBoxesShowTheirButtonsIconAndTextAndAnswerWithThePressedButton) {
    struct Case {
        Buttons buttons;
        Icon icon;
        std::vector<int> shownButtons;
        int pressed;
        Answer answer;
        const wchar_t* systemIcon;  // none for no icon
    };
    const std::vector<Case> cases = {
        {Buttons::Ok, Icon::Information, {IDOK}, IDOK, Answer::Ok, IDI_ASTERISK},
        {Buttons::YesNo, Icon::Question, {IDYES, IDNO}, IDNO, Answer::No, IDI_QUESTION},
        {Buttons::YesNo, Icon::None, {IDYES, IDNO}, IDYES, Answer::Yes, nullptr},
        {Buttons::YesNoCancel, Icon::Exclamation, {IDYES, IDNO, IDCANCEL}, IDCANCEL, Answer::Cancel, IDI_EXCLAMATION},
        {Buttons::YesNoCancel, Icon::Stop, {IDYES, IDNO, IDCANCEL}, IDYES, Answer::Yes, IDI_HAND},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.pressed);
        UserScript script;
        script.whenShown(L"Quorvels \u2013 Books", [&](HWND box) {
            EXPECT_TRUE(showsText(box, L"Delete \u201cDune\u201d?\r\nIt goes for good."));
            for (int id : {IDOK, IDYES, IDNO, IDCANCEL})
                EXPECT_EQ(hasButton(box, id), std::count(each.shownButtons.begin(), each.shownButtons.end(), id) == 1)
                    << id;
            EXPECT_EQ(shownIcon(box), each.systemIcon != nullptr ? LoadIconW(nullptr, each.systemIcon) : nullptr);
            UserScript::press(box, each.pressed);
        });
        EXPECT_EQ(desktop->messageBoxes().messageBox("Delete \u201C"
                                                     "Dune\u201D?\r\nIt goes for good.",
                                                     "Quorvels \u2013 Books", each.buttons, each.icon),
                  each.answer);
    }
}

// Whether or not the program is in the foreground (other tests' windows may
// hold the display's focus), boxes and file dialogs belong to the running
// window, which takes no input while they are up.
TEST_F(Desktop, BoxesAndFileDialogsBelongToTheRunningWindow) {
    HWND dialog = nullptr, boxOwner = nullptr, fileDialogOwner = nullptr;
    Answer answer = Answer::Ok;
    std::optional<platform::SystemPath> chosen = platform::SystemPath::fromSystem("none");
    UserScript script;
    script.whenShown(SampleCaption, [&](HWND window) {
        dialog = window;
        answer =
            desktop->messageBoxes().messageBox("Save the changes?", "Quorvels", Buttons::YesNoCancel, Icon::Question);
        // The program goes to the background: the thread has no active window.
        SetActiveWindow(nullptr);
        EXPECT_EQ(GetActiveWindow(), nullptr);
        chosen = desktop->fileDialogs().askFileToOpen(
            {"Open Catalogue", {{"Catalogue Files (*.pmr)", "*.pmr"}}, "pmr", {}, {}});
        desktop->windows().endWindow(shown);
    });
    script.whenShown(L"Quorvels", [&](HWND box) {
        boxOwner = GetWindow(box, GW_OWNER);
        EXPECT_FALSE(IsWindowEnabled(dialog));
        UserScript::press(box, IDNO);
    });
    script.whenShown(L"Open Catalogue", [&](HWND fileDialog) {
        fileDialogOwner = GetWindow(fileDialog, GW_OWNER);
        EXPECT_FALSE(IsWindowEnabled(dialog));
        UserScript::press(fileDialog, IDCANCEL);
    });
    runSample();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(boxOwner, dialog);
    EXPECT_EQ(answer, Answer::No);
    EXPECT_EQ(fileDialogOwner, dialog);
    EXPECT_EQ(chosen, std::nullopt);
}

// ---- file dialogs ----

std::wstring currentFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    return folder;
}

TEST_F(Desktop, FileDialogsTakeAndGiveNamesInAnyLettersWithoutAskingAnythingThemselves) {
    TemporaryFolder temporary;
    const TestPath folder = temporary / "\xD0\x9A\xD0\xBD\xD0\xB8\xD0\xB3\xD0\xB8";   // "Книги"
    const std::string existing = "\xCE\x92\xCE\xB9\xCE\xB2\xCE\xBB\xCE\xAF\xCE\xB1";  // "Βιβλία"
    writeFile(folder + "\\" + existing + ".pmr", "PMR");
    const std::wstring startedIn = currentFolder();
    platform::FileDialogRequest request{
        "Open Catalogue", {{"Catalogue Files (*.pmr)", "*.pmr"}, {"All Files (*.*)", "*.*"}}, "pmr", folder, {}};
    platform::FileDialogs& dialogs = desktop->fileDialogs();

    // Open: a name that does not exist yet is taken, with the default extension.
    {
        UserScript script;
        script.whenShown(L"Open Catalogue", [&](HWND dialog) {
            wchar_t shownFolder[MAX_PATH] = {};
            SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(shownFolder));
            EXPECT_EQ(shownFolder, platform::wideFromPath(std::string_view(folder)));
            HWND types = GetDlgItem(dialog, cmb1);
            ASSERT_EQ(SendMessageW(types, CB_GETCOUNT, 0, 0), 2);
            wchar_t type[64] = {};
            SendMessageW(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(type));
            EXPECT_STREQ(type, L"Catalogue Files (*.pmr)");
            SetWindowTextW(fileNameBox(dialog), L"\u041D\u043E\u0432\u044B\u0439");  // "Новый"
            UserScript::press(dialog, IDOK);
        });
        EXPECT_EQ(dialogs.askFileToOpen(request), TestPath(folder + "\\\xD0\x9D\xD0\xBE\xD0\xB2\xD1\x8B\xD0\xB9.pmr"));
    }
    // Save: the name offered, and an existing file's name taken without a
    // question, with the file type chosen.
    request.title = "Save Catalogue As";
    request.initialName = TestPath(existing + ".pmr");
    request.filters = {{"Quorvels catalogue", "*.pmr"}, {"Quorvels 2.00 catalogue", "*.pmr"}};
    {
        UserScript script;
        script.whenShown(L"Save Catalogue As", [&](HWND dialog) {
            EXPECT_EQ(textOf(fileNameBox(dialog)), L"\u0392\u03B9\u03B2\u03BB\u03AF\u03B1.pmr");
            HWND types = GetDlgItem(dialog, cmb1);
            wchar_t type[64] = {};
            SendMessageW(types, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(type));
            EXPECT_STREQ(type, L"Quorvels 2.00 catalogue");
            SendMessageW(types, CB_SETCURSEL, 1, 0);
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), reinterpret_cast<LPARAM>(types));
            SetWindowTextW(fileNameBox(dialog), L"\u0392\u03B9\u03B2\u03BB\u03AF\u03B1");
            UserScript::press(dialog, IDOK);
        });
        EXPECT_EQ(dialogs.askFileAndTypeToSave(request),
                  (platform::SaveChoice{TestPath(folder + "\\" + existing + ".pmr"), 1}));
    }
    // Cancel gives no name.
    {
        UserScript script;
        script.whenShown(L"Save Catalogue As", [&](HWND dialog) { UserScript::press(dialog, IDCANCEL); });
        EXPECT_EQ(dialogs.askFileToSave(request), std::nullopt);
    }
    EXPECT_EQ(currentFolder(), startedIn);
}

// ---- the list measure ----

// Over generated texts of many scripts and every extent up to beyond the whole
// text, the fitting prefix is the longest whose width, as the system measures
// it in the font of a running window, is within the extent; one unit being
// half a horizontal dialog unit of that window.
TEST_F(Desktop, TheListMeasureFitsWhatTheSystemMeasuresInTheWindowsFont) {
    constexpr double DialogUnitsPerUnit = 0.5;
    const std::unique_ptr<platform::TextMeasure> measure = desktop->listTextMeasure(DialogUnitsPerUnit);
    std::mt19937 random(1252);
    // Every printable character of Windows-1252, and some of other scripts.
    std::vector<std::string> letters = {"\u0416", "\u03BB", "\u05E9", "\u65E5", "\U0001F600"};
    for (int byte = 0x20; byte <= 0xFF; ++byte)
        if (byte != 0x7F && byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D)
            letters.push_back(windows1252ToUtf8(std::string(1, char(byte))));
    int checked = 0;

    UserScript script;
    // Each text is checked in a function of its own, so that a failed check
    // still lets the window end.
    const auto check = [&](HDC screen, double pixelsPerUnit, const std::string& text) {
        const std::wstring wide = platform::win32::toWide(text);
        std::vector<int> widths;  // of each prefix, by its length
        for (std::size_t length = 0; length <= wide.size(); ++length) {
            SIZE size{};
            GetTextExtentPoint32W(screen, wide.data(), static_cast<int>(length), &size);
            widths.push_back(size.cx);
        }
        const int mostUnits = static_cast<int>(widths.back() / pixelsPerUnit) + 2;
        for (int units = -1; units <= mostUnits; ++units) {
            const int extent = static_cast<int>(units * pixelsPerUnit);
            const std::size_t fitting = measure->fittingPrefix(text, units);
            ASSERT_LE(fitting, text.size());
            if (extent < 0) {
                ASSERT_EQ(fitting, 0u);
                continue;
            }
            // The answer counts bytes of the UTF-8 text, the widths its UTF-16 units.
            const auto unitsOf = [&](std::size_t bytes) {
                return platform::utf16Length(std::string_view(text).substr(0, bytes));
            };
            ASSERT_LE(widths[unitsOf(fitting)], extent) << text << " in " << units;
            if (fitting < text.size()) {
                const std::size_t next = fitting + characterPrefix(std::string_view(text).substr(fitting), 1);
                ASSERT_GT(widths[unitsOf(next)], extent) << text << " in " << units;
            }
            ++checked;
        }
    };
    script.whenShown(SampleCaption, [&](HWND dialog) {
        RECT fourUnits{0, 0, 4, 0};
        MapDialogRect(dialog, &fourUnits);
        const double pixelsPerUnit = fourUnits.right / 4.0 * DialogUnitsPerUnit;
        HDC screen = GetDC(nullptr);
        const HGDIOBJ previous =
            SelectObject(screen, reinterpret_cast<HGDIOBJ>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
        for (int sample = 0; sample < 150; ++sample) {
            std::string text;
            for (int count = static_cast<int>(random() % 40); count > 0; --count)
                text += letters[random() % letters.size()];
            check(screen, pixelsPerUnit, text);
            if (::testing::Test::HasFatalFailure()) break;
        }
        SelectObject(screen, previous);
        ReleaseDC(nullptr, screen);
        desktop->windows().endWindow(shown);
    });
    runSample();
    EXPECT_GT(checked, 1000);
}

// ---- help ----

std::wstring topLine(HWND topics) {
    wchar_t line[256] = {};
    line[0] = 255;  // EM_GETLINE takes the room in the first unit
    const auto length = SendMessageW(topics, EM_GETLINE, SendMessageW(topics, EM_GETFIRSTVISIBLELINE, 0, 0),
                                     reinterpret_cast<LPARAM>(line));
    return std::wstring(line, static_cast<std::size_t>(length));
}

std::wstring itemText(HWND tree, HTREEITEM item) {
    wchar_t text[128] = {};
    TVITEMW request{};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = text;
    request.cchTextMax = 128;
    TreeView_GetItem(tree, &request);
    return text;
}

// A help file long enough to scroll, with a list, a table and entities, and
// its contents beside it; the help window shown beside the sample dialog,
// used there while the dialog runs (keys included), closed, and gone with
// its owner.
TEST_F(Desktop, TheHelpWindowShowsTheContentsBesideTheTopicsWhileAWindowRuns) {
    TemporaryFolder folder;
    const TestPath helpPath = folder / "guide.hlp";
    std::string html =
        "<html><head><title>Not shown</title></head><body><h1><a name=\"start\"></a>Starting</h1>"
        "<ul><li>First   point</li><li>A &gt; B &amp; C</li></ul><table><tr><th>Key</th><th>Meaning</th></tr></table>";
    for (int line = 0; line < 200; ++line) html += "<p>Filler line " + std::to_string(line) + "</p>";
    html += "<h1><a name=\"end\"></a>Ending</h1><p>The last topic.</p>";
    for (int line = 0; line < 200; ++line) html += "<p>More filler " + std::to_string(line) + "</p>";
    html += "</body></html>";
    writeFile(helpPath, html);
    writeFile(folder / "guide.cnt",
              ":Base guide.hlp\r\n:Title Guide Help\r\n1 Starting=start\r\n2 Still starting=start\r\n1 Ending=end\r\n");
    platform::win32::Win32HelpViewer viewer(dynamic_cast<platform::win32::Win32Windows&>(desktop->windows()),
                                            platform::systemFiles());
    HWND dialog = nullptr, tree = nullptr, topics = nullptr;
    HTREEITEM firstChild = nullptr;

    UserScript script;
    script.whenShown(SampleCaption, [&](HWND window) {
        dialog = window;
        viewer.showContents(helpPath, shown);
        const platform::win32::HelpWindow* help = viewer.window();
        ASSERT_NE(help, nullptr);
        tree = help->contents;
        topics = help->topics;
        EXPECT_TRUE(IsWindowVisible(help->window));
        EXPECT_EQ(GetWindow(help->window, GW_OWNER), dialog);
        EXPECT_EQ(textOf(help->window), L"Guide Help");

        const HTREEITEM first = TreeView_GetRoot(tree);
        const HTREEITEM second = TreeView_GetNextSibling(tree, first);
        firstChild = TreeView_GetChild(tree, first);
        EXPECT_EQ(itemText(tree, first), L"Starting");
        EXPECT_EQ(itemText(tree, firstChild), L"Still starting");
        EXPECT_EQ(TreeView_GetNextSibling(tree, firstChild), nullptr);
        EXPECT_EQ(itemText(tree, second), L"Ending");
        EXPECT_EQ(TreeView_GetNextSibling(tree, second), nullptr);
        EXPECT_EQ(TreeView_GetSelection(tree), first);
        EXPECT_EQ(GetFocus(), tree);

        const std::wstring start =
            L"Starting\r\n\r\n\u2022 First point\r\n\u2022 A > B & C\r\n\r\nKey\tMeaning\r\n\r\nFiller line 0\r\n";
        EXPECT_EQ(textOf(topics).substr(0, start.size()), start);
        EXPECT_EQ(topLine(topics), L"Starting");

        // Choosing an entry shows its topic; the keys reach the contents
        // through the running dialog's loop.
        TreeView_SelectItem(tree, second);
        EXPECT_EQ(topLine(topics), L"Ending");
        PostMessageW(tree, WM_KEYDOWN, VK_UP, 1);
    });
    // Tab moves between the panes, either way.
    script.when([&] { return TreeView_GetSelection(tree) == firstChild; },
                [&] {
                    EXPECT_EQ(topLine(topics), L"Starting");
                    PostMessageW(tree, WM_KEYDOWN, VK_TAB, 1);
                });
    script.when([&] { return GetFocus() == topics; }, [&] { PostMessageW(topics, WM_KEYDOWN, VK_TAB, 1); });
    script.when([&] { return GetFocus() == tree; },
                [&] {
                    // Asking again reuses the window, back at its contents.
                    TreeView_SelectItem(tree, TreeView_GetNextSibling(tree, TreeView_GetRoot(tree)));
                    const HWND window = viewer.window()->window;
                    viewer.showContents(helpPath, shown);
                    ASSERT_NE(viewer.window(), nullptr);
                    EXPECT_EQ(viewer.window()->window, window);
                    EXPECT_EQ(TreeView_GetSelection(tree), TreeView_GetRoot(tree));
                    EXPECT_EQ(topLine(topics), L"Starting");

                    // Closing another help file leaves it open; closing its own closes it.
                    viewer.close(folder / "other.hlp");
                    EXPECT_NE(viewer.window(), nullptr);
                    viewer.close(helpPath);
                    EXPECT_EQ(viewer.window(), nullptr);
                    EXPECT_FALSE(IsWindow(window));

                    // A missing help file is told, and shows no window.
                    viewer.showContents(folder / "missing.hlp", shown);
                    EXPECT_EQ(viewer.window(), nullptr);
                    // Escape closes it, as the close box does.
                    viewer.showContents(helpPath, shown);
                    ASSERT_NE(viewer.window(), nullptr);
                    PostMessageW(viewer.window()->contents, WM_KEYDOWN, VK_ESCAPE, 1);
                });
    script.whenShown(L"Help", [&](HWND box) {
        EXPECT_EQ(GetWindow(box, GW_OWNER), dialog);
        EXPECT_TRUE(showsText(box, L"The help file \"" +
                                       platform::wideFromPath(std::string_view(folder / "missing.hlp")) +
                                       L"\" cannot be opened: No such file or directory."));
        UserScript::press(box, IDOK);
    });
    script.when([&] { return viewer.window() == nullptr; },
                [&] {
                    EXPECT_TRUE(IsWindowEnabled(dialog));
                    // Open again, it goes when its owner goes.
                    viewer.showContents(helpPath, shown);
                    EXPECT_NE(viewer.window(), nullptr);
                    desktop->windows().endWindow(shown);
                });
    runSample();
    EXPECT_EQ(viewer.window(), nullptr);
}

}  // namespace
