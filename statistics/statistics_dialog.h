#pragma once

#include "core/catalogue.h"
#include "platform/window.h"

// The reading statistics dialog's controls.
inline constexpr int YearChartId = 10;
inline constexpr int HeldLabelId = 11;
inline constexpr int BusiestLabelId = 12;
inline constexpr int CategoryCountsId = 13;
inline constexpr int ReviewCountsId = 14;
inline constexpr int CloseButtonId = platform::EscapeCommand;  // so Escape closes the dialog too

// The dialog as it is built: the books read per year as a bar chart over
// the whole width, the counts of the books below it, and two lists of the
// categories and the review grades with their counts, highest first.
platform::WindowSpec statisticsDialogBlueprint();

// Shows the reading figures of the books modally over `owner` and returns
// when the user has closed the dialog. It reads the books only.
void showReadingStatistics(platform::Windows& windows, const BookTables& books, platform::WindowHandle owner);
