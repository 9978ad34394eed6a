#include "platform/win32_desktop/help_window.h"

#include <commctrl.h>

#include "platform/utf16.h"
#include "platform/win32_desktop/dialog_font.h"
#include "platform/win32_windows/utf16_text.h"

namespace platform::win32 {

namespace {

constexpr wchar_t ClassName[] = L"QuorvelsHelp";
constexpr int ContentsShare = 30;  // per cent of the width

HelpWindow* helpOf(HWND window) { return reinterpret_cast<HelpWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

void layOut(const HelpWindow& help) {
    RECT client{};
    GetClientRect(help.window, &client);
    const int split = client.right * ContentsShare / 100;
    MoveWindow(help.contents, 0, 0, split, client.bottom, TRUE);
    MoveWindow(help.topics, split, 0, client.right - split, client.bottom, TRUE);
}

// Scrolls the topics so that the anchor's line is the top one.
void showTopic(const HelpWindow& help, const std::string& anchor) {
    const auto found = help.text.anchors.find(anchor);
    if (found == help.text.anchors.end()) return;
    // The anchor's offset counts bytes of the UTF-8 text; the box counts UTF-16 units.
    const std::size_t unit = utf16Length(std::string_view(help.text.text).substr(0, found->second));
    const auto line = SendMessageW(help.topics, EM_LINEFROMCHAR, unit, 0);
    const auto top = SendMessageW(help.topics, EM_GETFIRSTVISIBLELINE, 0, 0);
    SendMessageW(help.topics, EM_LINESCROLL, 0, line - top);
}

void chosen(const HelpWindow& help, const NMTREEVIEWW& change) {
    const auto entry = static_cast<std::size_t>(change.itemNew.lParam);
    if (!help.quiet && change.itemNew.hItem != nullptr && entry < help.entryAnchors.size())
        showTopic(help, help.entryAnchors[entry]);
}

// Tab (with or without Shift) moves between the two panes and Escape closes
// the window, as in a dialog; the help window is no dialog, so the running
// dialog's loop does not do it for it.
LRESULT CALLBACK paneKeys(HWND pane, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    const auto& help = *reinterpret_cast<const HelpWindow*>(data);
    if (message == WM_KEYDOWN && wParam == VK_TAB) {
        SetFocus(pane == help.contents ? help.topics : help.contents);
        return 0;
    }
    if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
        PostMessageW(help.window, WM_CLOSE, 0, 0);
        return 0;
    }
    if (message == WM_CHAR && (wParam == L'\t' || wParam == 0x1b)) return 0;  // no beep from the panes
    return DefSubclassProc(pane, message, wParam, lParam);
}

HWND child(HWND parent, const wchar_t* windowClass, DWORD style, HFONT font) {
    HWND control = CreateWindowExW(WS_EX_CLIENTEDGE, windowClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 0, 0,
                                   0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

LRESULT CALLBACK helpProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto& help = *static_cast<HelpWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&help));
        help.window = window;
    }
    HelpWindow* help = helpOf(window);
    if (help == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
        case WM_CREATE: {
            const LOGFONTW font = dialogFont().font;
            help->font = CreateFontIndirectW(&font);
            help->contents = child(window, WC_TREEVIEWW,
                                   TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS, help->font);
            help->topics = child(window, L"EDIT", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL, help->font);
            for (HWND pane : {help->contents, help->topics})
                SetWindowSubclass(pane, paneKeys, 0, reinterpret_cast<DWORD_PTR>(help));
            return 0;
        }
        case WM_SIZE: layOut(*help); return 0;
        case WM_SETFOCUS: SetFocus(help->contents); return 0;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.hwndFrom == help->contents && header.code == TVN_SELCHANGEDW)
                chosen(*help, *reinterpret_cast<const NMTREEVIEWW*>(lParam));
            return 0;
        }
        case WM_NCDESTROY:
            DeleteObject(help->font);
            help->font = nullptr;
            help->window = help->contents = help->topics = nullptr;
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            break;
        default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool registerClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    HINSTANCE program = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(program, ClassName, &windowClass)) return true;
    windowClass.lpfnWndProc = helpProcedure;
    windowClass.hInstance = program;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = ClassName;
    return RegisterClassExW(&windowClass) != 0;
}

void fillContents(HelpWindow& help, const HelpContents& contents) {
    TreeView_DeleteAllItems(help.contents);
    help.entryAnchors.clear();
    std::vector<HTREEITEM> path;  // the entry last added at each level
    std::vector<HTREEITEM> parents;
    for (const HelpContentsEntry& entry : contents.entries) {
        path.resize(static_cast<std::size_t>(entry.level - 1));
        std::wstring title = toWide(entry.title);
        TVINSERTSTRUCTW item{};
        item.hParent = path.empty() ? TVI_ROOT : path.back();
        item.hInsertAfter = TVI_LAST;
        item.item.mask = TVIF_TEXT | TVIF_PARAM;
        item.item.pszText = title.data();
        item.item.lParam = static_cast<LPARAM>(help.entryAnchors.size());
        help.entryAnchors.push_back(entry.anchor);
        if (!path.empty() && (parents.empty() || parents.back() != path.back())) parents.push_back(path.back());
        path.push_back(TreeView_InsertItem(help.contents, &item));
    }
    for (HTREEITEM parent : parents) TreeView_Expand(help.contents, parent, TVE_EXPAND);
}

}  // namespace

bool createHelpWindow(HelpWindow& help) {
    if (!registerClass()) return false;
    CreateWindowExW(0, ClassName, L"", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 800, 560, help.owner, nullptr,
                    GetModuleHandleW(nullptr), &help);
    return help.window != nullptr;
}

void showAtContents(HelpWindow& help, const std::wstring& title, const HelpContents& contents, HelpText text) {
    SetWindowTextW(help.window, title.c_str());
    help.text = std::move(text);
    SetWindowTextW(help.topics, toWide(help.text.text).c_str());
    help.quiet = true;  // the first entry is chosen, the topics stay at their start
    fillContents(help, contents);
    TreeView_SelectItem(help.contents, TreeView_GetRoot(help.contents));
    help.quiet = false;
    SendMessageW(help.topics, EM_SETSEL, 0, 0);
    SendMessageW(help.topics, EM_LINESCROLL, 0, -SendMessageW(help.topics, EM_GETFIRSTVISIBLELINE, 0, 0));
    ShowWindow(help.window, SW_SHOW);
    SetForegroundWindow(help.window);
    SetFocus(help.contents);
}

}  // namespace platform::win32
