#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "platform/window.h"

namespace platform::win32 {

// What a list box shows. The system's list holds only the count of its rows
// (LBS_NODATA); each row's text is read from the program's rows when the row
// is drawn, except for rows whose text the program replaced since.
struct ListBoxRows {
    const ListRows* rows = nullptr;
    std::map<int, std::string> replaced;
    std::vector<int> tabStops;  // pixels from the text's origin, ascending
};

std::string shownRowText(const ListBoxRows& list, int row);

// The height of a row: that of the dialog's font.
int rowHeight(HWND dialog);

// Draws one row of an owner-drawn list (WM_DRAWITEM): its tab-separated parts
// at the tab stops, in the selection's colours, with the focus frame.
void drawRow(const ListBoxRows& list, const DRAWITEMSTRUCT& item);

// The selected rows, ascending, and the caret row (-1 when the list is empty).
std::vector<int> selectedRows(HWND list);
int caretRow(HWND list);

}  // namespace platform::win32
