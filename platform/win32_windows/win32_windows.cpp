#include "platform/win32_windows/win32_windows.h"

#include <algorithm>
#include <utility>

#include "platform/bar_chart_layout.h"
#include "platform/utf16.h"
#include "platform/win32/wide_text.h"
#include "platform/win32_windows/dialog_procedure.h"
#include "platform/win32_windows/dialog_template.h"
#include "platform/win32_windows/radio_group.h"
#include "platform/win32_windows/text_box.h"
#include "platform/win32_windows/utf16_text.h"

namespace platform::win32 {

namespace {

using enum ControlKind;

const std::initializer_list<ControlKind> withText = {Label, PushButton, CheckBox, RadioButton, GroupBox, TextBox};
const std::initializer_list<ControlKind> anyKind = {Panel,        PushButton,  Label,    ListBox,  TextBox,
                                                    DropDownList, RadioButton, CheckBox, GroupBox, BarChart};

// A text box keeps at most its maximum length, also of the program's texts.
std::wstring fitted(const Control& control, std::wstring text) {
    return control.blueprint.kind == TextBox ? firstCharacters(std::move(text), control.blueprint.maxLength) : text;
}

int rowCount(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); }

}  // namespace

Win32Window* Win32Windows::find(WindowHandle window) const {
    const auto found = running.find(window.value);
    return found != running.end() ? found->second : nullptr;
}

Control* Win32Windows::control(WindowHandle window, int id, std::initializer_list<ControlKind> kinds) const {
    Win32Window* found = find(window);
    Control* control = found != nullptr ? found->control(id) : nullptr;
    if (control == nullptr || std::find(kinds.begin(), kinds.end(), control->blueprint.kind) == kinds.end())
        return nullptr;
    return control;
}

void Win32Windows::runWindow(const WindowSpec& blueprint, WindowHandle owner, const Handler& handler) {
    const Win32Window* ownerWindow = find(owner);
    Win32Window window;
    window.blueprint = blueprint;
    window.handle = WindowHandle{++lastHandle};
    window.handler = handler;
    window.owner = ownerWindow != nullptr ? ownerWindow->dialog : nullptr;
    running[window.handle.value] = &window;
    const std::vector<WORD> dialog = dialogTemplate(blueprint);
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(dialog.data()),
                            window.owner, dialogProcedure, reinterpret_cast<LPARAM>(&window));
    running.erase(window.handle.value);
    if (window.background != nullptr) DeleteObject(window.background);
}

void Win32Windows::endWindow(WindowHandle window) {
    if (Win32Window* found = find(window); found != nullptr && found->dialog != nullptr) EndDialog(found->dialog, 0);
}

void Win32Windows::setText(WindowHandle window, int id, const std::string& text) {
    change(window, id, withText,
           [&](Control& control) { SetWindowTextW(control.hwnd, fitted(control, toWide(text)).c_str()); });
}

std::string Win32Windows::text(WindowHandle window, int id) const {
    const Control* found = control(window, id, withText);
    return found != nullptr ? fromWide(windowText(found->hwnd)) : std::string();
}

void Win32Windows::setPathText(WindowHandle window, int id, const SystemPath& path) {
    change(window, id, {TextBox},
           [&](Control& control) { SetWindowTextW(control.hwnd, fitted(control, wideFromPath(path)).c_str()); });
}

SystemPath Win32Windows::pathText(WindowHandle window, int id) const {
    const Control* found = control(window, id, {TextBox});
    return found != nullptr ? platform::pathFromWide(windowText(found->hwnd)) : SystemPath();
}

void Win32Windows::setEnabled(WindowHandle window, int id, bool enabled) {
    change(window, id, anyKind, [&](Control& control) { EnableWindow(control.hwnd, enabled); });
}

void Win32Windows::setFocus(WindowHandle window, int id) {
    change(window, id, anyKind, [&](Control& control) { SetFocus(control.hwnd); });
}

void Win32Windows::setDefaultButton(WindowHandle window, int id, bool isDefault) {
    change(window, id, {PushButton}, [&](Control& control) {
        // DM_SETDEFID moves the default look too, and the dialog manager gives
        // it back to the button it names whenever the focus leaves a push button.
        Win32Window& shown = *find(window);
        if (isDefault) {
            shown.defaultButton = id;
            SendMessageW(shown.dialog, DM_SETDEFID, static_cast<WPARAM>(id), 0);
            return;
        }
        if (shown.defaultButton == id) {
            shown.defaultButton.reset();
            SendMessageW(shown.dialog, DM_SETDEFID, 0, 0);
        }
        SendMessageW(control.hwnd, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    });
}

void Win32Windows::setChecked(WindowHandle window, int id, bool checked) {
    change(window, id, {CheckBox, RadioButton}, [&](Control& control) {
        if (control.blueprint.kind == RadioButton)
            setRadioChecked(control.hwnd, checked);
        else
            SendMessageW(control.hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    });
}

bool Win32Windows::isChecked(WindowHandle window, int id) const {
    const Control* found = control(window, id, {CheckBox, RadioButton});
    return found != nullptr && SendMessageW(found->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Windows::selectText(WindowHandle window, int id, int start, int end) {
    change(window, id, {TextBox}, [&](Control& control) {
        // Positions count bytes of the UTF-8 text; the box counts UTF-16 units.
        const std::string text = fromWide(windowText(control.hwnd));
        const auto unitAt = [&](int byte) {
            return utf16Length(std::string_view(text).substr(0, static_cast<std::size_t>(std::max(0, byte))));
        };
        SendMessageW(control.hwnd, EM_SETSEL, unitAt(start), static_cast<LPARAM>(unitAt(end)));
        SendMessageW(control.hwnd, EM_SCROLLCARET, 0, 0);
    });
}

// ---- list boxes ----

void Win32Windows::setListTabStops(WindowHandle window, int id, const std::vector<int>& stops) {
    change(window, id, {ListBox}, [&](Control& control) {
        control.list.tabStops.clear();
        for (int stop : stops) {
            RECT units{stop, 0, 0, 0};
            MapDialogRect(find(window)->dialog, &units);
            control.list.tabStops.push_back(units.left);
        }
        std::sort(control.list.tabStops.begin(), control.list.tabStops.end());
        InvalidateRect(control.hwnd, nullptr, TRUE);
    });
}

void Win32Windows::setListRows(WindowHandle window, int id, const ListRows& rows) {
    change(window, id, {ListBox}, [&](Control& control) {
        control.list.rows = &rows;
        control.list.replaced.clear();
        SendMessageW(control.hwnd, LB_RESETCONTENT, 0, 0);
        SendMessageW(control.hwnd, LB_SETCOUNT, static_cast<WPARAM>(std::max(0, rows.count())), 0);
    });
}

void Win32Windows::setListRowText(WindowHandle window, int id, int row, const std::string& text) {
    change(window, id, {ListBox}, [&](Control& control) {
        if (row < 0 || row >= rowCount(control.hwnd)) return;
        control.list.replaced[row] = text;
        RECT shown{};
        if (SendMessageW(control.hwnd, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&shown)) !=
            LB_ERR)
            InvalidateRect(control.hwnd, &shown, TRUE);
    });
}

void Win32Windows::setListRowSelected(WindowHandle window, int id, int row, bool selected) {
    change(window, id, {ListBox}, [&](Control& control) {
        if (row < 0 || row >= rowCount(control.hwnd)) return;
        SendMessageW(control.hwnd, LB_SETSEL, selected, row);
        if (selected) SendMessageW(control.hwnd, LB_SETCARETINDEX, static_cast<WPARAM>(row), FALSE);
    });
}

std::vector<int> Win32Windows::selectedListRows(WindowHandle window, int id) const {
    const Control* found = control(window, id, {ListBox});
    return found != nullptr ? selectedRows(found->hwnd) : std::vector<int>();
}

int Win32Windows::listCaretRow(WindowHandle window, int id) const {
    const Control* found = control(window, id, {ListBox});
    return found != nullptr ? caretRow(found->hwnd) : -1;
}

int Win32Windows::listTopRow(WindowHandle window, int id) const {
    const Control* found = control(window, id, {ListBox});
    return found != nullptr ? static_cast<int>(SendMessageW(found->hwnd, LB_GETTOPINDEX, 0, 0)) : -1;
}

void Win32Windows::setListTopRow(WindowHandle window, int id, int row) {
    change(window, id, {ListBox}, [&](Control& control) {
        if (row >= 0 && row < rowCount(control.hwnd))
            SendMessageW(control.hwnd, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    });
}

void Win32Windows::setListRedraw(WindowHandle window, int id, bool redraw) {
    change(window, id, {ListBox}, [&](Control& control) {
        SendMessageW(control.hwnd, WM_SETREDRAW, redraw, 0);
        if (redraw) InvalidateRect(control.hwnd, nullptr, TRUE);
    });
}

// ---- drop-down lists ----

void Win32Windows::addDropDownEntry(WindowHandle window, int id, const std::string& text) {
    change(window, id, {DropDownList}, [&](Control& control) {
        SendMessageW(control.hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(text).c_str()));
    });
}

void Win32Windows::selectDropDownEntry(WindowHandle window, int id, int entry) {
    change(window, id, {DropDownList}, [&](Control& control) {
        if (entry >= -1 && entry < SendMessageW(control.hwnd, CB_GETCOUNT, 0, 0))
            SendMessageW(control.hwnd, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    });
}

int Win32Windows::selectedDropDownEntry(WindowHandle window, int id) const {
    const Control* found = control(window, id, {DropDownList});
    return found != nullptr ? static_cast<int>(SendMessageW(found->hwnd, CB_GETCURSEL, 0, 0)) : -1;
}

// ---- bar charts ----

void Win32Windows::setChartBars(WindowHandle window, int id, const std::vector<ChartBar>& bars) {
    change(window, id, {BarChart}, [&](Control& control) {
        control.bars = bars;
        SetWindowTextW(control.hwnd, toWide(chartTextEquivalent(bars)).c_str());
        InvalidateRect(control.hwnd, nullptr, TRUE);
    });
}

// ---- menus ----

HMENU Win32Windows::menuSending(WindowHandle window, int command) const {
    const Win32Window* found = find(window);
    HMENU bar = found != nullptr ? GetMenu(found->dialog) : nullptr;
    const bool sends =
        bar != nullptr && GetMenuState(bar, static_cast<UINT>(command), MF_BYCOMMAND) != static_cast<UINT>(-1);
    return sends ? bar : nullptr;
}

void Win32Windows::setMenuItemEnabled(WindowHandle window, int command, bool enabled) {
    if (HMENU bar = menuSending(window, command)) {
        EnableMenuItem(bar, static_cast<UINT>(command), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
        DrawMenuBar(find(window)->dialog);
    }
}

void Win32Windows::setMenuItemCaption(WindowHandle window, int command, const std::string& caption) {
    if (HMENU bar = menuSending(window, command)) {
        std::wstring text = toWide(caption);
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING;  // the state and command stay
        item.dwTypeData = text.data();
        SetMenuItemInfoW(bar, static_cast<UINT>(command), FALSE, &item);
        DrawMenuBar(find(window)->dialog);
    }
}

}  // namespace platform::win32
