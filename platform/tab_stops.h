#pragma once

#include <vector>

namespace platform {

// Where each tab-separated part of a text starts, in pixels from the text's
// origin, given the parts' drawn widths: a tab moves on to the first tab stop
// right of where the text so far ends, or one blank further when it has
// passed the last stop.
std::vector<int> tabbedPartStarts(const std::vector<int>& partWidths, const std::vector<int>& tabStops, int blankWidth);

}  // namespace platform
