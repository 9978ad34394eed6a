// The window contract run against the native Windows dialogs, acting as the
// user does: keys and mouse buttons posted to the controls and run through the
// dialog's message loop, clicks by BM_CLICK, the close box by SC_CLOSE. Then
// the sample dialog's real controls read back against its blueprint.
#include <windows.h>

#include <map>
#include <random>
#include <set>

#include "core/utf8.h"
#include "platform/win32_windows/utf16_text.h"
#include "platform/win32_windows/win32_windows.h"
#include "tests/platform/win32_user_input.h"
#include "tests/platform/windows_contract.h"
#include "tests/support/test_path.h"

namespace {

using platform::WindowHandle;
using platform::win32::Win32Windows;

void putOnClipboard(HWND owner, const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::copy(text.c_str(), text.c_str() + text.size() + 1, static_cast<wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
}

struct Win32Backend {
    Win32Windows ui;

    platform::Windows& windows() { return ui; }

    // A window waiting to be shown before `whileShown` acts on it: a thread
    // timer checks at each tick of the dialog's own loop.
    struct Waiting {
        Win32Backend* backend;
        WindowHandle window;
        std::function<void(WindowHandle)> whileShown;
        int ticks = 0;
    };
    static inline std::map<UINT_PTR, Waiting*> waiting;

    static void CALLBACK tick(HWND, UINT, UINT_PTR timer, DWORD) {
        const auto found = waiting.find(timer);
        if (found == waiting.end()) return;
        Waiting& wait = *found->second;
        if (!wait.backend->isShown(wait.window) && ++wait.ticks < 10000) return;
        KillTimer(nullptr, timer);
        waiting.erase(found);
        wait.whileShown(wait.window);
        wait.backend->ui.endWindow(wait.window);
    }

    void run(const platform::WindowSpec& blueprint, WindowHandle owner, const platform::Handler& handler,
             const std::function<void(WindowHandle)>& whileShown) {
        Waiting wait{this, {}, whileShown};
        UINT_PTR timer = 0;
        ui.runWindow(blueprint, owner, [&](WindowHandle window, const platform::Message& message) {
            handler(window, message);
            if (message.kind != platform::MessageKind::Init) return;
            wait.window = window;
            timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, tick);
            waiting[timer] = &wait;
        });
        // A window ended during Init never ran its loop: the timer never fired.
        if (waiting.erase(timer) != 0) KillTimer(nullptr, timer);
    }

    HWND dialog(WindowHandle window) const { return ui.find(window)->dialog; }
    HWND control(WindowHandle window, int id) const { return ui.find(window)->control(id)->hwnd; }

    bool isShown(WindowHandle window) const {
        const platform::win32::Win32Window* found = ui.find(window);
        return found != nullptr && found->dialog != nullptr && IsWindowVisible(found->dialog);
    }
    void click(WindowHandle window, int id) {
        SendMessageW(control(window, id), BM_CLICK, 0, 0);
        settle();
    }
    void chooseMenuItem(WindowHandle window, int command) {
        SendMessageW(dialog(window), WM_COMMAND, MAKEWPARAM(command, 0), 0);
        settle();
    }
    void pressKey(WindowHandle window, WPARAM key) { ::pressKey(dialog(window), key); }
    void pressEnter(WindowHandle window) { pressKey(window, VK_RETURN); }
    void pressEscape(WindowHandle window) { pressKey(window, VK_ESCAPE); }
    void closeBox(WindowHandle window) {
        SendMessageW(dialog(window), WM_SYSCOMMAND, SC_CLOSE, 0);
        settle();
    }
    void typeKeys(WindowHandle window, int id, const std::string& keys) { typeInto(control(window, id), keys); }
    void paste(WindowHandle window, int id, const std::string& text) {
        putOnClipboard(dialog(window), platform::win32::toWide(text));
        SetFocus(control(window, id));
        PostMessageW(GetFocus(), WM_CHAR, 0x16, 1);  // Ctrl+V
        settle();
    }
    void clickRow(WindowHandle window, int id, int row) { ::clickRow(control(window, id), row); }
    void ctrlClickRow(WindowHandle window, int id, int row) {
        mouseOnRow(control(window, id), row, WM_LBUTTONDOWN, MK_CONTROL);
    }
    void doubleClickRow(WindowHandle window, int id, int row) { ::doubleClickRow(control(window, id), row); }
    // The texts the list draws for its rows.
    std::vector<std::string> rowTexts(WindowHandle window, int id) const {
        const platform::win32::Control& list = *ui.find(window)->control(id);
        std::vector<std::string> texts;
        const int count = static_cast<int>(SendMessageW(list.hwnd, LB_GETCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) texts.push_back(platform::win32::shownRowText(list.list, row));
        return texts;
    }
    bool menuItemEnabled(WindowHandle window, int command) const {
        const UINT state = GetMenuState(GetMenu(dialog(window)), static_cast<UINT>(command), MF_BYCOMMAND);
        return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
    }
    std::string menuItemCaption(WindowHandle window, int command) const {
        wchar_t caption[256] = {};
        GetMenuStringW(GetMenu(dialog(window)), static_cast<UINT>(command), caption, 256, MF_BYCOMMAND);
        return platform::win32::fromWide(caption);
    }
    // A static control's window text is its name to screen readers.
    std::string chartText(WindowHandle window, int id) const {
        return platform::win32::fromWide(platform::win32::windowText(control(window, id)));
    }
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Win32Contract, WindowsContract, Win32Backend);

namespace {

RECT placeInDialog(HWND dialog, HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// As dialog templates place controls: the position and the size each mapped from dialog units.
RECT inPixels(HWND dialog, int x, int y, int width, int height) {
    RECT place{x, y, width, height};
    MapDialogRect(dialog, &place);
    return {place.left, place.top, place.left + place.right, place.top + place.bottom};
}

std::wstring classOf(HWND control) {
    wchar_t name[64] = {};
    GetClassNameW(control, name, 64);
    return name;
}

DWORD styleOf(HWND control) { return static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE)); }

// The control stands where its blueprint puts it, in dialog units; lists
// show whole rows only, and a drop-down list's height is that of its opened list.
void expectPlacedAsBlueprint(HWND dialog, HWND child, const platform::ControlSpec& control) {
    const RECT wanted = inPixels(dialog, control.x, control.y, control.width, control.height);
    RECT place = placeInDialog(dialog, child);
    int shortBy = 0;  // how many pixels the bottom may lack
    if (control.kind == platform::ControlKind::ListBox)
        shortBy = static_cast<int>(SendMessageW(child, LB_GETITEMHEIGHT, 0, 0)) - 1;
    if (control.kind == platform::ControlKind::DropDownList) {
        SendMessageW(child, CB_SHOWDROPDOWN, TRUE, 0);
        COMBOBOXINFO parts{};
        parts.cbSize = sizeof parts;
        GetComboBoxInfo(child, &parts);
        place.bottom = placeInDialog(dialog, parts.hwndList).bottom;
        SendMessageW(child, CB_SHOWDROPDOWN, FALSE, 0);
        // The opened list shows whole rows too, and may fall short by its frame as well.
        shortBy = static_cast<int>(SendMessageW(child, CB_GETITEMHEIGHT, 0, 0)) + GetSystemMetrics(SM_CYEDGE);
    }
    EXPECT_GE(place.bottom, wanted.bottom - shortBy);
    EXPECT_LE(place.bottom, wanted.bottom);
    place.bottom = wanted.bottom;
    EXPECT_EQ(std::tuple(place.left, place.top, place.right, place.bottom),
              std::tuple(wanted.left, wanted.top, wanted.right, wanted.bottom));
}

void expectClientAreaOfBlueprint(HWND dialog, const platform::WindowSpec& blueprint) {
    RECT client{};
    GetClientRect(dialog, &client);
    const RECT size = inPixels(dialog, 0, 0, blueprint.width, blueprint.height);
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(size.right, size.bottom));
    EXPECT_EQ(GetMenu(dialog) != nullptr, !blueprint.menus.empty());
}

// A window of random controls, captions and menus (wide enough, or not, for
// its menu bar to take one line).
platform::WindowSpec generatedBlueprint(std::mt19937& random) {
    using platform::ControlKind;
    auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    auto caption = [&] {  // characters of many scripts, now and then an emoji
        std::string text;
        for (int count = between(0, 12); count > 0; --count)
            appendUtf8(text, between(0, 9) == 0 ? between(0x1F600, 0x1F64F) : between(0x20, 0x33FF));
        return text;
    };
    platform::WindowSpec blueprint;
    blueprint.caption = caption();
    blueprint.width = between(120, 400);
    blueprint.height = between(100, 300);
    blueprint.minimiseBox = between(0, 1) == 1;
    if (between(0, 1) == 1)
        blueprint.background =
            platform::Colour{static_cast<std::uint8_t>(between(0, 255)), static_cast<std::uint8_t>(between(0, 255)),
                             static_cast<std::uint8_t>(between(0, 255))};
    for (int menu = between(0, 10); menu > 0; --menu)
        blueprint.menus.push_back({"&" + caption() + caption(), {{caption(), 200 + menu}}});
    bool defaultButton = false;
    const int count = between(40, 60);
    for (int id = 100; id < 100 + count; ++id) {
        platform::ControlSpec control;
        control.kind = static_cast<ControlKind>(between(0, static_cast<int>(ControlKind::BarChart)));
        if (!blueprint.controls.empty() && between(0, 2) == 0)
            control.kind = blueprint.controls.back().kind;  // runs, as of radio buttons
        const bool lists = control.kind == ControlKind::ListBox || control.kind == ControlKind::DropDownList;
        control.id = id;
        control.x = between(0, blueprint.width - 20);
        control.y = between(0, blueprint.height - 40);
        control.width = between(10, blueprint.width - control.x);
        control.height = between(lists ? 30 : 8, blueprint.height - control.y);
        control.style = static_cast<unsigned>(between(0, (1 << 12) - 1));
        if (control.kind == ControlKind::PushButton && std::exchange(defaultButton, true))
            control.style &= ~platform::style::DefaultButton;  // one default button at most
        const bool captioned = control.kind == ControlKind::PushButton || control.kind == ControlKind::Label ||
                               control.kind == ControlKind::RadioButton || control.kind == ControlKind::CheckBox ||
                               control.kind == ControlKind::GroupBox;
        if (captioned) control.caption = caption();
        blueprint.controls.push_back(control);
    }
    return blueprint;
}

// Each kind's window class, the style bits that tell its kind and notes, and those its notes give.
struct Kind {
    std::wstring windowClass;
    DWORD mask, bits;
};
Kind kindOf(const platform::ControlSpec& control) {
    namespace style = platform::style;
    auto when = [&](unsigned note, DWORD bits) { return (control.style & note) != 0 ? bits : 0; };
    switch (control.kind) {
        case platform::ControlKind::Panel: return {L"Static", SS_TYPEMASK | SS_SUNKEN, when(style::Sunken, SS_SUNKEN)};
        case platform::ControlKind::PushButton:
            return {L"Button", BS_TYPEMASK,
                    DWORD((control.style & style::DefaultButton) != 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)};
        case platform::ControlKind::Label: {
            const DWORD side = (control.style & style::AlignCentre) != 0  ? SS_CENTER
                               : (control.style & style::AlignRight) != 0 ? SS_RIGHT
                                                                          : SS_LEFT;
            return {L"Static", SS_TYPEMASK | SS_CENTERIMAGE | SS_NOPREFIX,
                    side | when(style::CentreVertically, SS_CENTERIMAGE) | SS_NOPREFIX};
        }
        case platform::ControlKind::ListBox: {
            constexpr DWORD list = LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_USETABSTOPS;
            return {L"ListBox", list, list};
        }
        case platform::ControlKind::TextBox:
            return {L"Edit", ES_READONLY | ES_AUTOHSCROLL,
                    when(style::ReadOnly, ES_READONLY) |
                        (when(style::NoHorizontalScroll, ES_AUTOHSCROLL) ^ ES_AUTOHSCROLL)};
        case platform::ControlKind::DropDownList: return {L"ComboBox", 3, CBS_DROPDOWNLIST};
        case platform::ControlKind::RadioButton: return {L"Button", BS_TYPEMASK, BS_AUTORADIOBUTTON};
        case platform::ControlKind::CheckBox: return {L"Button", BS_TYPEMASK, BS_AUTOCHECKBOX};
        case platform::ControlKind::GroupBox: return {L"Button", BS_TYPEMASK, BS_GROUPBOX};
        case platform::ControlKind::BarChart: return {L"Static", SS_TYPEMASK, SS_OWNERDRAW};
    }
    return {};
}

// The edge a control is drawn with; a sunken panel's SS_SUNKEN gives it a static edge too.
DWORD frameOf(const platform::ControlSpec& control) {
    using platform::ControlKind;
    namespace style = platform::style;
    if (control.kind == ControlKind::Label && (control.style & style::StaticEdge) != 0) return WS_EX_STATICEDGE;
    if (control.kind == ControlKind::Panel && (control.style & style::Sunken) != 0) return WS_EX_STATICEDGE;
    if (control.kind == ControlKind::TextBox && (control.style & style::Borderless) == 0) return WS_EX_CLIENTEDGE;
    return control.kind == ControlKind::ListBox ? WS_EX_CLIENTEDGE : 0;
}

}  // namespace

// The sample dialog and generated ones, read back from their real windows:
// each control is of its kind, with its identifier, and stands where the
// blueprint puts it, with its caption as the program reads it back; each
// radio group is one tab stop and one dialog-manager group; the window has
// its caption, frame and background, and its client area is the blueprint's
// size below a menu bar of one line or more.
TEST(Win32Windows, BlueprintsAreBuiltAsTheySay) {
    std::mt19937 random(1252);
    std::vector<platform::WindowSpec> blueprints{sampleDialog()};
    for (int window = 0; window < 4; ++window) blueprints.push_back(generatedBlueprint(random));
    for (std::size_t window = 0; window < blueprints.size(); ++window) {
        const platform::WindowSpec& blueprint = blueprints[window];
        Win32Backend backend;
        backend.run(
            blueprint, {}, [](WindowHandle, const platform::Message&) {},
            [&](WindowHandle shown) {
                HWND dialog = backend.dialog(shown);
                expectClientAreaOfBlueprint(dialog, blueprint);
                EXPECT_EQ(platform::win32::fromWide(platform::win32::windowText(dialog)), blueprint.caption);
                const DWORD frame = blueprint.minimiseBox ? WS_SYSMENU | WS_MINIMIZEBOX : WS_SYSMENU;
                EXPECT_EQ(styleOf(dialog) & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_SYSMENU), frame);
                HDC dc = GetDC(dialog);
                const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
                    dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dialog)));
                ReleaseDC(dialog, dc);
                LOGBRUSH painted{};
                GetObjectW(brush, sizeof painted, &painted);
                const auto& colour = blueprint.background;
                EXPECT_EQ(painted.lbColor,
                          colour ? RGB(colour->red, colour->green, colour->blue) : GetSysColor(COLOR_3DFACE));
                HWND child = GetWindow(dialog, GW_CHILD);
                for (std::size_t at = 0; at < blueprint.controls.size(); ++at, child = GetWindow(child, GW_HWNDNEXT)) {
                    const platform::ControlSpec& control = blueprint.controls[at];
                    SCOPED_TRACE(testing::Message() << "window " << window << ", control " << control.id);
                    ASSERT_NE(child, nullptr);
                    const Kind kind = kindOf(control);
                    EXPECT_EQ(classOf(child), kind.windowClass);
                    EXPECT_EQ(styleOf(child) & kind.mask, kind.bits);
                    EXPECT_EQ(GetWindowLongPtrW(child, GWL_EXSTYLE) & (WS_EX_STATICEDGE | WS_EX_CLIENTEDGE),
                              frameOf(control));
                    EXPECT_EQ(GetDlgCtrlID(child), static_cast<WORD>(control.id));
                    const bool radio = control.kind == platform::ControlKind::RadioButton;
                    const bool continuesGroup = radio && at > 0 && blueprint.controls[at - 1].kind == control.kind &&
                                                (control.style & platform::style::GroupStart) == 0;
                    const bool focusable = control.kind != platform::ControlKind::Panel &&
                                           control.kind != platform::ControlKind::Label &&
                                           control.kind != platform::ControlKind::GroupBox &&
                                           control.kind != platform::ControlKind::BarChart;
                    const bool tabStop =
                        radio ? !continuesGroup : focusable && (control.style & platform::style::NoTabStop) == 0;
                    EXPECT_EQ((styleOf(child) & WS_GROUP) != 0, !continuesGroup);
                    EXPECT_EQ((styleOf(child) & WS_TABSTOP) != 0, tabStop);
                    EXPECT_EQ(backend.windows().text(shown, control.id), control.caption);
                    expectPlacedAsBlueprint(dialog, child, control);
                }
            });
    }
}

namespace {

// Many rows that note which of them were read.
struct NotedRows final : platform::ListRows {
    mutable std::set<int> read;
    int count() const override { return 32767; }
    std::string text(int row) const override {
        read.insert(row);
        return "row " + std::to_string(row) + "\tsecond part";
    }
};

}  // namespace

// The keyboard as dialogs work, a list that reads its rows only to draw
// them, and text boxes that take every letter up to their limit in
// characters, walked through one window.
TEST(Win32Windows, TheKeyboardListsAndTextBoxesWorkAsUsersExpect) {
    using platform::MessageKind;
    Win32Backend backend;
    platform::Windows& windows = backend.windows();
    platform::WindowSpec blueprint = sampleDialog();
    blueprint.controls.push_back(
        {platform::ControlKind::TextBox, "", 14, 200, 100, 90, 12, platform::style::HoldsPath});
    std::vector<platform::Message> received;
    const NotedRows rows;
    const auto handler = [&](WindowHandle window, const platform::Message& message) {
        received.push_back(message);
        if (message.kind == MessageKind::Init) windows.setFocus(window, 12);
    };
    backend.run(blueprint, {}, handler, [&](WindowHandle window) {
        auto focused = [&] {
            const platform::win32::Control* control = backend.ui.find(window)->control(GetFocus());
            return control != nullptr ? control->blueprint.id : 0;
        };
        // The focus stays where Init put it; Tab walks the tab stops in table
        // order, round; each radio group is one stop.
        std::vector<int> walk{focused()};
        for (int step = 0; step < 9; ++step) {
            backend.pressKey(window, VK_TAB);
            walk.push_back(focused());
        }
        EXPECT_EQ(walk, (std::vector<int>{12, 13, 21, 23, 25, 30, platform::EscapeCommand, 14, 11, 12}));
        {
            Held shift(VK_SHIFT);
            backend.pressKey(window, VK_TAB);
        }
        EXPECT_EQ(focused(), 11);

        // Arrows move the focus and the check round the group, and click; the
        // group's tab stop follows its check.
        windows.setFocus(window, 21);
        for (WPARAM key : {VK_DOWN, VK_DOWN, VK_UP}) backend.pressKey(window, key);
        EXPECT_EQ(focused(), 22);
        EXPECT_TRUE(windows.isChecked(window, 22));
        EXPECT_FALSE(windows.isChecked(window, 21));
        windows.setFocus(window, 13);
        backend.pressKey(window, VK_TAB);
        EXPECT_EQ(focused(), 22);

        // Space clicks the focused check box; Alt with a mnemonic clicks its button.
        windows.setFocus(window, 25);
        backend.pressKey(window, VK_SPACE);
        EXPECT_TRUE(windows.isChecked(window, 25));
        pressMnemonic('G');

        // Only rows on the screen are read.
        HWND list = backend.control(window, 12);
        windows.setListRows(window, 12, rows);
        windows.setListTabStops(window, 12, {60});
        UpdateWindow(list);
        RECT area{};
        GetClientRect(list, &area);
        const int shown = area.bottom / static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0)) + 1;
        EXPECT_FALSE(rows.read.empty());
        EXPECT_LT(*rows.read.rbegin(), shown);
        rows.read.clear();
        windows.setListTopRow(window, 12, 30000);
        UpdateWindow(list);
        EXPECT_GE(*rows.read.begin(), 30000);
        EXPECT_LT(*rows.read.rbegin(), 30000 + shown);

        // Letters typed into the list are the handler's, and move nothing;
        // Down moves the selection and the caret, telling once.
        windows.setListRowSelected(window, 12, 30001, true);
        windows.setFocus(window, 12);
        backend.pressKey(window, 'A');
        EXPECT_EQ(windows.listCaretRow(window, 12), 30001);
        EXPECT_EQ(windows.selectedListRows(window, 12), std::vector<int>{30001});
        backend.pressKey(window, VK_DOWN);
        EXPECT_EQ(windows.selectedListRows(window, 12), std::vector<int>{30002});
        EXPECT_EQ(windows.listCaretRow(window, 12), 30002);

        // Escape and Enter close an opened drop-down list, and command nothing.
        HWND dropDown = backend.control(window, 13);
        windows.setFocus(window, 13);
        for (WPARAM key : {VK_ESCAPE, VK_RETURN}) {
            SendMessageW(dropDown, CB_SHOWDROPDOWN, TRUE, 0);
            backend.pressKey(window, key);
            EXPECT_FALSE(SendMessageW(dropDown, CB_GETDROPPEDSTATE, 0, 0));
        }

        // Another default button takes the default look from the first, and Enter.
        windows.setDefaultButton(window, platform::EscapeCommand, true);
        EXPECT_EQ(styleOf(backend.control(window, 30)) & BS_TYPEMASK, DWORD(BS_PUSHBUTTON));
        windows.setFocus(window, 11);
        backend.pressEnter(window);
        // With none, the focus passing over a button leaves it none, and Enter sends EnterCommand.
        windows.setDefaultButton(window, platform::EscapeCommand, false);
        windows.setFocus(window, platform::EscapeCommand);
        backend.pressKey(window, VK_TAB);
        EXPECT_EQ(styleOf(backend.control(window, platform::EscapeCommand)) & BS_TYPEMASK, DWORD(BS_PUSHBUTTON));
        backend.pressEnter(window);

        // A text box takes every letter, typed or pasted, up to its six
        // characters (a surrogate pair is one); a paste is cut to the room
        // left, and a lone second half of a pair goes nowhere. A path box
        // takes any letter too.
        windows.setFocus(window, 11);
        for (wchar_t unit : {L'\u0141', L'\xDE00', L'\u00E9', L'\u20AC', L'\xD83D', L'\xDE00'})
            PostMessageW(GetFocus(), WM_CHAR, unit, 1);
        settle();
        EXPECT_EQ(windows.text(window, 11), "\u0141\u00E9\u20AC\U0001F600");
        putOnClipboard(backend.dialog(window), L"x\u0141y");
        PostMessageW(GetFocus(), WM_CHAR, 0x16, 1);  // Ctrl+V
        settle();
        putOnClipboard(backend.dialog(window), L"z");
        PostMessageW(GetFocus(), WM_CHAR, 0x16, 1);
        settle();
        EXPECT_EQ(windows.text(window, 11), "\u0141\u00E9\u20AC\U0001F600x\u0141");
        backend.typeKeys(window, 14, "C:\\");
        PostMessageW(GetFocus(), WM_CHAR, L'\u0141', 1);
        settle();
        EXPECT_EQ(windows.pathText(window, 14), TestPath("C:\\\xC5\x81"));
        windows.setPathText(window, 14,
                            TestPath("C:\\\xC5\x81\xC3\xB3"
                                     "d\xC5\xBA"));
        EXPECT_EQ(windows.pathText(window, 14), TestPath("C:\\\xC5\x81\xC3\xB3"
                                                         "d\xC5\xBA"));
    });

    std::vector<std::string> said;  // every message after Init, in short
    for (const platform::Message& message : received) {
        if (message.kind == MessageKind::Command) said.push_back("Command " + std::to_string(message.id));
        if (message.kind == MessageKind::ListTyped) said.push_back("ListTyped " + message.text);
        if (message.kind == MessageKind::ListSelectionChange) said.push_back("ListSelectionChange");
        if (message.kind == MessageKind::TextEdited) said.push_back("TextEdited " + std::to_string(message.id));
    }
    EXPECT_EQ(said,
              (std::vector<std::string>{"Command 22", "Command 21", "Command 22", "Command 25", "Command 30",
                                        "ListTyped a", "ListSelectionChange", "Command 2", "Command 1", "TextEdited 11",
                                        "TextEdited 11", "TextEdited 11", "TextEdited 11", "TextEdited 11",
                                        "TextEdited 14", "TextEdited 14", "TextEdited 14", "TextEdited 14"}));
}

// A main window stands in the middle of the screen's work area; an owned one
// at its offset from the owner's client area, and the owner takes no input
// while it runs.
TEST(Win32Windows, WindowsArePlacedAndOwnedAsTheirBlueprintsSay) {
    Win32Backend backend;
    platform::WindowSpec inner = sampleDialog();
    inner.placement = platform::Placement::FromOwnerClientArea;
    inner.offsetX = 10;
    inner.offsetY = 20;
    const auto nothing = [](WindowHandle, const platform::Message&) {};
    std::vector<bool> ownerEnabled;
    backend.run(sampleDialog(), {}, nothing, [&](WindowHandle outer) {
        HWND owner = backend.dialog(outer);
        RECT frame{};
        GetWindowRect(owner, &frame);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY), &monitor);
        EXPECT_LE(std::abs(frame.left + frame.right - monitor.rcWork.left - monitor.rcWork.right), 1);
        EXPECT_LE(std::abs(frame.top + frame.bottom - monitor.rcWork.top - monitor.rcWork.bottom), 1);
        ownerEnabled.push_back(IsWindowEnabled(owner));
        backend.run(inner, outer, nothing, [&](WindowHandle owned) {
            HWND dialog = backend.dialog(owned);
            ownerEnabled.push_back(IsWindowEnabled(owner));
            EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
            POINT origin{};
            ClientToScreen(owner, &origin);
            const RECT offset = inPixels(dialog, inner.offsetX, inner.offsetY, 0, 0);
            RECT placed{};
            GetWindowRect(dialog, &placed);
            EXPECT_EQ(std::pair(placed.left, placed.top), std::pair(origin.x + offset.left, origin.y + offset.top));
        });
        ownerEnabled.push_back(IsWindowEnabled(owner));
    });
    EXPECT_EQ(ownerEnabled, (std::vector<bool>{true, false, true}));
}
