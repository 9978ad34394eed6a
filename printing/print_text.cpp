#include "printing/print_text.h"

#include "core/grapheme_clusters.h"
#include "core/utf8.h"
#include "platform/print_surface.h"

PrintFont makePrintFont(const platform::PrintSurface& printer, int sizeValue) {
    return {printer.screenDotsPerInchY() * sizeValue / 72};
}

void printText(platform::PrintSurface& printer, std::string_view text, int x, int y, int sizeValue) {
    const std::string_view drawn = text.substr(0, wholeClusterPrefix(text, characterPrefix(text, LongestDrawnText)));
    if (!drawn.empty()) printer.drawText(x, y, drawn, makePrintFont(printer, sizeValue).characterHeight);
}
