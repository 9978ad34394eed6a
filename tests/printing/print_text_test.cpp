#include <gtest/gtest.h>

#include "platform/testing/recording_print_surface.h"
#include "printing/print_text.h"

namespace {

using platform::scripted::RecordingPrintSurface;

TEST(MakePrintFont, CharacterHeightFollowsTheScreenResolution) {
    RecordingPrintSurface printer;
    EXPECT_EQ(makePrintFont(printer, NormalSizeValue).characterHeight, 46);
    EXPECT_EQ(makePrintFont(printer, SmallSizeValue).characterHeight, 36);
    printer.screenDpiY = 120;  // 58.33 and 45: the fraction is dropped
    EXPECT_EQ(makePrintFont(printer, NormalSizeValue).characterHeight, 58);
    EXPECT_EQ(makePrintFont(printer, SmallSizeValue).characterHeight, 45);
}

TEST(PrintText, DrawsAtThePointCutTo254AndSkipsEmptyTexts) {
    RecordingPrintSurface printer;
    printer.startPage();
    printText(printer, "", 5, 6, NormalSizeValue);
    printText(printer, std::string(253, 'a') + "bc", 7, 8, SmallSizeValue);
    printText(printer, "\u00C9mile", 9, 10, NormalSizeValue);

    using Drawn = RecordingPrintSurface::DrawnText;
    const std::vector<Drawn> expected = {{7, 8, std::string(253, 'a') + "b", 36}, {9, 10, "\u00C9mile", 46}};
    EXPECT_EQ(printer.pages[0], expected);
}

}  // namespace
