#pragma once

#include <cstddef>
#include <string_view>

namespace platform {
struct PrintSurface;
}

// Size values of the print font: points on the screen, taken over as printer
// device units whatever the printer's resolution.
inline constexpr int NormalSizeValue = 35;
inline constexpr int SmallSizeValue = 27;

// A longer text is drawn cut to its first LongestDrawnText characters, or
// fewer so as to end on a character as the user sees it.
inline constexpr std::size_t LongestDrawnText = 254;

// The print face (fixed by the print surface) at a character height in
// printer device units.
struct PrintFont {
    int characterHeight;
};

// The print font of a size value: the screen's vertical dots per inch times
// the size value, divided by 72 with the fraction dropped. With a 96 dpi
// screen the normal size gives 46 and the small size 36.
PrintFont makePrintFont(const platform::PrintSurface& printer, int sizeValue);

// Draws `text`, cut to LongestDrawnText characters, with its top-left corner at
// (x, y) in the print font of `sizeValue`. An empty text draws nothing.
void printText(platform::PrintSurface& printer, std::string_view text, int x, int y, int sizeValue);
