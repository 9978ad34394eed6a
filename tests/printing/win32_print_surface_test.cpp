// The GDI print surface on a memory device context: no printer needed. Its
// measures are checked against the print face's known proportions, its texts
// read back from the bitmap's pixels.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/win32_print/gdi_print_surface.h"

namespace {

using platform::win32_print::surfaceOn;

constexpr int Width = 900;
constexpr int Height = 300;
constexpr std::uint32_t Grey = 0x808080;  // the canvas, unlike anything the surface draws
constexpr std::uint32_t White = 0xFFFFFF;

// A grey 32-bit bitmap in a memory device context, drawn on through a
// surface that owns the context.
struct Canvas {
    Canvas() {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = Width;
        info.bmiHeader.biHeight = -Height;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        pixels = static_cast<std::uint32_t*>(bits);
        SelectObject(dc, bitmap);
        std::fill(pixels, pixels + Width * Height, Grey);
        surface = surfaceOn(dc);
    }
    ~Canvas() {
        surface.reset();
        DeleteObject(bitmap);
    }

    std::uint32_t at(int x, int y) const {
        GdiFlush();
        return pixels[y * Width + x] & 0xFFFFFF;
    }

    HDC dc;
    HBITMAP bitmap;
    std::uint32_t* pixels;
    std::unique_ptr<platform::PrintSurface> surface;
};

struct Box {
    int left = Width, top = Height, right = -1, bottom = -1;
};

// The smallest box holding every pixel that is no longer grey.
Box drawnBox(const Canvas& canvas) {
    Box box;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            if (canvas.at(x, y) != Grey)
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
    return box;
}

// Times New Roman, or a face of the same metrics standing in for it: ascent
// 0.891 and descent 0.216 of the character height make the cell, 0.042 more
// is the external leading; a hyphen is a third of the character height wide,
// an em dash all of it.
TEST(GdiPrintSurface, MeasuresInThePrintFaceAtTheCharacterHeight) {
    Canvas canvas;
    platform::PrintSurface& surface = *canvas.surface;

    for (const int height : {36, 46, 92, 200}) {
        SCOPED_TRACE(height);
        EXPECT_NEAR(surface.lineHeight(height), 1.149 * height, 2);
        EXPECT_NEAR(surface.textWidth(std::string(100, '-'), height), 100 * height / 3, 100 * height / 30);
        EXPECT_NEAR(surface.textWidth("\u2014", height), height, 1);  // an em dash
    }
    EXPECT_NEAR(surface.lineHeight(92), 2 * surface.lineHeight(46), 2);
    EXPECT_EQ(surface.textWidth("", 46), 0);
    EXPECT_LT(surface.textWidth("i", 46), surface.textWidth("W", 46));
    // Without kerning a text is as wide as its parts; the accented letters of
    // Latin-1 are as wide as their plain ones.
    EXPECT_EQ(surface.textWidth("Hollow Harbour", 46),
              surface.textWidth("Hollow", 46) + surface.textWidth(" Harbour", 46));
    EXPECT_EQ(surface.textWidth("Duch\u00EAne", 46), surface.textWidth("Duchene", 46));

    // The font asked for, as the context holds it after the last measure:
    // Wine, which lacks the face, gives a serif face whatever is named, so
    // the name is read from the request.
    LOGFONTW font{};
    ASSERT_NE(GetObjectW(GetCurrentObject(canvas.dc, OBJ_FONT), sizeof font, &font), 0);
    EXPECT_STREQ(font.lfFaceName, L"Times New Roman");
    EXPECT_EQ(font.lfHeight, -46);
}

// The text's cell is painted white with its top-left corner where asked and
// its characters black inside it: the cell is as wide as the text measures
// and one line height less the external leading high.
TEST(GdiPrintSurface, DrawsBlackOnWhiteWithTheCellsTopLeftWhereAsked) {
    Canvas canvas;
    platform::PrintSurface& surface = *canvas.surface;
    const std::string text = "Duch\u00EAne, H\u00E9l\u00E8ne  Winter \u2013 Orchard";

    surface.drawText(50, 40, text, 46);

    const Box box = drawnBox(canvas);
    EXPECT_EQ(box.left, 50);
    EXPECT_EQ(box.top, 40);
    EXPECT_EQ(box.right + 1 - box.left, surface.textWidth(text, 46));
    EXPECT_NEAR(box.bottom + 1 - box.top, surface.lineHeight(46) - 2, 1);
    int black = 0, white = 0;
    for (int y = box.top; y <= box.bottom; ++y)
        for (int x = box.left; x <= box.right; ++x) {
            const std::uint32_t pixel = canvas.at(x, y);
            black += pixel == 0;
            white += pixel == White;
        }
    const int area = (box.right + 1 - box.left) * (box.bottom + 1 - box.top);
    EXPECT_GT(black, area / 20);
    EXPECT_GT(white, area / 2);

    // A second, shorter text covers the start of the first; a text at another
    // height has its own font.
    surface.drawText(50, 40, "  ", 46);
    for (int x = 50; x < 50 + surface.textWidth("  ", 46); ++x)
        for (int y = 40; y < 40 + surface.lineHeight(46) - 2; ++y) ASSERT_EQ(canvas.at(x, y), White) << x << "," << y;
    surface.drawText(50, 150, "W", 92);
    EXPECT_NE(canvas.at(50 + surface.textWidth("W", 92) - 1, 150 + surface.lineHeight(92) - 5), Grey);
    EXPECT_EQ(canvas.at(50 + surface.textWidth("W", 92), 150), Grey);
}

// A memory context is no printer: the job cannot start, nor a page end, nor
// the job end, and the surface says so. (Whether a page starts there, Wine and
// Windows answer differently.) The measures still work.
TEST(GdiPrintSurface, BracketsReportFailureOnAContextThatIsNoPrinter) {
    Canvas canvas;
    platform::PrintSurface& surface = *canvas.surface;

    EXPECT_FALSE(surface.startJob("Quorvel"));
    EXPECT_FALSE(surface.endPage());
    EXPECT_FALSE(surface.endJob());
    EXPECT_EQ(surface.pageWidth(), GetDeviceCaps(canvas.dc, HORZRES));
    EXPECT_EQ(surface.pageHeight(), GetDeviceCaps(canvas.dc, VERTRES));
    EXPECT_EQ(surface.screenDotsPerInchY(), 96);  // Wine's and Windows' screen by default
}

}  // namespace
