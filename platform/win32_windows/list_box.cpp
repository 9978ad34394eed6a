#include "platform/win32_windows/list_box.h"

#include "platform/tab_stops.h"
#include "platform/win32_windows/shaped_text.h"
#include "platform/win32_windows/utf16_text.h"

namespace platform::win32 {

namespace {

constexpr int TextMargin = 2;  // pixels between the row's left edge and the text

// Each part is shaped once, for its width and its drawing.
void drawParts(HDC dc, const RECT& rect, const std::wstring& text, const std::vector<int>& tabStops) {
    std::vector<ShapedText> parts;
    std::vector<int> widths;
    const std::wstring_view all(text);
    for (std::size_t start = 0;;) {
        const std::size_t tab = all.find(L'\t', start);
        parts.emplace_back(dc,
                           all.substr(start, tab == std::wstring_view::npos ? std::wstring_view::npos : tab - start));
        widths.push_back(shapedTextWidth(parts.back()));
        if (tab == std::wstring_view::npos) break;
        start = tab + 1;
    }
    const std::vector<int> starts = tabbedPartStarts(widths, tabStops, shapedTextWidth(dc, L" "));
    for (std::size_t part = 0; part < parts.size(); ++part)
        drawShapedText(parts[part], rect.left + TextMargin + starts[part], rect.top, &rect);
}

}  // namespace

std::string shownRowText(const ListBoxRows& list, int row) {
    const auto found = list.replaced.find(row);
    if (found != list.replaced.end()) return found->second;
    return list.rows != nullptr ? list.rows->text(row) : std::string();
}

int rowHeight(HWND dialog) {
    HDC dc = GetDC(dialog);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(dialog, dc);
    return metrics.tmHeight;
}

void drawRow(const ListBoxRows& list, const DRAWITEMSTRUCT& item) {
    if (item.itemAction == ODA_FOCUS) {  // the focus frame alone, drawn inverted
        DrawFocusRect(item.hDC, &item.rcItem);
        return;
    }
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID != static_cast<UINT>(-1)) {
        const int textColour = (item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT
                               : selected                      ? COLOR_HIGHLIGHTTEXT
                                                               : COLOR_WINDOWTEXT;
        SetTextColor(item.hDC, GetSysColor(textColour));
        SetBkMode(item.hDC, TRANSPARENT);
        drawParts(item.hDC, item.rcItem, toWide(shownRowText(list, static_cast<int>(item.itemID))), list.tabStops);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

std::vector<int> selectedRows(HWND list) {
    const LRESULT count = SendMessageW(list, LB_GETSELCOUNT, 0, 0);
    std::vector<int> rows(static_cast<std::size_t>(count > 0 ? count : 0));
    if (!rows.empty()) SendMessageW(list, LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
    return rows;
}

int caretRow(HWND list) {
    if (SendMessageW(list, LB_GETCOUNT, 0, 0) <= 0) return -1;
    return static_cast<int>(SendMessageW(list, LB_GETCARETINDEX, 0, 0));
}

}  // namespace platform::win32
