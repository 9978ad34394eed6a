#pragma once

#include <windows.h>

#include <vector>

#include "platform/window.h"

namespace platform::win32 {

// Paints an owner-drawn bar chart (WM_DRAWITEM) with GDI, where the shared
// layout puts its parts, in the control's font.
void drawChart(const std::vector<ChartBar>& bars, const DRAWITEMSTRUCT& item);

}  // namespace platform::win32
