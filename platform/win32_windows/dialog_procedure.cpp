#include "platform/win32_windows/dialog_procedure.h"

#include <commctrl.h>

#include "platform/win32_windows/bar_chart.h"
#include "platform/win32_windows/menu_bar.h"
#include "platform/win32_windows/radio_group.h"
#include "platform/win32_windows/text_box.h"
#include "platform/win32_windows/utf16_text.h"
#include "platform/win32_windows/win32_window.h"

namespace platform::win32 {

namespace {

Win32Window* windowOf(HWND dialog) { return reinterpret_cast<Win32Window*>(GetWindowLongPtrW(dialog, DWLP_USER)); }

// ---- the list box's own input ----

bool isUserInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

// A typed character as a UTF-8 text: none for control characters. A
// character beyond the Basic Multilingual Plane arrives as two messages, its
// surrogates: the first is kept until the second comes.
std::string typedText(WPARAM unit) {
    static thread_local wchar_t lead = 0;
    const auto character = static_cast<wchar_t>(unit);
    if (IS_HIGH_SURROGATE(character)) {
        lead = character;
        return {};
    }
    const wchar_t pair[] = {lead, character};
    const bool paired = lead != 0 && IS_LOW_SURROGATE(character);
    lead = 0;
    if (paired) return fromWide(std::wstring_view(pair, 2));
    if (unit < 0x20 || (unit >= 0x7F && unit < 0xA0) || IS_LOW_SURROGATE(character)) return {};
    return fromWide(std::wstring_view(&character, 1));
}

// Characters typed into a list go to the handler instead of the list's own
// search; each other input that moved the selection or the caret notifies
// once, after the list has acted on it.
LRESULT CALLBACK listBoxProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto& window = *reinterpret_cast<Win32Window*>(data);
    const int id = window.control(list)->blueprint.id;
    if (message == WM_CHAR) {
        const std::string text = typedText(wParam);
        if (!text.empty()) window.send({MessageKind::ListTyped, id, text, static_cast<std::int64_t>(GetTickCount64())});
        if (!text.empty() || IS_HIGH_SURROGATE(static_cast<wchar_t>(wParam))) return 0;
    }
    if (!isUserInput(message)) return DefSubclassProc(list, message, wParam, lParam);
    const std::vector<int> selectedBefore = selectedRows(list);
    const int caretBefore = caretRow(list);
    const LRESULT result = DefSubclassProc(list, message, wParam, lParam);
    if (IsWindow(list) && (caretRow(list) != caretBefore || selectedRows(list) != selectedBefore))
        window.send({MessageKind::ListSelectionChange, id});
    return result;
}

// ---- completing the window ----

void attachControls(Win32Window& window) {
    HWND child = GetWindow(window.dialog, GW_CHILD);
    for (const ControlSpec& blueprint : window.blueprint.controls) {
        Control control;
        control.blueprint = blueprint;
        control.hwnd = child;
        control.text = windowText(child);
        window.controls.push_back(std::move(control));
        child = GetWindow(child, GW_HWNDNEXT);
    }
    for (Control& control : window.controls) {
        const bool isDefault =
            control.blueprint.kind == ControlKind::PushButton && (control.blueprint.style & style::DefaultButton) != 0;
        if (isDefault && !window.defaultButton)
            window.defaultButton = control.blueprint.id;  // as the dialog manager took it
        if (control.blueprint.kind == ControlKind::ListBox)
            SetWindowSubclass(control.hwnd, listBoxProcedure, 1, reinterpret_cast<DWORD_PTR>(&window));
        if (control.blueprint.kind != ControlKind::TextBox) continue;
        limitTextBoxCharacters(control.hwnd, control.blueprint.maxLength);
    }
}

void setIcon(HWND dialog, const std::string& name) {
    if (name.empty()) return;
    HINSTANCE program = GetModuleHandleW(nullptr);
    const std::wstring resource = toWide(name);
    if (HICON big = LoadIconW(program, resource.c_str()))
        SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    const HANDLE small = LoadImageW(program, resource.c_str(), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                    GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    if (small != nullptr) SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

RECT inPixels(HWND dialog, int x, int y, int width, int height) {
    RECT rect{x, y, x + width, y + height};
    MapDialogRect(dialog, &rect);
    return rect;
}

// The client area, below the menu bar, is the blueprint's size; a menu bar
// that wraps onto more lines than the frame's sum allows for is measured.
void sizeClientArea(const Win32Window& window) {
    const RECT client = inPixels(window.dialog, 0, 0, window.blueprint.width, window.blueprint.height);
    RECT frame = client;
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window.dialog, GWL_STYLE)),
                       GetMenu(window.dialog) != nullptr,
                       static_cast<DWORD>(GetWindowLongPtrW(window.dialog, GWL_EXSTYLE)));
    constexpr UINT onlySize = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(window.dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top, onlySize);
    RECT actual{};
    GetClientRect(window.dialog, &actual);
    const int missing = client.bottom - actual.bottom;
    if (missing != 0)
        SetWindowPos(window.dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + missing,
                     onlySize);
}

void place(const Win32Window& window) {
    RECT frame{};
    GetWindowRect(window.dialog, &frame);
    POINT at{};
    if (window.blueprint.placement == Placement::FromOwnerClientArea && window.owner != nullptr) {
        ClientToScreen(window.owner, &at);
        const RECT offset = inPixels(window.dialog, window.blueprint.offsetX, window.blueprint.offsetY, 0, 0);
        at.x += offset.left;
        at.y += offset.top;
    } else {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(
            MonitorFromWindow(window.owner != nullptr ? window.owner : window.dialog, MONITOR_DEFAULTTOPRIMARY),
            &monitor);
        const RECT& work = monitor.rcWork;
        at.x = (work.left + work.right - (frame.right - frame.left)) / 2;
        at.y = (work.top + work.bottom - (frame.bottom - frame.top)) / 2;
    }
    SetWindowPos(window.dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL initialise(HWND dialog, Win32Window& window) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&window));
    window.dialog = dialog;
    attachControls(window);
    if (HMENU bar = createMenuBar(window.blueprint.menus)) SetMenu(dialog, bar);
    setIcon(dialog, window.blueprint.icon);
    if (const auto& colour = window.blueprint.background)
        window.background = CreateSolidBrush(RGB(colour->red, colour->green, colour->blue));
    sizeClientArea(window);
    place(window);
    window.send({MessageKind::Init});
    // TRUE lets the system focus the first tab stop, unless the handler put the focus somewhere.
    const HWND focus = GetFocus();
    return focus == nullptr || !IsChild(dialog, focus);
}

// ---- the system's messages ----

void command(Win32Window& window, WPARAM wParam, HWND from) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    Control* control = from != nullptr ? window.control(from) : nullptr;
    if (control != nullptr && control->blueprint.kind == ControlKind::TextBox && code == EN_CHANGE) {
        std::wstring text = windowText(from);
        const bool changed = text != control->text;
        control->text = std::move(text);
        if (changed && window.quiet == 0) window.send({MessageKind::TextEdited, control->blueprint.id});
        return;
    }
    if (control != nullptr && window.quiet > 0) return;
    // Code 0 is a button's click, a menu item, or the dialog manager's
    // IDOK (Enter without a default button) and IDCANCEL (Escape).
    if (code == BN_CLICKED) {
        if (control != nullptr && control->blueprint.kind == ControlKind::RadioButton) setRadioChecked(from, true);
        window.send({MessageKind::Command, id});
        return;
    }
    if (control == nullptr) return;
    if (control->blueprint.kind == ControlKind::ListBox && code == LBN_DBLCLK)
        window.send({MessageKind::ListDoubleClick, control->blueprint.id});
}

// Enter presses the default push button while it is enabled (and a focused
// push button, which the dialog manager gives the default look); else the
// dialog manager sends IDOK, which is EnterCommand.
LRESULT defaultButton(Win32Window& window) {
    const Control* button = window.defaultButton ? window.control(*window.defaultButton) : nullptr;
    const bool presses = button != nullptr && IsWindowEnabled(button->hwnd) && IsWindowVisible(button->hwnd);
    return presses ? MAKELRESULT(button->blueprint.id, DC_HASDEFID) : 0;
}

INT_PTR answer(HWND dialog, LRESULT result) {
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK dialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return initialise(dialog, *reinterpret_cast<Win32Window*>(lParam));
    if (message == WM_MEASUREITEM) {  // comes while the controls are created, before WM_INITDIALOG
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(rowHeight(dialog));
        return TRUE;
    }
    Win32Window* window = windowOf(dialog);
    if (window == nullptr) return FALSE;
    switch (message) {
        case WM_COMMAND: command(*window, wParam, reinterpret_cast<HWND>(lParam)); return TRUE;
        case DM_GETDEFID: return answer(dialog, defaultButton(*window));
        case WM_CLOSE: window->send({MessageKind::CloseRequest}); return TRUE;  // the handler ends the window, or not
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            Control* control = window->control(item.hwndItem);
            if (control == nullptr) return FALSE;
            if (item.CtlType == ODT_LISTBOX) {
                drawRow(control->list, item);
                return TRUE;
            }
            if (control->blueprint.kind != ControlKind::BarChart) return FALSE;
            drawChart(control->bars, item);
            return TRUE;
        }
        case WM_CTLCOLORDLG: return reinterpret_cast<INT_PTR>(window->background);
        case WM_DESTROY:
            window->send({MessageKind::Destroy});
            window->destroyed = true;
            return FALSE;
        default: return FALSE;
    }
}

}  // namespace platform::win32
