#include "platform/win32_windows/bar_chart.h"

#include "platform/bar_chart_layout.h"
#include "platform/win32_windows/utf16_text.h"

namespace platform::win32 {

namespace {

RECT toRect(const ChartBox& box, const RECT& area) {
    return {area.left + box.left, area.top + box.top, area.left + box.left + box.width,
            area.top + box.top + box.height};
}

void writeCentred(HDC dc, const std::string& text, const ChartBox& box, const RECT& area) {
    RECT place = toRect(box, area);
    const std::wstring wide = toWide(text);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &place,
              DT_CENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
}

}  // namespace

void drawChart(const std::vector<ChartBar>& bars, const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const RECT& area = item.rcItem;
    FillRect(dc, &area, GetSysColorBrush(COLOR_3DFACE));
    const auto font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    const HGDIOBJ oldFont = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const auto textWidth = [dc](const std::string& text) {
        const std::wstring wide = toWide(text);
        SIZE size{};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
    };
    const int width = area.right - area.left;
    const BarChartLayout layout = layOutBarChart(bars, width, area.bottom - area.top, metrics.tmHeight, textWidth);

    const RECT axis = toRect({0, layout.axisTop, width, 1}, area);
    FillRect(dc, &axis, GetSysColorBrush(COLOR_WINDOWTEXT));
    HBRUSH fill = CreateSolidBrush(RGB(ChartBarColour.red, ChartBarColour.green, ChartBarColour.blue));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    for (std::size_t at = 0; at < layout.bars.size(); ++at) {
        const PlacedBar& placed = layout.bars[at];
        const RECT bar = toRect(placed.bar, area);
        if (placed.bar.height > 0) FillRect(dc, &bar, fill);
        if (placed.labelShown) writeCentred(dc, bars[at].label, placed.labelBox, area);
        if (placed.valueShown) writeCentred(dc, placed.valueText, placed.valueBox, area);
    }
    DeleteObject(fill);
    SelectObject(dc, oldFont);
}

}  // namespace platform::win32
